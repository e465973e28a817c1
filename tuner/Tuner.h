// The tuner engine: the one object the rest of the program talks to.
//
// It owns the user settings, the capture state and the analysis, and
// hands its results to its display receivers on the main thread. The
// analysis (see Analysis.h) runs on the audio input thread, synchronously
// inside each input cycle: intake (mix to mono, gather blocks) -> period
// detection -> frequency tracking. Each block's result crosses to the main
// thread as a plain value, and there the note is mapped, once, and shown.
//
// Threads:
//  - main thread: creation, settings, display attachment, termination, the
//    note mapping and every display delivery;
//  - input thread: `inputIOProc` and everything it runs; it never waits,
//    locks or allocates. Its results go into a fixed ring (SpscRing.h) and
//    one ring of a doorbell wakes the main thread for as many results as
//    arrive before it drains them; a full ring drops results and counts them
//    rather than wait;
//  - capture control (`start`, `stop`, device changes) runs on the main
//    thread or the audio hardware's notification thread, under one lock the
//    input thread never takes.
// The settings and the pause flag are atomics the input thread only reads.
#pragma once

#include "tuner/Analysis.h"
#include "tuner/AudioHardware.h"
#include "tuner/AudioTypes.h"
#include "tuner/CaptureControl.h"
#include "tuner/Displays.h"
#include "tuner/MainThread.h"
#include "tuner/NoteMapper.h"
#include "tuner/NoteNames.h"
#include "tuner/SpscRing.h"
#include "tuner/Transposition.h"
#include "tuner/TunerSettings.h"
#include "tuner/UserDefaults.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace clefmark {

class AnalysisObserver {
public:
    /// Called on the main thread for every analysis block, after the
    /// displays have been given it, with the display update it made.
    virtual void blockAnalysed(const BlockReport& report) = 0;

protected:
    ~AnalysisObserver() = default;
};

inline constexpr const char* kReferencePitchKey = kReferencePitchSetting.key;
inline constexpr const char* kOctaveRejectionKey = kOctaveRejectionSetting.key;
inline constexpr const char* kCloseEnoughKey = kCloseEnoughSetting.key;
/// Semitones from the sounding note to the written one (integer, 0).
inline constexpr const char* kTranspositionKey = kTranspositionSetting.key;
/// Whether notes are named with flats rather than sharps (boolean, false).
inline constexpr const char* kFlatNamesKey = kFlatNamesSetting.key;
inline constexpr const char* kNoteNamingKey = kNoteNamingSetting.key;
/// Whether a pitch after a gap starts a new note (boolean, false).
inline constexpr const char* kFreshNotesKey = kFreshNotesSetting.key;
/// Whether the second opinion is asked (boolean, false).
inline constexpr const char* kSecondOpinionKey = kSecondOpinionSetting.key;

class Tuner final : private BlockReceiver, private CaptureClient {
public:
    static constexpr int kDefaultReferencePitch = kReferencePitchSetting.initial;
    static constexpr int kMinReferencePitch = kReferencePitchSetting.min;
    static constexpr int kMaxReferencePitch = kReferencePitchSetting.max;

    /// A tuner of its own, not the shared one: reads its settings from
    /// `defaults` (a stored reference pitch outside 420..460 is taken as the
    /// nearer limit), is woken on `mainThread` by a doorbell of its own to
    /// deliver what the input thread hands over, and captures from
    /// `hardware`, if given, whose default-device changes it follows from now
    /// on. All three must outlive it. While capture runs, a gap of `stallTimeout` with no
    /// input cycle restarts it, and so may `kDigitalSilenceLength` of exact
    /// zeros (see `kDigitalSilenceDetail`). Main thread.
    Tuner(UserDefaults& defaults, MainThread& mainThread, AudioHardware* hardware = nullptr,
        std::chrono::milliseconds stallTimeout = kInputStallTimeout);

    /// Stops capture and stops following the hardware. Deliveries still
    /// queued for the main thread reach no display afterwards.
    ~Tuner();

    Tuner(const Tuner&) = delete;
    Tuner& operator=(const Tuner&) = delete;

    /// The process's shared tuner, created on the first call with these
    /// services; later calls return it unchanged and ignore their arguments.
    /// It lives until the process ends. Main thread.
    static Tuner& sharedInstance(
        UserDefaults& defaults, MainThread& mainThread, AudioHardware* hardware = nullptr);
    /// The shared tuner; throws std::logic_error before it has been created.
    static Tuner& sharedInstance();

