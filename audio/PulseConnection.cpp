#include "audio/PulseAudioHardware.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <pulse/pulseaudio.h>
#include <thread>
#include <utility>
#include <vector>

namespace clefmark {

namespace {

    // About 10 ms per input cycle: short enough that the tuner's 45 ms blocks
    // start close to the sound's arrival, long enough not to wake the loop
    // thread more often than needed.
    constexpr pa_usec_t kFragmentUsec = 10 * PA_USEC_PER_MSEC;
    // How often to look for a server while there is none.
    constexpr pa_usec_t kRetryUsec = 300 * PA_USEC_PER_MSEC;

    unsigned bitOf(AudioHardwareProperty property)
    {
        return 1u << static_cast<unsigned>(property);
    }

    // Held for a whole control call: the loop thread holds the same lock while it
    // dispatches callbacks, so nothing of ours runs on it meanwhile.
    class LoopLock {
    public:
        explicit LoopLock(pa_threaded_mainloop* loop)
            : loop_(loop)
        {
            pa_threaded_mainloop_lock(loop_);
        }
        ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
        LoopLock(const LoopLock&) = delete;
        LoopLock& operator=(const LoopLock&) = delete;

    private:
        pa_threaded_mainloop* loop_;
    };

    struct Source {
        AudioDeviceID id = kNoAudioDevice;
        std::string name;
        std::uint32_t rate = 0;
        std::uint32_t channels = 0;
        pa_channel_map channelMap {};
    };

    struct Snapshot {
        std::string defaultSource;
        std::string defaultSink;
        std::vector<Source> sources;

        const Source* byName(const std::string& name) const
        {
            for (const Source& s : sources)
                if (s.name == name)
                    return &s;
            return nullptr;
        }
        const Source* byId(AudioDeviceID id) const
        {
            for (const Source& s : sources)
                if (s.id == id)
                    return &s;
            return nullptr;
        }
        // The default source as the tuner sees it: none while the server names
        // a source whose description has not arrived.
        const Source* defaultEntry() const { return byName(defaultSource); }
    };

    bool sameFormat(const Source& a, const Source& b)
    {
        return a.rate == b.rate && a.channels == b.channels;
    }

    bool sameSources(const std::vector<Source>& a, const std::vector<Source>& b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].id != b[i].id || !sameFormat(a[i], b[i]))
                return false;
        return true;
    }

} // namespace

struct PulseAudioHardware::Impl {
    // One running record stream. Owned by its binding; touched by the loop
    // thread (read callback) and by control calls, always under the loop lock.
    struct Capture {
        AudioDeviceID device = kNoAudioDevice;
        AudioDeviceIOProc proc = nullptr;
        void* clientData = nullptr;
        pa_stream* stream = nullptr;
        std::uint32_t channels = 0;
        std::uint32_t frameBytes = 0;
        std::uint64_t frames = 0;
        // For the rare fragment whose address is not float-aligned; sized at
        // start so the input thread never allocates.
        std::vector<float> aligned;
    };

    struct Binding {
        AudioDeviceID device = kNoAudioDevice;
        AudioDeviceIOProc proc = nullptr;
        void* clientData = nullptr;
        std::unique_ptr<Capture> capture;
    };

    struct Listener {
        AudioPropertyListener function = nullptr;
        void* context = nullptr;
        friend bool operator==(const Listener&, const Listener&) = default;
    };

    explicit Impl(std::string name);
    ~Impl();

    // Loop thread (or a control call holding the loop lock).
    void connect();
    void dropContext();
    void connectionLost();
    void scheduleRetry();
    void refresh();
    void refreshDone();
    void commit();
    void teardown(Capture& capture);
    Binding* findBinding(AudioDeviceID device, AudioDeviceIOProc proc);

