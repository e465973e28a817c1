#include "audio/InputSwitch.h"

#include "tuner/SampleIntake.h"

#include <algorithm>
#include <utility>

namespace clefmark {

InputSwitch::InputSwitch(std::unique_ptr<AudioHardware> live)
    : live_(std::move(live))
{
    if (live_ != nullptr)
        live_->addPropertyListener(&InputSwitch::relay, this);
}

InputSwitch::~InputSwitch()
{
    if (live_ != nullptr)
        live_->removePropertyListener(&InputSwitch::relay, this);
    notifier_.stop();
    std::vector<std::shared_ptr<File>> files;
    {
        std::lock_guard lock(mutex_);
        files.swap(files_);
    }
    files.clear(); // stops any file playing
    live_.reset();
}

void InputSwitch::relay(AudioHardwareProperty property, void* context)
{
    auto* self = static_cast<InputSwitch*>(context);
    // While a file is the default input, the live input's comings and goings
    // are none of the tuner's business; going back to it tells of it anew.
    if (self->playingFile()
        && (property == AudioHardwareProperty::DefaultInputDevice
            || property == AudioHardwareProperty::DeviceStreamEnded))
        return;
    self->notifier_.post(property);
}

std::string InputSwitch::playFile(const std::string& path)
{
    std::shared_ptr<File> next;
    {
        std::lock_guard lock(mutex_);
        next = std::make_shared<File>(nextId_++);
    }
    // Opened and checked before anything changes: a file that cannot be
    // played leaves the tuner listening to what it listened to.
    if (!next->hardware.open(path))
        return next->hardware.error();
    StreamFormat format;
    next->hardware.streamFormat(FileAudioHardware::kDevice, format);
    if (std::string refusal = analysisBlockSize(format.sampleRate).refusal; !refusal.empty())
        return refusal;
    // Looped, it would be silence for ever, read as an input gone quiet.
    if (next->hardware.fileFrames() == 0)
        return "it has no sound in it";
    select(std::move(next));
    return {};
}

void InputSwitch::listenToInput()
{
    if (playingFile())
        select(nullptr);
}

void InputSwitch::select(std::shared_ptr<File> next)
{
    std::vector<std::shared_ptr<File>> dropped;
    {
        std::lock_guard lock(mutex_);
        current_.store(next != nullptr ? next->id : kNoAudioDevice, std::memory_order_release);
        if (next != nullptr)
            files_.push_back(std::move(next));
        collectLocked(dropped);
    }
    notifier_.post(AudioHardwareProperty::DefaultInputDevice);
}

void InputSwitch::collectLocked(std::vector<std::shared_ptr<File>>& dropped)
{
    const AudioDeviceID chosen = current_.load(std::memory_order_relaxed);
    const auto idle = std::stable_partition(files_.begin(), files_.end(),
        [chosen](const auto& f) { return f->id == chosen || f->proc != nullptr; });
    std::move(idle, files_.end(), std::back_inserter(dropped));
    files_.erase(idle, files_.end());
}

std::shared_ptr<InputSwitch::File> InputSwitch::file(AudioDeviceID device) const
{
    std::lock_guard lock(mutex_);
    const auto found = std::find_if(
        files_.begin(), files_.end(), [device](const auto& f) { return f->id == device; });
    return found != files_.end() ? *found : nullptr;
}

std::int32_t InputSwitch::fileCycle(AudioDeviceID, const AudioTimeStamp* now,
    const AudioBufferList* inputData, const AudioTimeStamp* inputTime, AudioBufferList* outputData,
    const AudioTimeStamp* outputTime, void* clientData)
{
    // The procedure and its data were set before the file started and stay
    // until it has stopped, so the input thread reads them without a lock.
    const auto* f = static_cast<const File*>(clientData);
    return f->proc(f->id, now, inputData, inputTime, outputData, outputTime, f->clientData);
}

void InputSwitch::addPropertyListener(AudioPropertyListener listener, void* context)
{
    notifier_.addListener(listener, context);
}

void InputSwitch::removePropertyListener(AudioPropertyListener listener, void* context)
{
    notifier_.removeListener(listener, context);
}

AudioDeviceID InputSwitch::defaultInputDevice()
{
    if (const AudioDeviceID chosen = current_.load(std::memory_order_acquire);
        chosen != kNoAudioDevice)
        return chosen;
    const AudioDeviceID device = live_ != nullptr ? live_->defaultInputDevice() : kNoAudioDevice;
    return device < kFirstFileDevice ? device : kNoAudioDevice;
}

// Each call goes to the back-end that owns the id, held for the call.
template <typename Call> bool InputSwitch::route(AudioDeviceID device, Call call)
{
    if (device < kFirstFileDevice)
        return live_ != nullptr && call(*live_, device);
    const std::shared_ptr<File> f = file(device);
    return f != nullptr && call(f->hardware, FileAudioHardware::kDevice);
}

bool InputSwitch::safetyOffset(AudioDeviceID device, std::uint32_t& frames)
{
    return route(
        device, [&](AudioHardware& h, AudioDeviceID d) { return h.safetyOffset(d, frames); });
}

bool InputSwitch::bufferFrameSize(AudioDeviceID device, std::uint32_t& frames)
{
    return route(
        device, [&](AudioHardware& h, AudioDeviceID d) { return h.bufferFrameSize(d, frames); });
}

bool InputSwitch::streamFormat(AudioDeviceID device, StreamFormat& format)
{
    return route(
        device, [&](AudioHardware& h, AudioDeviceID d) { return h.streamFormat(d, format); });
}

bool InputSwitch::deviceName(AudioDeviceID device, std::string& name)
{
    return route(device, [&](AudioHardware& h, AudioDeviceID d) { return h.deviceName(d, name); });
}

bool InputSwitch::inputExhausted(AudioDeviceID device)
{
    return route(device, [](AudioHardware& h, AudioDeviceID d) { return h.inputExhausted(d); });
}

bool InputSwitch::isRecording(AudioDeviceID device)
{
    return route(device, [](AudioHardware& h, AudioDeviceID d) { return h.isRecording(d); });
}

bool InputSwitch::start(AudioDeviceID device, AudioDeviceIOProc proc)
{
    if (device < kFirstFileDevice)
        return live_ != nullptr && live_->start(device, proc);
    const std::shared_ptr<File> f = file(device);
    if (f == nullptr)
        return false;
    {
        std::lock_guard lock(mutex_);
        if (f->proc != proc)
            return false;
    }
    return f->hardware.start(FileAudioHardware::kDevice, &fileCycle);
}

bool InputSwitch::stop(AudioDeviceID device, AudioDeviceIOProc proc)
{
    if (device < kFirstFileDevice)
        return live_ != nullptr && live_->stop(device, proc);
    const std::shared_ptr<File> f = file(device);
    return f != nullptr && f->hardware.stop(FileAudioHardware::kDevice, &fileCycle);
}

bool InputSwitch::addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData)
{
    if (device < kFirstFileDevice)
        return live_ != nullptr && live_->addIOProc(device, proc, clientData);
    const std::shared_ptr<File> f = file(device);
    if (f == nullptr || proc == nullptr)
        return false;
    {
        // One procedure at a time, as the file back-end takes; set before it
        // can run.
        std::lock_guard lock(mutex_);
        if (f->proc != nullptr)
            return f->proc == proc && f->clientData == clientData;
        f->proc = proc;
        f->clientData = clientData;
    }
    if (f->hardware.addIOProc(FileAudioHardware::kDevice, &fileCycle, f.get()))
        return true;
    std::lock_guard lock(mutex_);
    f->proc = nullptr;
    f->clientData = nullptr;
    return false;
}

bool InputSwitch::removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc)
{
    if (device < kFirstFileDevice)
        return live_ != nullptr && live_->removeIOProc(device, proc);
    const std::shared_ptr<File> f = file(device);
    {
        std::lock_guard lock(mutex_);
        if (f == nullptr || f->proc != proc)
            return false;
    }
    // Stops it first: once this returns, no cycle reads the binding.
    const bool removed = f->hardware.removeIOProc(FileAudioHardware::kDevice, &fileCycle);
    std::vector<std::shared_ptr<File>> dropped;
    std::lock_guard lock(mutex_);
    if (removed) {
        f->proc = nullptr;
        f->clientData = nullptr;
    }
    collectLocked(dropped);
    return removed;
}

} // namespace clefmark
