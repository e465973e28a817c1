#include "tuner/Tuner.h"

#include <string>
#include <utility>

namespace clefmark {

void Tuner::applicationWillTerminate()
{
    // The program may destroy the hardware once this returns, so the tuner
    // lets go of it for good: first of its listener, outside the capture lock
    // that a running listener may be waiting for, then of capture. The stall
    // guard goes first, outside the lock for the same reason.
    stallGuard_.shutDown();
    AudioHardware* hardware = nullptr;
    {
        std::lock_guard lock(captureMutex_);
        hardware = hardware_;
    }
    if (hardware != nullptr)
        hardware->removePropertyListener(&Tuner::propertyListener, this);
    {
        std::lock_guard lock(captureMutex_);
        stopLocked();
        terminated_ = true;
        hardware_ = nullptr;
        setCaptureState(CaptureState::Terminated);
    }
    defaults_.setInteger(kReferencePitchKey, referencePitch());
    defaults_.setBool(kOctaveRejectionKey, octaveRejection());
    defaults_.setBool(kCloseEnoughKey, closeEnough());
    defaults_.setInteger(kTranspositionKey, transposition());
    defaults_.setBool(kFlatNamesKey, flatNames());
}

// Capture control. Every path below holds captureMutex_, which the input
// thread never takes: a device change on the notification thread and a stop
// on the main thread take turns, and the buffers are only replaced after the
// hardware has promised that no input cycle is running.

void Tuner::propertyListener(AudioHardwareProperty property, void* context)
{
    if (property == AudioHardwareProperty::DefaultInputDevice)
        static_cast<Tuner*>(context)->audioHardwarePropertyListener();
    else if (property == AudioHardwareProperty::DeviceStreamEnded)
        static_cast<Tuner*>(context)->recordingEnded();
}

void Tuner::audioHardwarePropertyListener()
{
    std::lock_guard lock(captureMutex_);
    if (terminated_)
        return;
    stopLocked();
    startLocked();
}

// A stop or a device change may have come between the end and this call;
// capture that has been stopped stays stopped, and a restart on a device that
// has since gone away lands on the next default (or none) all the same.
void Tuner::recordingEnded()
{
    std::lock_guard lock(captureMutex_);
    if (terminated_ || !procBound_)
        return;
    restartLocked(kRecordingEndedDetail);
}

// The stall guard's thread, having seen no input cycle for a whole timeout.
// A file played to its end owes no more cycles; anything else does.
void Tuner::inputStalled()
{
    std::lock_guard lock(captureMutex_);
    if (terminated_ || !procBound_ || hardware_ == nullptr
        || hardware_->inputExhausted(mInputDevice.load(std::memory_order_relaxed)))
        return;
    restartLocked(kInputStalledDetail);
}

// The stall guard's thread: nothing but exact zeros for kDigitalSilenceLength.
// A stream that carried sound before, or that replaced one the server lost,
// has gone wrong, as one left over from a suspended and resumed device does,
// and a new stream cures that. One started by the user, or by this very
// restart, that has given nothing else is a silent input (a muted
// microphone): said once and left alone, since starting it again and again
// would change nothing.
void Tuner::inputSilent(bool heardSound)
{
    std::lock_guard lock(captureMutex_);
    if (terminated_ || !procBound_ || hardware_ == nullptr)
        return;
    const bool restartedForAnotherCause
        = *startCause_ != '\0' && startCause_ != kDigitalSilenceDetail;
    if (heardSound || restartedForAnotherCause)
        restartLocked(kDigitalSilenceDetail);
    else
        setCaptureState(CaptureState::Running, kSilentInputDetail);
}

// The stall guard's thread, sound having come after the observer was told
// why capture restarted: that why is over, and a message saying it would
// outlive its cause.
void Tuner::inputHeard()
{
    std::lock_guard lock(captureMutex_);
    if (terminated_ || !procBound_ || !whyTold_)
        return;
    setCaptureState(CaptureState::Running);
}

// Restarts are rate-limited by their sources rather than here: the back-ends
// tell of an ended stream at most once a second, and the stall guard, armed
// afresh by every start, waits a whole timeout before it fires.
void Tuner::restartLocked(const char* cause)
{
    stopLocked();
    const std::uint64_t cycles = stallGuard_.cycles();
    const bool news = cause != lastRestartCause_ || cycles != cyclesAtRestart_;
    lastRestartCause_ = cause;
    cyclesAtRestart_ = cycles;
    startLocked(cause, news);
}

void Tuner::start()
{
    std::lock_guard lock(captureMutex_);
    if (!terminated_)
        startLocked();
}

void Tuner::stop()
{
    std::lock_guard lock(captureMutex_);
    stopLocked();
    if (!terminated_)
        setCaptureState(CaptureState::Stopped);
}

bool Tuner::setInputDevice(AudioDeviceID device)
{
    std::lock_guard lock(captureMutex_);
    if (terminated_)
        return false;
    return setInputDeviceLocked(device);
}

void Tuner::setCaptureObserver(CaptureObserver* observer)
{
    std::lock_guard lock(captureMutex_);
    captureObserver_ = observer;
}

void Tuner::startLocked(const char* runningDetail, bool tell)
{
    if (hardware_ == nullptr) {
        setCaptureState(CaptureState::NoDevice, "no audio hardware to capture from");
        return;
    }
    const AudioDeviceID device = hardware_->defaultInputDevice();
    if (device == kNoAudioDevice) {
        stopLocked();
        setCaptureState(CaptureState::NoDevice, "no input device");
        return;
    }
    if (!setInputDeviceLocked(device))
        return;
    procBound_ = hardware_->addIOProc(device, &TunerInputProc, this);
    if (!procBound_ || !hardware_->start(device, &TunerInputProc)) {
        // The device went away between the question and the answer; its
        // departure is a device change of its own, which will start again.
        stopLocked();
        setCaptureState(CaptureState::NoDevice, "the input device could not be started");
        return;
    }
    setCaptureState(CaptureState::Running, runningDetail, tell);
    startCause_ = runningDetail;
    // A recording's silence is the recording's: playing it again changes
    // nothing.
    const auto silenceFrames = hardware_->isRecording(device)
        ? 0
        : static_cast<std::uint64_t>(mFormat.sampleRate) * kDigitalSilenceLength.count();
    stallGuard_.arm(silenceFrames);
}

void Tuner::stopLocked()
{
    stallGuard_.disarm();
    if (!procBound_ || hardware_ == nullptr)
        return;
    const AudioDeviceID device = mInputDevice.load(std::memory_order_relaxed);
    hardware_->stop(device, &TunerInputProc);
    hardware_->removeIOProc(device, &TunerInputProc);
    procBound_ = false;
}

bool Tuner::setInputDeviceLocked(AudioDeviceID device)
{
    stopLocked();
    if (hardware_ == nullptr)
        return false;
    hardware_->safetyOffset(device, mSafetyOffset);
    hardware_->bufferFrameSize(device, mBufferSizeFrames);
    StreamFormat format = mFormat;
    const bool readable = hardware_->streamFormat(device, format);
    mInputDevice.store(device, std::memory_order_relaxed);
    std::string name;
    hardware_->deviceName(device, name);
    {
        std::lock_guard nameLock(nameMutex_);
        inputDeviceName_ = std::move(name);
    }
    if (!readable) {
        // Not the previous device's format: capture must not run on a guess.
        analysis_.unconfigure();
        setCaptureState(CaptureState::FormatUnusable, "the input device's format cannot be read");
        return false;
    }
    if (const std::string refusal = configureCapture(format); !refusal.empty()) {
        setCaptureState(CaptureState::FormatUnusable, "the input device's " + refusal);
        return false;
    }
    return true;
}

std::string Tuner::inputDeviceName() const
{
    std::lock_guard lock(nameMutex_);
    return inputDeviceName_;
}

void Tuner::setCaptureState(CaptureState state, const std::string& detail, bool tell)
{
    captureState_.store(state, std::memory_order_release);
    if (!tell)
        return;
    whyTold_ = state == CaptureState::Running && !detail.empty();
    if (whyTold_)
        stallGuard_.awaitSound();
    if (captureObserver_ != nullptr)
        captureObserver_->captureStateChanged(state, detail);
}

} // namespace clefmark
