#include "audio/PulseRecorder.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace clefmark {

namespace {

    // At most one DeviceStreamEnded a second, hence at most one restart.
    constexpr auto kEndedInterval = std::chrono::seconds(1);

} // namespace

std::uint32_t PulseRecorder::cycleFrames(std::uint32_t rate)
{
    return static_cast<std::uint32_t>(std::uint64_t { rate } * kCycleUsec / PA_USEC_PER_SEC);
}

PulseRecorder::PulseRecorder(PulseConnection& connection, PropertyNotifier& notifier)
    : connection_(connection)
    , notifier_(notifier)
{
}

bool PulseRecorder::addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData)
{
    pa_threaded_mainloop* loop = connection_.loop();
    if (proc == nullptr || device == kNoAudioDevice || loop == nullptr
        || connection_.onLoopThread())
        return false;
    LoopLock lock(loop);
    if (!connection_.source(device))
        return false;
    if (Binding* binding = findBinding(device, proc)) {
        binding->clientData = clientData;
        if (binding->capture != nullptr)
            binding->capture->clientData = clientData;
        return true;
    }
    bindings_.push_back({ device, proc, clientData, nullptr });
    return true;
}

bool PulseRecorder::removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc)
{
    pa_threaded_mainloop* loop = connection_.loop();
    if (loop == nullptr)
        return true;
    if (connection_.onLoopThread())
        return false;
    LoopLock lock(loop);
    auto it = std::find_if(bindings_.begin(), bindings_.end(),
        [&](const Binding& b) { return b.device == device && b.proc == proc; });
    if (it == bindings_.end())
        return true;
    if (it->capture != nullptr)
        teardown(*it->capture);
    bindings_.erase(it);
    return true;
}

bool PulseRecorder::start(AudioDeviceID device, AudioDeviceIOProc proc)
{
    pa_threaded_mainloop* loop = connection_.loop();
    if (loop == nullptr || connection_.onLoopThread())
        return false;
    LoopLock lock(loop);
    Binding* binding = findBinding(device, proc);
    if (binding == nullptr)
        return false;
    if (binding->capture != nullptr)
        return true;
    pa_context* context = connection_.readyContext();
    if (context == nullptr)
        return false;
    const std::optional<PulseSource> known = connection_.source(device);
    if (!known)
        return false;
    const PulseSource& source = *known;

    pa_sample_spec sampleFormat {};
    sampleFormat.format = PA_SAMPLE_FLOAT32NE;
    sampleFormat.rate = source.rate;
    sampleFormat.channels = static_cast<std::uint8_t>(source.channels);
    if (pa_sample_spec_valid(&sampleFormat) == 0)
        return false;
    // The source's own channel map, so the server does not remix.
    pa_channel_map map = source.channelMap;
    if (pa_channel_map_compatible(&map, &sampleFormat) == 0
        && pa_channel_map_init_extend(&map, sampleFormat.channels, PA_CHANNEL_MAP_DEFAULT)
            == nullptr)
        return false;

    std::unique_ptr<Capture> capture = newCapture(*binding, context, source, sampleFormat);
    if (capture == nullptr || !connectCapture(*capture, context, source, sampleFormat, map))
        return false;
    binding->capture = std::move(capture);
    binding->ended = false;
    return true;
}

std::unique_ptr<PulseRecorder::Capture> PulseRecorder::newCapture(const Binding& binding,
    pa_context* context, const PulseSource& source, const pa_sample_spec& sampleFormat)
{
    auto capture = std::make_unique<Capture>();
    capture->owner = this;
    capture->device = binding.device;
    capture->proc = binding.proc;
    capture->clientData = binding.clientData;
    capture->channels = source.channels;
    capture->frameBytes = static_cast<std::uint32_t>(pa_frame_size(&sampleFormat));
    const std::size_t fragmentBytes = pa_usec_to_bytes(kCycleUsec, &sampleFormat);
    // A peek hands over at most one memory block: at most a tile.
    std::size_t largest = 4 * fragmentBytes;
    if (const std::size_t tile = pa_context_get_tile_size(context, &sampleFormat);
        tile != static_cast<std::size_t>(-1))
        largest = std::max(largest, tile);
    capture->aligned.assign(largest / sizeof(float), 0.0f);
    if (capture->aligned.size() * sizeof(float) < capture->frameBytes)
        return nullptr;
    return capture;
}