    static void contextStateCallback(pa_context* c, void* userdata);
    static void subscribeCallback(
        pa_context* c, pa_subscription_event_type_t type, std::uint32_t index, void* userdata);
    static void serverInfoCallback(pa_context* c, const pa_server_info* info, void* userdata);
    static void sourceInfoCallback(
        pa_context* c, const pa_source_info* info, int eol, void* userdata);
    static void retryCallback(
        pa_mainloop_api* api, pa_time_event* event, const struct timeval* tv, void* userdata);
    static void readCallback(pa_stream* stream, std::size_t nbytes, void* userdata);
    static void retiringStateCallback(pa_stream* stream, void* userdata);
    static void deliver(Capture& capture, const void* data, std::size_t bytes);

    // Notification thread.
    void post(unsigned bits);
    void notifierMain();
    void dispatch(unsigned bits);

    const std::string applicationName;
    pa_threaded_mainloop* loop = nullptr;
    pa_mainloop_api* api = nullptr;

    // Under the loop lock.
    pa_context* context = nullptr;
    pa_time_event* retry = nullptr;
    bool shuttingDown = false;
    bool refreshing = false;
    bool refreshAgain = false;
    Snapshot building;
    std::vector<Binding> bindings;
    // Streams stopped before the server had answered their creation: they
    // cannot be disconnected yet and are finished off by their state callback.
    std::vector<pa_stream*> retiring;

    // What the queries read. Written only by the loop thread.
    mutable std::mutex snapshotMutex;
    Snapshot snapshot;
    std::map<std::string, AudioDeviceID> ids;
    AudioDeviceID nextId = 1;
    std::atomic<bool> connected { false };

    // Pending notifications, as property bits.
    std::mutex notifyMutex;
    std::condition_variable notifyWake;
    unsigned pendingBits = 0;
    bool notifierStopping = false;

    std::mutex listenersMutex;
    std::vector<Listener> listeners;
    // Held by the notification thread for a whole round of listener calls,
    // so that removing a listener can wait for a call in progress.
    std::mutex deliveryMutex;
    std::thread notifier;
};

PulseAudioHardware::Impl::Impl(std::string name)
    : applicationName(std::move(name))
{
    notifier = std::thread([this] { notifierMain(); });

    loop = pa_threaded_mainloop_new();
    if (loop == nullptr)
        return;
    api = pa_threaded_mainloop_get_api(loop);
    if (pa_threaded_mainloop_start(loop) < 0) {
        pa_threaded_mainloop_free(loop);
        loop = nullptr;
        return;
    }
    LoopLock lock(loop);
    connect();
}

PulseAudioHardware::Impl::~Impl()
{
    // Listeners first: one running now may still call start or stop, which
    // need the loop lock, so nothing may be held while waiting for it.
    {
        std::lock_guard lock(notifyMutex);
        notifierStopping = true;
    }
    notifyWake.notify_one();
    notifier.join();

    if (loop == nullptr)
        return;
    {
        LoopLock lock(loop);
        shuttingDown = true;
        for (Binding& binding : bindings)
            if (binding.capture != nullptr)
                teardown(*binding.capture);
        bindings.clear();
        if (retry != nullptr) {
            api->time_free(retry);
            retry = nullptr;
        }
        // Ends the retiring streams too: their state callback sees them
        // terminated and releases them.
        dropContext();
        for (pa_stream* stream : retiring) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_unref(stream);
        }
        retiring.clear();
    }
    pa_threaded_mainloop_stop(loop);
    pa_threaded_mainloop_free(loop);
}

void PulseAudioHardware::Impl::connect()
{
    context = pa_context_new(api, applicationName.c_str());
    if (context == nullptr) {
        scheduleRetry();
        return;
    }
    pa_context_set_state_callback(context, &contextStateCallback, this);
    pa_context_set_subscribe_callback(context, &subscribeCallback, this);
    // No autospawn: a tuner must not start a sound server behind the user's
    // back, and one started here would die with the tuner.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        scheduleRetry();
    }
}

void PulseAudioHardware::Impl::dropContext()
{
    if (context == nullptr)
        return;
    pa_context_set_state_callback(context, nullptr, nullptr);
    pa_context_set_subscribe_callback(context, nullptr, nullptr);
    pa_context_disconnect(context);
    pa_context_unref(context);
    context = nullptr;
    refreshing = false;
    refreshAgain = false;
}

