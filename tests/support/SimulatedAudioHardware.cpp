#include "tests/support/SimulatedAudioHardware.h"

#include <algorithm>
#include <string>

namespace clefmark {

SimulatedAudioHardware::SimulatedAudioHardware() = default;

SimulatedAudioHardware::~SimulatedAudioHardware() = default;

AudioDeviceID SimulatedAudioHardware::addDevice(
    const StreamFormat& format, std::uint32_t safetyOffset, std::uint32_t bufferFrames)
{
    std::lock_guard lock(mutex_);
    const AudioDeviceID id = nextId_++;
    Device& d = devices_[id];
    d.format = format;
    d.safetyOffset = safetyOffset;
    d.bufferFrames = bufferFrames;
    return id;
}

void SimulatedAudioHardware::setFormatReadable(AudioDeviceID device, bool readable)
{
    std::lock_guard lock(mutex_);
    if (Device* d = find(device))
        d->formatReadable = readable;
}

void SimulatedAudioHardware::setDefaultInputDevice(AudioDeviceID device)
{
    {
        std::lock_guard lock(mutex_);
        defaultInput_ = device;
    }
    announce(AudioHardwareProperty::DefaultInputDevice);
}

void SimulatedAudioHardware::announce(AudioHardwareProperty property)
{
    notifier_.post(property);
}

void SimulatedAudioHardware::waitForListeners()
{
    notifier_.waitUntilIdle();
}

bool SimulatedAudioHardware::deliverCycle(
    AudioDeviceID device, const float* samples, std::uint32_t frames)
{
    std::lock_guard cycle(cycleMutex_);
    Binding binding;
    AudioTimeStamp time;
    AudioBuffer buffer;
    {
        std::lock_guard lock(mutex_);
        Device* d = find(device);
        if (d == nullptr)
            return false;
        const auto running = std::find_if(
            d->bindings.begin(), d->bindings.end(), [](const Binding& b) { return b.running; });
        if (running == d->bindings.end())
            return false;
        binding = *running;
        const std::uint32_t channels = std::max<std::uint32_t>(1, d->format.channelsPerFrame);
        buffer = { channels, frames * channels * 4, samples };
        time.sampleTime = d->framesDelivered + 1;
        d->framesDelivered += frames;
    }
    const AudioBufferList list { 1, &buffer };
    binding.proc(device, &time, &list, &time, nullptr, nullptr, binding.clientData);
    return true;
}

std::size_t SimulatedAudioHardware::boundProcCount(AudioDeviceID device) const
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    return d ? d->bindings.size() : 0;
}

bool SimulatedAudioHardware::isRunning(AudioDeviceID device) const
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    return d && std::any_of(d->bindings.begin(), d->bindings.end(), [](const Binding& b) {
        return b.running;
    });
}

std::size_t SimulatedAudioHardware::runningCount() const
{
    std::lock_guard lock(mutex_);
    std::size_t n = 0;
    for (const auto& [id, d] : devices_)
        n += static_cast<std::size_t>(std::count_if(
            d.bindings.begin(), d.bindings.end(), [](const Binding& b) { return b.running; }));
    return n;
}

void SimulatedAudioHardware::addPropertyListener(AudioPropertyListener listener, void* context)
{
    notifier_.addListener(listener, context);
}

void SimulatedAudioHardware::removePropertyListener(AudioPropertyListener listener, void* context)
{
    notifier_.removeListener(listener, context);
}

AudioDeviceID SimulatedAudioHardware::defaultInputDevice()
{
    std::lock_guard lock(mutex_);
    return defaultInput_;
}

bool SimulatedAudioHardware::safetyOffset(AudioDeviceID device, std::uint32_t& frames)
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    if (d == nullptr)
        return false;
    frames = d->safetyOffset;
    return true;
}

bool SimulatedAudioHardware::bufferFrameSize(AudioDeviceID device, std::uint32_t& frames)
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    if (d == nullptr)
        return false;
    frames = d->bufferFrames;
    return true;
}

bool SimulatedAudioHardware::streamFormat(AudioDeviceID device, StreamFormat& format)
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    if (d == nullptr || !d->formatReadable)
        return false;
    format = d->format;
    return true;
}

bool SimulatedAudioHardware::deviceName(AudioDeviceID device, std::string& name)
{
    std::lock_guard lock(mutex_);
    if (find(device) == nullptr)
        return false;
    name = "Simulated input " + std::to_string(device);
    return true;
}

void SimulatedAudioHardware::setExhausted(AudioDeviceID device, bool exhausted)
{
    std::lock_guard lock(mutex_);
    if (Device* d = find(device))
        d->exhausted = exhausted;
}

bool SimulatedAudioHardware::inputExhausted(AudioDeviceID device)
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    return d != nullptr && d->exhausted;
}

void SimulatedAudioHardware::setRecording(AudioDeviceID device, bool recording)
{
    std::lock_guard lock(mutex_);
    if (Device* d = find(device))
        d->recording = recording;
}

bool SimulatedAudioHardware::isRecording(AudioDeviceID device)
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    return d != nullptr && d->recording;
}

bool SimulatedAudioHardware::addIOProc(
    AudioDeviceID device, AudioDeviceIOProc proc, void* clientData)
{
    std::lock_guard lock(mutex_);
    Device* d = find(device);
    if (d == nullptr)
        return false;
    d->bindings.push_back({ proc, clientData, false });
    return true;
}

bool SimulatedAudioHardware::removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc)
{
    stop(device, proc);
    std::lock_guard lock(mutex_);
    Device* d = find(device);
    if (d == nullptr)
        return false;
    std::erase_if(d->bindings, [proc](const Binding& b) { return b.proc == proc; });
    return true;
}

std::size_t SimulatedAudioHardware::startCount(AudioDeviceID device) const
{
    std::lock_guard lock(mutex_);
    const Device* d = find(device);
    return d == nullptr ? 0 : d->starts;
}

bool SimulatedAudioHardware::start(AudioDeviceID device, AudioDeviceIOProc proc)
{
    std::lock_guard lock(mutex_);
    Device* d = find(device);
    if (d == nullptr)
        return false;
    for (Binding& b : d->bindings) {
        if (b.proc == proc) {
            b.running = true;
            ++d->starts;
            return true;
        }
    }
    return false;
}

bool SimulatedAudioHardware::stop(AudioDeviceID device, AudioDeviceIOProc proc)
{
    // Once a running cycle has ended, none can start before `running` is
    // cleared, because deliverCycle checks it under the same lock.
    std::lock_guard cycle(cycleMutex_);
    std::lock_guard lock(mutex_);
    Device* d = find(device);
    if (d == nullptr)
        return device == kNoAudioDevice;
    for (Binding& b : d->bindings)
        if (b.proc == proc)
            b.running = false;
    return true;
}

SimulatedAudioHardware::Device* SimulatedAudioHardware::find(AudioDeviceID device)
{
    const auto it = devices_.find(device);
    return it == devices_.end() ? nullptr : &it->second;
}

const SimulatedAudioHardware::Device* SimulatedAudioHardware::find(AudioDeviceID device) const
{
    const auto it = devices_.find(device);
    return it == devices_.end() ? nullptr : &it->second;
}

} // namespace clefmark