bool PulseRecorder::connectCapture(Capture& capture, pa_context* context, const PulseSource& source,
    const pa_sample_spec& sampleFormat, const pa_channel_map& map)
{
    pa_stream* stream = pa_stream_new(context, "Tuner input", &sampleFormat, &map);
    if (stream == nullptr)
        return false;
    pa_stream_set_read_callback(stream, &readCallback, &capture);
    pa_stream_set_state_callback(stream, &stateCallback, &capture);

    pa_buffer_attr attr {};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(-1);
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(pa_usec_to_bytes(kCycleUsec, &sampleFormat));
    // Pinned to this source: the server would otherwise move the stream to a
    // new default source by itself and resample it to the rate the tuner was
    // set up for, where the tuner wants that source's own rate.
    const auto flags
        = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(stream, source.name.c_str(), &attr, flags) < 0) {
        pa_stream_set_read_callback(stream, nullptr, nullptr);
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        return false;
    }
    capture.stream = stream;
    return true;
}

bool PulseRecorder::stop(AudioDeviceID device, AudioDeviceIOProc proc)
{
    pa_threaded_mainloop* loop = connection_.loop();
    if (loop == nullptr)
        return true;
    if (connection_.onLoopThread())
        return false;
    LoopLock lock(loop);
    Binding* binding = findBinding(device, proc);
    if (binding == nullptr || binding->capture == nullptr)
        return true;
    teardown(*binding->capture);
    binding->capture.reset();
    return true;
}

void PulseRecorder::stopAll()
{
    for (Binding& binding : bindings_)
        if (binding.capture != nullptr)
            teardown(*binding.capture);
    bindings_.clear();
    if (endedTimer_ != nullptr) {
        pa_mainloop_api* api = pa_threaded_mainloop_get_api(connection_.loop());
        api->time_free(endedTimer_);
        endedTimer_ = nullptr;
    }
}

void PulseRecorder::releaseRetiring()
{
    for (pa_stream* stream : retiring_) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
    }
    retiring_.clear();
}

PulseRecorder::Binding* PulseRecorder::findBinding(AudioDeviceID device, AudioDeviceIOProc proc)
{
    for (Binding& binding : bindings_)
        if (binding.device == device && binding.proc == proc)
            return &binding;
    return nullptr;
}

void PulseRecorder::teardown(Capture& capture)
{
    pa_stream* stream = capture.stream;
    capture.stream = nullptr;
    if (stream == nullptr)
        return;
    pa_stream_set_read_callback(stream, nullptr, nullptr);
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
        // Sends the request and returns; the server's answer is not awaited.
        // It fails only when the context is going down, which ends the
        // stream anyway: either way our reference is the last thing to drop.
        const int disconnected = pa_stream_disconnect(stream);
        static_cast<void>(disconnected);
        pa_stream_unref(stream);
        break;
    }
    case PA_STREAM_CREATING:
        // Cannot be disconnected before the server has answered; left to
        // its state callback, with no read callback, so it delivers nothing.
        pa_stream_set_state_callback(stream, &retiringStateCallback, this);
        retiring_.push_back(stream);
        break;
    default:
        pa_stream_unref(stream);
        break;
    }
}

void PulseRecorder::stateCallback(pa_stream* stream, void* userdata)
{
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
        auto& capture = *static_cast<Capture*>(userdata);
        capture.owner->captureEnded(capture);
    }
}

// libpulse holds a reference to the stream while its state callback runs, so
// the capture may drop ours here.
void PulseRecorder::captureEnded(Capture& capture)
{
    // A stream that fails with its context is no news of its own: the
    // connection reports the server gone, and the tuner follows that.
    pa_context* context = pa_stream_get_context(capture.stream);
    const bool serverGone = context == nullptr || pa_context_get_state(context) != PA_CONTEXT_READY;
    for (Binding& binding : bindings_) {
        if (binding.capture.get() != &capture)
            continue;
        teardown(capture);
        binding.capture.reset();
        binding.ended = !serverGone;
        if (!serverGone)
            postEnded();
        return;
    }
}