void PulseAudioHardware::Impl::connectionLost()
{
    connected.store(false, std::memory_order_release);
    // A context that failed stays failed: only a new one can reach a server
    // that comes back. Running streams keep the old one alive until they are
    // stopped; they have failed with it and deliver nothing more.
    dropContext();

    unsigned bits = 0;
    {
        std::lock_guard lock(snapshotMutex);
        if (snapshot.defaultEntry() != nullptr)
            bits |= bitOf(AudioHardwareProperty::DefaultInputDevice);
        if (!snapshot.defaultSink.empty())
            bits |= bitOf(AudioHardwareProperty::DefaultOutputDevice);
        if (!snapshot.sources.empty())
            bits |= bitOf(AudioHardwareProperty::Devices);
        snapshot = Snapshot {};
    }
    post(bits);
    scheduleRetry();
}

void PulseAudioHardware::Impl::scheduleRetry()
{
    if (shuttingDown || retry != nullptr)
        return;
    struct timeval when { };
    pa_gettimeofday(&when);
    pa_timeval_add(&when, kRetryUsec);
    retry = api->time_new(api, &when, &retryCallback, this);
}

void PulseAudioHardware::Impl::retryCallback(
    pa_mainloop_api* api, pa_time_event* event, const struct timeval*, void* userdata)
{
    auto* self = static_cast<Impl*>(userdata);
    api->time_free(event);
    self->retry = nullptr;
    if (!self->shuttingDown && self->context == nullptr)
        self->connect();
}

void PulseAudioHardware::Impl::contextStateCallback(pa_context* c, void* userdata)
{
    auto* self = static_cast<Impl*>(userdata);
    if (c != self->context)
        return;
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY: {
        self->connected.store(true, std::memory_order_release);
        pa_operation* op = pa_context_subscribe(c,
            static_cast<pa_subscription_mask_t>(
                PA_SUBSCRIPTION_MASK_SERVER | PA_SUBSCRIPTION_MASK_SOURCE),
            nullptr, nullptr);
        if (op == nullptr) {
            // Without events the snapshot would go stale unnoticed; start over.
            self->connectionLost();
            return;
        }
        pa_operation_unref(op);
        self->refresh();
        break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        self->connectionLost();
        break;
    default:
        break;
    }
}

void PulseAudioHardware::Impl::subscribeCallback(
    pa_context* c, pa_subscription_event_type_t type, std::uint32_t, void* userdata)
{
    auto* self = static_cast<Impl*>(userdata);
    if (c != self->context)
        return;
    const unsigned facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SERVER || facility == PA_SUBSCRIPTION_EVENT_SOURCE)
        self->refresh();
}

// A refresh asks for the server info (the default source), then for every
// source, and commits both at once. Events arriving meanwhile ask for one more
// refresh afterwards instead of a second one interleaved with the first.
void PulseAudioHardware::Impl::refresh()
{
    if (context == nullptr || pa_context_get_state(context) != PA_CONTEXT_READY)
        return;
    if (refreshing) {
        refreshAgain = true;
        return;
    }
    building = Snapshot {};
    pa_operation* op = pa_context_get_server_info(context, &serverInfoCallback, this);
    if (op == nullptr)
        return; // the context is failing; its state callback follows
    refreshing = true;
    pa_operation_unref(op);
}

void PulseAudioHardware::Impl::refreshDone()
{
    refreshing = false;
    if (refreshAgain) {
        refreshAgain = false;
        refresh();
    }
}

void PulseAudioHardware::Impl::serverInfoCallback(
    pa_context* c, const pa_server_info* info, void* userdata)
{
    auto* self = static_cast<Impl*>(userdata);
    if (c != self->context)
        return;
    if (info == nullptr) {
        self->refreshDone();
        return;
    }
    self->building.defaultSource
        = info->default_source_name != nullptr ? info->default_source_name : "";
    self->building.defaultSink = info->default_sink_name != nullptr ? info->default_sink_name : "";
    pa_operation* op = pa_context_get_source_info_list(c, &sourceInfoCallback, self);
    if (op == nullptr) {
        self->refreshDone();
        return;
    }
    pa_operation_unref(op);
}