    // Settings. Main thread; never waiting for the input thread. A change
    // takes effect there at its next use, and is written to the user defaults
    // at once, so that a process that dies keeps it.
    int referencePitch() const { return referencePitch_.load(std::memory_order_relaxed); }
    /// Re-maps the last frequency shown against the new reference and
    /// re-sends the display. Before any frequency has been shown, sends
    /// nothing.
    void setReferencePitch(int hz);
    bool octaveRejection() const { return octaveRejection_.load(std::memory_order_relaxed); }
    void setOctaveRejection(bool on);
    bool closeEnough() const { return closeEnough_.load(std::memory_order_relaxed); }
    /// Re-judges the last tune value under the new leniency and re-sends it.
    void setCloseEnough(bool on);
    /// Semitones added to the note the displays receive, so that players of
    /// transposing instruments see the note they read; the tune value is
    /// the sounding note's. Outside -24..+24 the nearer limit is taken.
    /// Re-sends the last note, if any has been shown.
    int transposition() const;
    void setTransposition(int semitones);
    /// Whether notes are to be named with flats. Kept here with the other
    /// settings for what names notes; the analysis does not read it.
    bool flatNames() const { return flatNames_.load(std::memory_order_relaxed); }
    void setFlatNames(bool on);
    /// The names the user chose; none until a choice is made, for those
    /// of the user's language. Kept for what names notes, like flatNames.
    std::optional<NoteNaming> noteNaming() const;
    void setNoteNaming(NoteNaming naming);
    /// Whether a pitch after at least `FrequencyTracker::kFreshAfterBlocks`
    /// blocks without one starts a new note rather than joining the average
    /// of the last. Takes effect at the next input cycle.
    bool freshNotes() const { return freshNotes_.load(std::memory_order_relaxed); }
    void setFreshNotes(bool on);
    /// Whether the analysis asks the second opinion where the classic
    /// detector finds nothing (see Analysis::setSecondOpinion).
    bool secondOpinion() const { return secondOpinion_.load(std::memory_order_relaxed); }
    void setSecondOpinion(bool on);

    /// True when the user defaults held no reference pitch at creation.
    bool isFirstLaunch() const { return firstLaunch_; }

    /// While paused, input cycles are dropped and the partly filled block
    /// waits. Any thread; non-blocking.
    void setPause(bool paused) { pause_.store(paused, std::memory_order_relaxed); }
    bool pause() const { return pause_.load(std::memory_order_relaxed); }

    // Display receivers, not owned; null detaches. Main thread. A receiver
    // detached here receives nothing more, not even updates already queued.
    void setLevelMeter(LevelDisplay* display);
    void setTunerMeter(TuneDisplay* display);
    void setClefmark(NoteDisplay* display);
    void setStatusIndicator(StatusDisplay* display);
    void setReadingDisplay(ReadingDisplay* display);

    // Capture control: main thread, or the hardware's notification thread.
    // Serialised by one lock that the input thread never takes; stopping may
    // wait for a running input cycle to end, never the other way round.

    /// Captures the default input device: sets it up (`setInputDevice`),
    /// binds the input procedure and starts it. With no device, or one whose
    /// format cannot be used, nothing runs and the tuner waits for the next
    /// change of the default device. Restarts if already running.
    void start();
    /// Stops capture. No input cycle runs once it has returned.
    void stop();
    /// Stops capture and prepares the analysis for `device`: reads its
    /// properties, sizes the buffers from its sample rate and scales the
    /// analysis to it. Does not start capture. False (with the state
    /// FormatUnusable) when its format cannot be read or analysed, and after
    /// termination, when it does nothing.
    bool setInputDevice(AudioDeviceID device);
    /// The default input device changed: stop, then start on the new one.
    /// Does nothing after termination.
    void audioHardwarePropertyListener();
    /// The running capture's stream ended without being stopped: start again
    /// on the current default input, reporting Running with
    /// `kRecordingEndedDetail`. Does nothing unless capturing.
    void recordingEnded();

    /// Thread safe.
    CaptureState captureState() const { return capture_.state(); }
    /// The device being captured (or last set up), 0 for none. Thread safe.
    AudioDeviceID inputDevice() const { return capture_.inputDevice(); }
    /// That device's name as the hardware gives it; empty for none. Thread
    /// safe.
    std::string inputDeviceName() const { return capture_.inputDeviceName(); }
    /// Set before `start`; null detaches.
    void setCaptureObserver(CaptureObserver* observer) { capture_.setObserver(observer); }

    /// Stops capture for good (no device change restarts it), lets go of the
    /// audio hardware, which may be destroyed once this returns, and writes
    /// the settings to the user defaults (where each change has already been
    /// written, so that a first run stores them all).
    /// Main thread; not from a property listener.
    void applicationWillTerminate();