void PulseRecorder::postEnded()
{
    if (endedTimer_ != nullptr)
        return; // one is waiting already and will tell of this one too
    const auto now = std::chrono::steady_clock::now();
    if (now - lastEndedPost_ >= kEndedInterval) {
        lastEndedPost_ = now;
        notifier_.post(AudioHardwareProperty::DeviceStreamEnded);
        return;
    }
    const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(
        lastEndedPost_ + kEndedInterval - now);
    struct timeval when { };
    pa_gettimeofday(&when);
    pa_timeval_add(&when, static_cast<pa_usec_t>(wait.count()));
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(connection_.loop());
    endedTimer_ = api->time_new(api, &when, &endedTimerCallback, this);
}

void PulseRecorder::endedTimerCallback(
    pa_mainloop_api* api, pa_time_event* event, const struct timeval*, void* userdata)
{
    auto* self = static_cast<PulseRecorder*>(userdata);
    api->time_free(event);
    self->endedTimer_ = nullptr;
    const bool waiting = std::any_of(self->bindings_.begin(), self->bindings_.end(),
        [](const Binding& binding) { return binding.ended; });
    if (waiting) {
        self->lastEndedPost_ = std::chrono::steady_clock::now();
        self->notifier_.post(AudioHardwareProperty::DeviceStreamEnded);
    }
}

void PulseRecorder::retiringStateCallback(pa_stream* stream, void* userdata)
{
    auto* self = static_cast<PulseRecorder*>(userdata);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY: {
        // A failure means the context is going down, which terminates the
        // stream and brings us back here all the same.
        const int disconnected = pa_stream_disconnect(stream);
        static_cast<void>(disconnected);
        break;
    }
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED: {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        auto it = std::find(self->retiring_.begin(), self->retiring_.end(), stream);
        if (it != self->retiring_.end()) {
            self->retiring_.erase(it);
            pa_stream_unref(stream);
        }
        break;
    }
    default:
        break;
    }
}

void PulseRecorder::readCallback(pa_stream* stream, std::size_t readable, void* userdata)
{
    auto& capture = *static_cast<Capture*>(userdata);
    // Reads only what the server said is there: one more peek to learn that
    // nothing is left costs one system call of the nine this thread makes a
    // fragment. What arrives meanwhile brings its own callback.
    while (readable > 0) {
        const void* data = nullptr;
        std::size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0)
            return; // the stream failed; its state callback reports it
        if (bytes == 0)
            return; // nothing more buffered
        deliver(capture, data, bytes);
        if (pa_stream_drop(stream) < 0)
            return;
        readable -= std::min(bytes, readable);
    }
}

void PulseRecorder::deliver(Capture& capture, const void* data, std::size_t bytes)
{
    AudioBufferList none { 0, nullptr };
    auto call = [&](const void* samples, std::size_t size) {
        const AudioBuffer buffer { capture.channels, static_cast<std::uint32_t>(size), samples };
        const AudioBufferList list { 1, &buffer };
        // 0 would mark the cycle as invalid, hence the 1.
        const AudioTimeStamp time { static_cast<double>(capture.frames + 1) };
        capture.proc(capture.device, &time, &list, &time, &none, &time, capture.clientData);
        capture.frames += size / capture.frameBytes;
    };

    if (data == nullptr || reinterpret_cast<std::uintptr_t>(data) % alignof(float) == 0) {
        call(data, bytes);
        return;
    }
    const std::size_t capacity = capture.aligned.size() * sizeof(float);
    const auto* in = static_cast<const unsigned char*>(data);
    for (std::size_t done = 0; done < bytes;) {
        const std::size_t size = std::min(capacity, bytes - done);
        std::memcpy(capture.aligned.data(), in + done, size);
        call(capture.aligned.data(), size);
        done += size;
    }
}

} // namespace clefmark