void PulseAudioHardware::Impl::sourceInfoCallback(
    pa_context* c, const pa_source_info* info, int eol, void* userdata)
{
    auto* self = static_cast<Impl*>(userdata);
    if (c != self->context)
        return;
    if (eol < 0) {
        self->refreshDone();
        return;
    }
    if (eol > 0) {
        self->commit();
        self->refreshDone();
        return;
    }
    if (info == nullptr || info->name == nullptr)
        return;
    Source source;
    source.name = info->name;
    source.rate = info->sample_spec.rate;
    source.channels = info->sample_spec.channels;
    source.channelMap = info->channel_map;
    self->building.sources.push_back(std::move(source));
}

void PulseAudioHardware::Impl::commit()
{
    unsigned bits = 0;
    {
        std::lock_guard lock(snapshotMutex);
        for (Source& source : building.sources) {
            auto [it, inserted] = ids.try_emplace(source.name, nextId);
            if (inserted)
                ++nextId;
            source.id = it->second;
        }
        std::sort(building.sources.begin(), building.sources.end(),
            [](const Source& a, const Source& b) { return a.id < b.id; });

        // Server change events come for the default sink as well, and a
        // source's change events for its volume or state: tell the tuner only
        // about a new default source, or the same one at another format
        // (capture must restart at the new rate).
        const Source* before = snapshot.defaultEntry();
        const Source* after = building.defaultEntry();
        const bool defaultChanged = (before == nullptr) != (after == nullptr)
            || (before != nullptr && (before->id != after->id || !sameFormat(*before, *after)));
        if (defaultChanged)
            bits |= bitOf(AudioHardwareProperty::DefaultInputDevice);
        if (snapshot.defaultSink != building.defaultSink)
            bits |= bitOf(AudioHardwareProperty::DefaultOutputDevice);
        if (!sameSources(snapshot.sources, building.sources))
            bits |= bitOf(AudioHardwareProperty::Devices);
        snapshot = std::move(building);
        building = Snapshot {};
    }
    post(bits);
}

PulseAudioHardware::Impl::Binding* PulseAudioHardware::Impl::findBinding(
    AudioDeviceID device, AudioDeviceIOProc proc)
{
    for (Binding& binding : bindings)
        if (binding.device == device && binding.proc == proc)
            return &binding;
    return nullptr;
}

void PulseAudioHardware::Impl::teardown(Capture& capture)
{
    pa_stream* stream = capture.stream;
    capture.stream = nullptr;
    if (stream == nullptr)
        return;
    pa_stream_set_read_callback(stream, nullptr, nullptr);
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
        retiring.push_back(stream);
        break;
    default:
        pa_stream_unref(stream);
        break;
    }
}

void PulseAudioHardware::Impl::retiringStateCallback(pa_stream* stream, void* userdata)
{
    auto* self = static_cast<Impl*>(userdata);
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
        auto it = std::find(self->retiring.begin(), self->retiring.end(), stream);
        if (it != self->retiring.end()) {
            self->retiring.erase(it);
            pa_stream_unref(stream);
        }
        break;
    }
    default:
        break;
    }
}

void PulseAudioHardware::Impl::readCallback(pa_stream* stream, std::size_t, void* userdata)
{
    auto& capture = *static_cast<Capture*>(userdata);
    for (;;) {
        const void* data = nullptr;
        std::size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0)
            return; // the stream failed; its context's failure reports it
        if (bytes == 0)
            return; // nothing more buffered
        deliver(capture, data, bytes);
        if (pa_stream_drop(stream) < 0)
            return;
    }
}

void PulseAudioHardware::Impl::deliver(Capture& capture, const void* data, std::size_t bytes)
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

