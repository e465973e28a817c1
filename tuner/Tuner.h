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
#include "tuner/Displays.h"
#include "tuner/MainThread.h"
#include "tuner/NoteMapper.h"
#include "tuner/SpscRing.h"
#include "tuner/StallGuard.h"
#include "tuner/Transposition.h"
#include "tuner/TunerSettings.h"
#include "tuner/UserDefaults.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
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

/// Where capture stands.
enum class CaptureState {
    Stopped, // not started, or stopped
    Running, // the default input device is being captured
    NoDevice, // started, but there is no input device (or no sound server) yet
    FormatUnusable, // the default input's format cannot be read or analysed
    Terminated, // stopped for good at termination
};

class CaptureObserver {
public:
    /// Called whenever the capture state changes (and again when a new device
    /// also fails), with a one-line reason for NoDevice and FormatUnusable.
    /// Running comes with why when capture has restarted by itself
    /// (`kRecordingEndedDetail`, `kInputStalledDetail`,
    /// `kDigitalSilenceDetail`), or with `kSilentInputDetail` when it runs on
    /// an input that gives nothing but digital silence, else with none (see
    /// `isRestartDetail`); a restart for the same reason as the last, with no
    /// input in between, is not told again. Once sound (anything but exact
    /// zeros) comes after a Running with why, Running is told again with
    /// none: the why is past.
    /// `Tuner::inputDeviceName` names the new device by then.
    /// Runs on the thread controlling capture: the main thread, the audio
    /// hardware's notification thread, or the tuner's stall guard. Must not
    /// call back into capture control (`start`, `stop`, ...).
    virtual void captureStateChanged(CaptureState state, const std::string& detail) = 0;

protected:
    ~CaptureObserver() = default;
};

/// Why capture restarted by itself: the sound server ended the stream.
inline constexpr const char* kRecordingEndedDetail = "the sound server ended the recording";
/// Why capture restarted by itself: no input cycle came for `kInputStallTimeout`.
inline constexpr const char* kInputStalledDetail
    = "no sound has come from the input device for 2 seconds";
inline constexpr std::chrono::milliseconds kInputStallTimeout { 2000 };
/// Why capture restarted by itself: the input gave nothing but exact zeros for
/// `kDigitalSilenceLength`, after sound or after a restart for another cause.
inline constexpr const char* kDigitalSilenceDetail
    = "the input device has given only digital silence for 2 seconds";
/// Not a restart: the input gives nothing but exact zeros, and did so from its
/// start or again after a restart for that. Told once; capture is not
/// restarted for it again until sound has come.
inline constexpr const char* kSilentInputDetail
    = "the input device gives only digital silence; is it muted?";
inline constexpr std::chrono::seconds kDigitalSilenceLength { 2 };

/// Whether `detail`, told with Running, says why capture restarted by itself
/// (rather than nothing, or a notice about the input).
inline bool isRestartDetail(const std::string& detail)
{
    return !detail.empty() && detail != kSilentInputDetail;
}

inline constexpr const char* kReferencePitchKey = kReferencePitchSetting.key;
inline constexpr const char* kOctaveRejectionKey = kOctaveRejectionSetting.key;
inline constexpr const char* kCloseEnoughKey = kCloseEnoughSetting.key;
/// Semitones from the sounding note to the written one (integer, 0).
inline constexpr const char* kTranspositionKey = kTranspositionSetting.key;
/// Whether notes are named with flats rather than sharps (boolean, false).
inline constexpr const char* kFlatNamesKey = kFlatNamesSetting.key;

class Tuner final : private BlockReceiver {
public:
    static constexpr int kDefaultReferencePitch = kReferencePitchSetting.initial;
    static constexpr int kMinReferencePitch = kReferencePitchSetting.min;
    static constexpr int kMaxReferencePitch = kReferencePitchSetting.max;

    /// A tuner of its own, not the shared one: reads its settings from
    /// `defaults` (a stored reference pitch outside 420..460 is taken as the
    /// nearer limit), posts to `mainThread` and captures from `hardware`, if
    /// given, whose default-device changes it follows from now on. All three
    /// must outlive it. While capture runs, a gap of `stallTimeout` with no
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
    CaptureState captureState() const { return captureState_.load(std::memory_order_acquire); }
    /// The device being captured (or last set up), 0 for none. Thread safe.
    AudioDeviceID inputDevice() const { return mInputDevice.load(std::memory_order_relaxed); }
    /// That device's name as the hardware gives it; empty for none. Thread
    /// safe.
    std::string inputDeviceName() const;
    /// Set before `start`; null detaches.
    void setCaptureObserver(CaptureObserver* observer);

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
    const StreamFormat& format() const { return mFormat; }
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
    static void propertyListener(AudioHardwareProperty property, void* context);
    void inputStalled();
    void inputSilent(bool heardSound);
    void inputHeard();
    void restartLocked(const char* cause);
    void startLocked(const char* runningDetail = "", bool tell = true);
    void stopLocked();
    bool setInputDeviceLocked(AudioDeviceID device);
    void setCaptureState(CaptureState state, const std::string& detail = {}, bool tell = true);

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

    AudioHardware* hardware_;
    // Capture control: held by start, stop, device changes and termination.
    std::mutex captureMutex_;
    bool terminated_ = false;
    bool procBound_ = false;
    std::atomic<CaptureState> captureState_ { CaptureState::Stopped };
    CaptureObserver* captureObserver_ = nullptr;

    // The last restart capture made by itself, and the input cycles counted
    // when it was made: the same cause with no cycle since is not news.
    const char* lastRestartCause_ = nullptr;
    std::uint64_t cyclesAtRestart_ = 0;
    // The observer was last told Running with why, which sound will undo.
    bool whyTold_ = false;
    // Why capture last started: one of the restart details, or empty.
    const char* startCause_ = "";

    std::atomic<AudioDeviceID> mInputDevice { kNoAudioDevice };
    mutable std::mutex nameMutex_;
    std::string inputDeviceName_;
    // Read from the device at every set-up, as the capture model has them;
    // nothing here depends on them.
    std::uint32_t mSafetyOffset = 0;
    std::uint32_t mBufferSizeFrames = 0;
    StreamFormat mFormat;

    // Input thread once capture runs; set up only while it does not.
    Analysis analysis_;
    // Last, so that its thread, which calls into the tuner, is gone before
    // anything else is destroyed; ~Tuner ends it first all the same.
    StallGuard stallGuard_;
};

/// The plain input procedure that capture back-ends bind, with the tuner as
/// `clientData`: forwards the cycle to `Tuner::inputIOProc`.
std::int32_t TunerInputProc(std::uint32_t device, const AudioTimeStamp* now,
    const AudioBufferList* inputData, const AudioTimeStamp* inputTime, AudioBufferList* outputData,
    const AudioTimeStamp* outputTime, void* clientData);

} // namespace clefmark
