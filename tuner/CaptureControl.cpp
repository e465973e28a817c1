#include "tuner/CaptureControl.h"

#include <string>
#include <utility>

namespace clefmark {

namespace {

    // The frames of a cycle, as its first buffer gives them.
    std::uint32_t cycleFrames(const AudioBufferList& list)
    {
        if (list.numberBuffers == 0 || list.buffers == nullptr
            || list.buffers[0].numberChannels == 0)
            return 0;
        return list.buffers[0].dataByteSize / sizeof(float) / list.buffers[0].numberChannels;
    }

    // Whether any sample of the cycle is other than an exact zero. A hole (a
    // buffer without data) carries none. Reads up to the first that is.
    bool carriesSound(const AudioBufferList& list)
    {
        for (std::uint32_t b = 0; b < list.numberBuffers && list.buffers != nullptr; ++b) {
            const AudioBuffer& buffer = list.buffers[b];
            if (buffer.data == nullptr)
                continue;
            const auto* samples = static_cast<const float*>(buffer.data);
            const std::uint32_t count = buffer.dataByteSize / sizeof(float);
            for (std::uint32_t i = 0; i < count; ++i)
                if (samples[i] != 0.0f)
                    return true;
        }
        return false;
    }

} // namespace

CaptureControl::CaptureControl(AudioHardware* hardware, AudioDeviceIOProc proc, void* procContext,
    CaptureClient& client, std::chrono::milliseconds stallTimeout)
    : hardware_(hardware)
    , proc_(proc)
    , procContext_(procContext)
    , client_(client)
    , stallGuard_(stallTimeout,
          StallGuard::Reports { [this] { inputStalled(); },
              [this](bool heardSound) { inputSilent(heardSound); }, [this] { inputHeard(); } })
{
    if (hardware_ != nullptr)
        hardware_->addPropertyListener(&CaptureControl::propertyListener, this);
}

CaptureControl::~CaptureControl()
{
    close();
}

void CaptureControl::close()
{
    // Outside the capture lock, which a restart it is making may be waiting
    // for.
    stallGuard_.shutDown();
    if (hardware_ != nullptr) {
        // First no more device changes, then no more input cycles.
        hardware_->removePropertyListener(&CaptureControl::propertyListener, this);
        std::lock_guard lock(captureMutex_);
        stopLocked();
    }
}

void CaptureControl::terminate()
{
    // The program may destroy the hardware once this returns, so capture
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
        hardware->removePropertyListener(&CaptureControl::propertyListener, this);
    std::lock_guard lock(captureMutex_);
    stopLocked();
    terminated_ = true;
    hardware_ = nullptr;
    setCaptureState(CaptureState::Terminated);
}

void CaptureControl::cycleArrived(const AudioDeviceProcParams* params)
{
    // Its samples tell whether it carries sound.
    stallGuard_.cycle();
    if (params != nullptr && params->inputData != nullptr)
        stallGuard_.heard(cycleFrames(*params->inputData), carriesSound(*params->inputData));
}

// Capture control. Every path below holds captureMutex_, which the input
// thread never takes: a device change on the notification thread and a stop
// on the main thread take turns, and the buffers are only replaced after the
// hardware has promised that no input cycle is running.

void CaptureControl::propertyListener(AudioHardwareProperty property, void* context)
{
    if (property == AudioHardwareProperty::DefaultInputDevice)
        static_cast<CaptureControl*>(context)->defaultInputChanged();
    else if (property == AudioHardwareProperty::DeviceStreamEnded)
        static_cast<CaptureControl*>(context)->recordingEnded();
}

void CaptureControl::defaultInputChanged()
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
void CaptureControl::recordingEnded()
{
    std::lock_guard lock(captureMutex_);
    if (terminated_ || !procBound_)
        return;
    restartLocked(kRecordingEndedDetail);
}

// The stall guard's thread, having seen no input cycle for a whole timeout.
// A file played to its end owes no more cycles; anything else does.
void CaptureControl::inputStalled()
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
void CaptureControl::inputSilent(bool heardSound)
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
void CaptureControl::inputHeard()
{
    std::lock_guard lock(captureMutex_);
    if (terminated_ || !procBound_ || !whyTold_)
        return;
    setCaptureState(CaptureState::Running);
}

// Restarts are rate-limited by their sources rather than here: the back-ends
// tell of an ended stream at most once a second, and the stall guard, armed
// afresh by every start, waits a whole timeout before it fires.
void CaptureControl::restartLocked(const char* cause)
{
    stopLocked();
    const std::uint64_t cycles = stallGuard_.cycles();
    const bool news = cause != lastRestartCause_ || cycles != cyclesAtRestart_;
    lastRestartCause_ = cause;
    cyclesAtRestart_ = cycles;
    startLocked(cause, news);
}

void CaptureControl::start()
{
    std::lock_guard lock(captureMutex_);
    if (!terminated_)
        startLocked();
}

void CaptureControl::stop()
{
    std::lock_guard lock(captureMutex_);
    stopLocked();
    if (!terminated_)
        setCaptureState(CaptureState::Stopped);
}

bool CaptureControl::setInputDevice(AudioDeviceID device)
{
    std::lock_guard lock(captureMutex_);
    if (terminated_)
        return false;
    return setInputDeviceLocked(device);
}

void CaptureControl::setObserver(CaptureObserver* observer)
{
    std::lock_guard lock(captureMutex_);
    captureObserver_ = observer;
}

void CaptureControl::startLocked(const char* runningDetail, bool tell)
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
    procBound_ = hardware_->addIOProc(device, proc_, procContext_);
    if (!procBound_ || !hardware_->start(device, proc_)) {
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

void CaptureControl::stopLocked()
{
    stallGuard_.disarm();
    if (!procBound_ || hardware_ == nullptr)
        return;
    const AudioDeviceID device = mInputDevice.load(std::memory_order_relaxed);
    hardware_->stop(device, proc_);
    hardware_->removeIOProc(device, proc_);
    procBound_ = false;
}

bool CaptureControl::setInputDeviceLocked(AudioDeviceID device)
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
        client_.forgetCapture();
        setCaptureState(CaptureState::FormatUnusable, "the input device's format cannot be read");
        return false;
    }
    mFormat = format;
    if (const std::string refusal = client_.prepareCapture(format); !refusal.empty()) {
        setCaptureState(CaptureState::FormatUnusable, "the input device's " + refusal);
        return false;
    }
    return true;
}

std::string CaptureControl::inputDeviceName() const
{
    std::lock_guard lock(nameMutex_);
    return inputDeviceName_;
}

void CaptureControl::setCaptureState(CaptureState state, const std::string& detail, bool tell)
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