void PulseAudioHardware::Impl::post(unsigned bits)
{
    if (bits == 0)
        return;
    {
        std::lock_guard lock(notifyMutex);
        pendingBits |= bits;
    }
    notifyWake.notify_one();
}

void PulseAudioHardware::Impl::notifierMain()
{
    std::unique_lock lock(notifyMutex);
    for (;;) {
        notifyWake.wait(lock, [this] { return notifierStopping || pendingBits != 0; });
        if (notifierStopping)
            return;
        const unsigned bits = std::exchange(pendingBits, 0u);
        lock.unlock();
        dispatch(bits);
        lock.lock();
    }
}

void PulseAudioHardware::Impl::dispatch(unsigned bits)
{
    std::lock_guard delivery(deliveryMutex);
    for (const AudioHardwareProperty property : { AudioHardwareProperty::DefaultInputDevice,
             AudioHardwareProperty::DefaultOutputDevice, AudioHardwareProperty::Devices }) {
        if ((bits & bitOf(property)) == 0)
            continue;
        std::vector<Listener> round;
        {
            std::lock_guard lock(listenersMutex);
            round = listeners;
        }
        for (const Listener& listener : round) {
            {
                // Removed by an earlier listener of this round: not called.
                std::lock_guard lock(listenersMutex);
                if (std::find(listeners.begin(), listeners.end(), listener) == listeners.end())
                    continue;
            }
            listener.function(property, listener.context);
        }
    }
}

PulseAudioHardware::PulseAudioHardware(std::string applicationName)
    : impl_(std::make_unique<Impl>(std::move(applicationName)))
{
}

PulseAudioHardware::~PulseAudioHardware() = default;

bool PulseAudioHardware::serverConnected() const
{
    return impl_->connected.load(std::memory_order_acquire);
}

void PulseAudioHardware::addPropertyListener(AudioPropertyListener listener, void* context)
{
    if (listener == nullptr)
        return;
    std::lock_guard lock(impl_->listenersMutex);
    impl_->listeners.push_back({ listener, context });
}

void PulseAudioHardware::removePropertyListener(AudioPropertyListener listener, void* context)
{
    {
        std::lock_guard lock(impl_->listenersMutex);
        auto& all = impl_->listeners;
        auto it = std::find(all.begin(), all.end(), Impl::Listener { listener, context });
        if (it == all.end())
            return;
        all.erase(it);
    }
    // A call that passed its check before the removal may still be running:
    // wait for the round to end. On the notification thread itself (which
    // the interface forbids) waiting would never end.
    if (std::this_thread::get_id() != impl_->notifier.get_id()) {
        std::lock_guard roundOver(impl_->deliveryMutex);
    }
}

AudioDeviceID PulseAudioHardware::defaultInputDevice()
{
    std::lock_guard lock(impl_->snapshotMutex);
    const Source* source = impl_->snapshot.defaultEntry();
    return source != nullptr ? source->id : kNoAudioDevice;
}

bool PulseAudioHardware::safetyOffset(AudioDeviceID device, std::uint32_t& frames)
{
    std::lock_guard lock(impl_->snapshotMutex);
    if (impl_->snapshot.byId(device) == nullptr)
        return false;
    frames = 0;
    return true;
}

bool PulseAudioHardware::bufferFrameSize(AudioDeviceID device, std::uint32_t& frames)
{
    std::lock_guard lock(impl_->snapshotMutex);
    const Source* source = impl_->snapshot.byId(device);
    if (source == nullptr)
        return false;
    frames = static_cast<std::uint32_t>(
        std::uint64_t { source->rate } * kFragmentUsec / PA_USEC_PER_SEC);
    return true;
}

