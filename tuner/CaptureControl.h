// Capture control: which device the tuner listens to, and keeping it
// listening. It sets up the default input device, binds the input procedure
// and starts it, follows changes of the default device, and restarts capture
// by itself when the server ends the stream, when cycles stop coming
// (StallGuard) or when a stream that gave sound gives only exact zeros, and
// says each time why.
//
// Threads: every operation runs on the main thread, the audio hardware's
// notification thread or the stall guard's thread, serialised by one lock
// the input thread never takes; stopping may wait for a running input cycle
// to end, never the other way round. The input thread only counts its
// cycles here (`cycleArrived`), with relaxed atomics.
#pragma once

#include "tuner/AudioHardware.h"
#include "tuner/AudioTypes.h"
#include "tuner/StallGuard.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

namespace clefmark {

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

/// What capture sets up for each device it starts: the analysis.
class CaptureClient {
public:
    /// Prepares for input in `format`; returns why it cannot be analysed, or
    /// empty. Called while no input cycle runs; may allocate.
    virtual std::string prepareCapture(const StreamFormat& format) = 0;
    /// No format can be used: input cycles are to be ignored.
    virtual void forgetCapture() = 0;

protected:
    ~CaptureClient() = default;
};

class CaptureControl {
public:
    /// Captures from `hardware`, if given (it must outlive this), whose
    /// default-device changes it follows from now on, binding `proc` with
    /// `procContext`, and preparing `client` for each device. While capture
    /// runs, a gap of `stallTimeout` with no input cycle restarts it, and so
    /// may `kDigitalSilenceLength` of exact zeros (see
    /// `kDigitalSilenceDetail`).
    CaptureControl(AudioHardware* hardware, AudioDeviceIOProc proc, void* procContext,
        CaptureClient& client, std::chrono::milliseconds stallTimeout);
    /// Closes.
    ~CaptureControl();

    CaptureControl(const CaptureControl&) = delete;
    CaptureControl& operator=(const CaptureControl&) = delete;

    /// Stops following the hardware and stops capture: no input cycle runs
    /// once it has returned. Not from a property listener.
    void close();

    /// See `Tuner::start`, `stop`, `setInputDevice`,
    /// `audioHardwarePropertyListener` and `recordingEnded`.
    void start();
    void stop();
    bool setInputDevice(AudioDeviceID device);
    void defaultInputChanged();
    void recordingEnded();
    /// Stops capture for good and lets go of the hardware, which may be
    /// destroyed once this returns. Not from a property listener.
    void terminate();

    /// Input thread: one input cycle came. Never waits, locks or allocates.
    void cycleArrived(const AudioDeviceProcParams* params);

    /// Thread safe.
    CaptureState state() const { return captureState_.load(std::memory_order_acquire); }
    AudioDeviceID inputDevice() const { return mInputDevice.load(std::memory_order_relaxed); }
    std::string inputDeviceName() const;
    /// The format of the device last set up. Not while capture changes.
    const StreamFormat& format() const { return mFormat; }
    void setObserver(CaptureObserver* observer);

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

    AudioHardware* hardware_;
    const AudioDeviceIOProc proc_;
    void* const procContext_;
    CaptureClient& client_;
    // Held by start, stop, device changes and termination.
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

    // Last, so that its thread, which calls into capture control, is gone
    // before anything else is destroyed; `close` ends it first all the same.
    StallGuard stallGuard_;
};

} // namespace clefmark