    /// Prepares the analysis for a device delivering `format`: a new empty
    /// block of 1/22 second and constants scaled to the rate; the current
    /// note is forgotten. A rate the analysis cannot take (see
    /// `analysisBlockSize`) is refused: the reason is returned and input
    /// cycles are ignored until a format is accepted. Empty when accepted.
    /// Allocates. For tools that feed input cycles themselves rather than
    /// through an AudioHardware; call only while no input cycle can run.
    std::string configureCapture(const StreamFormat& format);

    /// One input cycle. Input thread; never waits, locks or allocates.
    /// Always returns 0.
    std::int32_t inputIOProc(const AudioDeviceProcParams* params);

    /// Main thread; null detaches.
    void setAnalysisObserver(AnalysisObserver* observer) { observer_ = observer; }

    /// Results of the input thread dropped because the main thread had not
    /// taken the earlier ones: it was held up for longer than the ring
    /// holds (`kDeliveryCapacity` blocks, about 46 s). Thread safe.
    std::uint64_t droppedBlocks() const { return dropped_.load(std::memory_order_relaxed); }
    static constexpr std::size_t kDeliveryCapacity = 1024;

    /// Delivers every result the input thread has handed over so far. Runs by
    /// itself after the doorbell; for tools that must have every block shown
    /// before they go on. Main thread.
    void deliverPending();

    // Capture state, for the capture back-ends and diagnostics.
    bool isCaptureConfigured() const { return analysis_.isConfigured(); }
    const StreamFormat& format() const { return capture_.format(); }
    float sampleRate() const { return analysis_.sampleRate(); }
    std::uint32_t bufferFrames() const { return analysis_.bufferFrames(); }
    std::uint32_t bufferOffset() const { return analysis_.intake().bufferOffset(); }

    // The analysis components, read-only, for tests and diagnostics.
    const SampleIntake& intake() const { return analysis_.intake(); }
    const PeriodDetector& detector() const { return analysis_.detector(); }
    const FrequencyTracker& tracker() const { return analysis_.tracker(); }
    /// The last mapping as the displays received it, with the written note.
    /// Main thread.
    DisplayUpdate lastUpdate() const;

private:
    std::string prepareCapture(const StreamFormat& format) override;
    void forgetCapture() override { analysis_.unconfigure(); }

    // Input thread.
    void blockAnalysed(const BlockReport& report) override;
    // Main thread: the note mapping and the displays.
    void deliver(BlockReport report);
    std::optional<Pitch> UpdateTunerFrequency(float F);
    void show(const DisplayUpdate& update);

    UserDefaults& defaults_;

    std::atomic<std::int32_t> referencePitch_ { kDefaultReferencePitch };
    std::atomic<bool> octaveRejection_ { false };
    std::atomic<bool> closeEnough_ { false };
    std::atomic<bool> flatNames_ { false };
    std::atomic<int> noteNaming_ { kNoteNamingSetting.initial };
    std::atomic<bool> freshNotes_ { false };
    std::atomic<bool> secondOpinion_ { false };
    bool firstLaunch_ = false;
    std::atomic<bool> pause_ { false };
    std::atomic<int> transposition_ { 0 };

    // The display receivers and the note mapping: main thread only.
    LevelDisplay* mLevelMeter = nullptr;
    TuneDisplay* mTunerMeter = nullptr;
    NoteDisplay* mClefmark = nullptr;
    StatusDisplay* mStatusIndicator = nullptr;
    ReadingDisplay* readingDisplay_ = nullptr;
    AnalysisObserver* observer_ = nullptr;
    NoteMapper mapper_;
    // SaveFrequency as the displays last received it, 0 before any, and its
    // mapping (with the sounding note).
    float shownFrequency_ = 0.0f;
    Pitch lastPitch_;

    // From the input thread to the main thread. The flag is set by the
    // ringer and cleared by the drain, so that one wake-up at most is in
    // flight.
    SpscRing<BlockReport, kDeliveryCapacity> deliveries_;
    std::atomic<bool> wakePending_ { false };
    std::atomic<std::uint64_t> dropped_ { 0 };
    std::unique_ptr<Doorbell> doorbell_;

    // Input thread once capture runs; set up only while it does not.
    Analysis analysis_;
    // Last, so that capture, which calls into the tuner, ends before
    // anything else is destroyed; ~Tuner closes it first all the same.
    CaptureControl capture_;
};

/// The plain input procedure that capture back-ends bind, with the tuner as
/// `clientData`: forwards the cycle to `Tuner::inputIOProc`.
std::int32_t TunerInputProc(std::uint32_t device, const AudioTimeStamp* now,
    const AudioBufferList* inputData, const AudioTimeStamp* inputTime, AudioBufferList* outputData,
    const AudioTimeStamp* outputTime, void* clientData);

} // namespace clefmark