bool PulseAudioHardware::streamFormat(AudioDeviceID device, StreamFormat& format)
{
    std::lock_guard lock(impl_->snapshotMutex);
    const Source* source = impl_->snapshot.byId(device);
    if (source == nullptr)
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

bool PulseAudioHardware::addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData)
{
    Impl& m = *impl_;
    if (proc == nullptr || device == kNoAudioDevice || m.loop == nullptr
        || pa_threaded_mainloop_in_thread(m.loop))
        return false;
    LoopLock lock(m.loop);
    {
        std::lock_guard snapshotLock(m.snapshotMutex);
        if (m.snapshot.byId(device) == nullptr)
            return false;
    }
    if (Impl::Binding* binding = m.findBinding(device, proc)) {
        binding->clientData = clientData;
        if (binding->capture != nullptr)
            binding->capture->clientData = clientData;
        return true;
    }
    m.bindings.push_back({ device, proc, clientData, nullptr });
    return true;
}

bool PulseAudioHardware::removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc)
{
    Impl& m = *impl_;
    if (m.loop == nullptr)
        return true;
    if (pa_threaded_mainloop_in_thread(m.loop))
        return false;
    LoopLock lock(m.loop);
    auto it = std::find_if(m.bindings.begin(), m.bindings.end(),
        [&](const Impl::Binding& b) { return b.device == device && b.proc == proc; });
    if (it == m.bindings.end())
        return true;
    if (it->capture != nullptr)
        m.teardown(*it->capture);
    m.bindings.erase(it);
    return true;
}

bool PulseAudioHardware::start(AudioDeviceID device, AudioDeviceIOProc proc)
{
    Impl& m = *impl_;
    if (m.loop == nullptr || pa_threaded_mainloop_in_thread(m.loop))
        return false;
    LoopLock lock(m.loop);
    Impl::Binding* binding = m.findBinding(device, proc);
    if (binding == nullptr)
        return false;
    if (binding->capture != nullptr)
        return true;
    if (m.context == nullptr || pa_context_get_state(m.context) != PA_CONTEXT_READY)
        return false;
    Source source;
    {
        std::lock_guard snapshotLock(m.snapshotMutex);
        const Source* known = m.snapshot.byId(device);
        if (known == nullptr)
            return false;
        source = *known;
    }

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

    auto capture = std::make_unique<Impl::Capture>();
    capture->device = device;
    capture->proc = proc;
    capture->clientData = binding->clientData;
    capture->channels = source.channels;
    capture->frameBytes = static_cast<std::uint32_t>(pa_frame_size(&sampleFormat));
    const std::size_t fragmentBytes = pa_usec_to_bytes(kFragmentUsec, &sampleFormat);
    // A peek hands over at most one memory block: at most a tile.
    std::size_t largest = 4 * fragmentBytes;
    if (const std::size_t tile = pa_context_get_tile_size(m.context, &sampleFormat);
        tile != static_cast<std::size_t>(-1))
        largest = std::max(largest, tile);
    capture->aligned.assign(largest / sizeof(float), 0.0f);
    if (capture->aligned.size() * sizeof(float) < capture->frameBytes)
        return false;

    pa_stream* stream = pa_stream_new(m.context, "Tuner input", &sampleFormat, &map);
    if (stream == nullptr)
        return false;
    pa_stream_set_read_callback(stream, &Impl::readCallback, capture.get());

    pa_buffer_attr attr {};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(-1);
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(fragmentBytes);
    // Pinned to this source: the server would otherwise move the stream to a
    // new default source by itself and resample it to the rate the tuner was
    // set up for, where the tuner wants that source's own rate.
    const auto flags
        = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
    if (pa_stream_connect_record(stream, source.name.c_str(), &attr, flags) < 0) {
        pa_stream_set_read_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
        return false;
    }
    capture->stream = stream;
    binding->capture = std::move(capture);
    return true;
}

bool PulseAudioHardware::stop(AudioDeviceID device, AudioDeviceIOProc proc)
{
    Impl& m = *impl_;
    if (m.loop == nullptr)
        return true;
    if (pa_threaded_mainloop_in_thread(m.loop))
        return false;
    LoopLock lock(m.loop);
    Impl::Binding* binding = m.findBinding(device, proc);
    if (binding == nullptr || binding->capture == nullptr)
        return true;
    m.teardown(*binding->capture);
    binding->capture.reset();
    return true;
}

} // namespace clefmark
