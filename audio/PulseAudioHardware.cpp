#include "audio/PulseAudioHardware.h"

#include "audio/PropertyNotifier.h"
#include "audio/PulseConnection.h"
#include "audio/PulseRecorder.h"

#include <bit>
#include <optional>
#include <utility>

namespace clefmark {

// Declared in the order they must start: the notifier before the loop thread
// that posts to it, the connection before the streams made on it.
struct PulseAudioHardware::Impl {
    explicit Impl(std::string applicationName)
        : connection(std::move(applicationName), notifier)
        , recorder(connection, notifier)
    {
    }
    ~Impl();

    PropertyNotifier notifier;
    PulseConnection connection;
    PulseRecorder recorder;
};

PulseAudioHardware::Impl::~Impl()
{
    // Listeners first: one running now may still call start or stop, which
    // need the loop lock, so nothing may be held while waiting for it.
    notifier.stop();
    if (connection.loop() == nullptr)
        return;
    LoopLock lock(connection.loop());
    recorder.stopAll();
    // Ends the retiring streams too: their state callback sees them
    // terminated and releases them. What is left is released after.
    connection.shutDown();
    recorder.releaseRetiring();
}

PulseAudioHardware::PulseAudioHardware(std::string applicationName)
    : impl_(std::make_unique<Impl>(std::move(applicationName)))
{
}

PulseAudioHardware::~PulseAudioHardware() = default;

bool PulseAudioHardware::serverConnected() const
{
    return impl_->connection.connected();
}

void PulseAudioHardware::addPropertyListener(AudioPropertyListener listener, void* context)
{
    impl_->notifier.addListener(listener, context);
}

void PulseAudioHardware::removePropertyListener(AudioPropertyListener listener, void* context)
{
    impl_->notifier.removeListener(listener, context);
}

AudioDeviceID PulseAudioHardware::defaultInputDevice()
{
    return impl_->connection.defaultSource();
}

bool PulseAudioHardware::safetyOffset(AudioDeviceID device, std::uint32_t& frames)
{
    if (!impl_->connection.source(device))
        return false;
    frames = 0;
    return true;
}

bool PulseAudioHardware::bufferFrameSize(AudioDeviceID device, std::uint32_t& frames)
{
    const std::optional<PulseSource> source = impl_->connection.source(device);
    if (!source)
        return false;
    frames = PulseRecorder::cycleFrames(source->rate);
    return true;
}

bool PulseAudioHardware::streamFormat(AudioDeviceID device, StreamFormat& format)
{
    const std::optional<PulseSource> source = impl_->connection.source(device);
    if (!source)
        return false;
    // What the record stream asks for: the server converts the source's
    // sample format to native floats but keeps its rate and channels.
    StreamFormat f;
    f.sampleRate = source->rate;
    f.formatFlags = kFormatFlagIsFloat;
    if constexpr (std::endian::native == std::endian::big)
        f.formatFlags |= kFormatFlagIsBigEndian;
    f.channelsPerFrame = source->channels;
    f.bitsPerChannel = 32;
    f.bytesPerFrame = 4 * source->channels;
    f.bytesPerPacket = f.bytesPerFrame;
    f.framesPerPacket = 1;
    format = f;
    return true;
}

bool PulseAudioHardware::deviceName(AudioDeviceID device, std::string& name)
{
    const std::optional<PulseSource> source = impl_->connection.source(device);
    if (!source)
        return false;
    name = source->description.empty() ? source->name : source->description;
    return true;
}

bool PulseAudioHardware::addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData)
{
    return impl_->recorder.addIOProc(device, proc, clientData);
}

bool PulseAudioHardware::removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc)
{
    return impl_->recorder.removeIOProc(device, proc);
}

bool PulseAudioHardware::start(AudioDeviceID device, AudioDeviceIOProc proc)
{
    return impl_->recorder.start(device, proc);
}

bool PulseAudioHardware::stop(AudioDeviceID device, AudioDeviceIOProc proc)
{
    return impl_->recorder.stop(device, proc);
}

} // namespace clefmark
