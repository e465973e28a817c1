#include "audio/PulseConnection.h"

#include <algorithm>
#include <utility>

namespace clefmark {

namespace {

    // How often to look for a server while there is none.
    constexpr pa_usec_t kRetryUsec = 300 * PA_USEC_PER_MSEC;

    bool sameFormat(const PulseSource& a, const PulseSource& b)
    {
        return a.rate == b.rate && a.channels == b.channels;
    }

    bool sameSources(const std::vector<PulseSource>& a, const std::vector<PulseSource>& b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].id != b[i].id || a[i].description != b[i].description
                || !sameFormat(a[i], b[i]))
                return false;
        return true;
    }

} // namespace

const PulseSource* PulseConnection::Snapshot::byName(const std::string& name) const
{
    for (const PulseSource& s : sources)
        if (s.name == name)
            return &s;
    return nullptr;
}

const PulseSource* PulseConnection::Snapshot::byId(AudioDeviceID id) const
{
    for (const PulseSource& s : sources)
        if (s.id == id)
            return &s;
    return nullptr;
}

PulseConnection::PulseConnection(std::string applicationName, PropertyNotifier& notifier)
    : applicationName_(std::move(applicationName))
    , notifier_(notifier)
{
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr)
        return;
    api_ = pa_threaded_mainloop_get_api(loop_);
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        return;
    }
    LoopLock lock(loop_);
    connect();
}

PulseConnection::~PulseConnection()
{
    if (loop_ == nullptr)
        return;
    {
        LoopLock lock(loop_);
        shutDown();
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

bool PulseConnection::onLoopThread() const
{
    return loop_ != nullptr && pa_threaded_mainloop_in_thread(loop_) != 0;
}

pa_context* PulseConnection::readyContext() const
{
    if (context_ == nullptr || pa_context_get_state(context_) != PA_CONTEXT_READY)
        return nullptr;
    return context_;
}

void PulseConnection::shutDown()
{
    shuttingDown_ = true;
    if (retry_ != nullptr) {
        api_->time_free(retry_);
        retry_ = nullptr;
    }
    dropContext();
}

AudioDeviceID PulseConnection::defaultSource() const
{
    std::lock_guard lock(snapshotMutex_);
    const PulseSource* source = snapshot_.defaultEntry();
    return source != nullptr ? source->id : kNoAudioDevice;
}

std::optional<PulseSource> PulseConnection::source(AudioDeviceID device) const
{
    std::lock_guard lock(snapshotMutex_);
    const PulseSource* source = snapshot_.byId(device);
    if (source == nullptr)
        return std::nullopt;
    return *source;
}

// In the order the listeners have always been told: the default input first,
// since that is what the tuner acts on.
void PulseConnection::post(const Changes& changes)
{
    if (changes.defaultInput)
        notifier_.post(AudioHardwareProperty::DefaultInputDevice);
    if (changes.defaultOutput)
        notifier_.post(AudioHardwareProperty::DefaultOutputDevice);
    if (changes.devices)
        notifier_.post(AudioHardwareProperty::Devices);
}

void PulseConnection::connect()
{
    context_ = pa_context_new(api_, applicationName_.c_str());
    if (context_ == nullptr) {
        scheduleRetry();
        return;
    }
    pa_context_set_state_callback(context_, &contextStateCallback, this);
    pa_context_set_subscribe_callback(context_, &subscribeCallback, this);
    // No autospawn: a tuner must not start a sound server behind the user's
    // back, and one started here would die with the tuner.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        scheduleRetry();
    }
}

void PulseConnection::dropContext()
{
    if (context_ == nullptr)
        return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
    refreshing_ = false;
    refreshAgain_ = false;
}

void PulseConnection::connectionLost()
{
    connected_.store(false, std::memory_order_release);
    // A context that failed stays failed: only a new one can reach a server
    // that comes back. Running streams keep the old one alive until they are
    // stopped; they have failed with it and deliver nothing more.
    dropContext();

    Changes changes;
    {
        std::lock_guard lock(snapshotMutex_);
        changes.defaultInput = snapshot_.defaultEntry() != nullptr;
        changes.defaultOutput = !snapshot_.defaultSink.empty();
        changes.devices = !snapshot_.sources.empty();
        snapshot_ = Snapshot {};
    }
    post(changes);
    scheduleRetry();
}

void PulseConnection::scheduleRetry()
{
    if (shuttingDown_ || retry_ != nullptr)
        return;
    struct timeval when { };
    pa_gettimeofday(&when);
    pa_timeval_add(&when, kRetryUsec);
    retry_ = api_->time_new(api_, &when, &retryCallback, this);
}

void PulseConnection::retryCallback(
    pa_mainloop_api* api, pa_time_event* event, const struct timeval*, void* userdata)
{
    auto* self = static_cast<PulseConnection*>(userdata);
    api->time_free(event);
    self->retry_ = nullptr;
    if (!self->shuttingDown_ && self->context_ == nullptr)
        self->connect();
}

void PulseConnection::contextStateCallback(pa_context* c, void* userdata)
{
    auto* self = static_cast<PulseConnection*>(userdata);
    if (c != self->context_)
        return;
    switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY: {
        self->connected_.store(true, std::memory_order_release);
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

void PulseConnection::subscribeCallback(
    pa_context* c, pa_subscription_event_type_t type, std::uint32_t, void* userdata)
{
    auto* self = static_cast<PulseConnection*>(userdata);
    if (c != self->context_)
        return;
    const unsigned facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (facility == PA_SUBSCRIPTION_EVENT_SERVER || facility == PA_SUBSCRIPTION_EVENT_SOURCE)
        self->refresh();
}

// A refresh asks for the server info (the default source), then for every
// source, and commits both at once. Events arriving meanwhile ask for one more
// refresh afterwards instead of a second one interleaved with the first.
void PulseConnection::refresh()
{
    if (context_ == nullptr || pa_context_get_state(context_) != PA_CONTEXT_READY)
        return;
    if (refreshing_) {
        refreshAgain_ = true;
        return;
    }
    building_ = Snapshot {};
    pa_operation* op = pa_context_get_server_info(context_, &serverInfoCallback, this);
    if (op == nullptr)
        return; // the context is failing; its state callback follows
    refreshing_ = true;
    pa_operation_unref(op);
}

void PulseConnection::refreshDone()
{
    refreshing_ = false;
    if (refreshAgain_) {
        refreshAgain_ = false;
        refresh();
    }
}

void PulseConnection::serverInfoCallback(pa_context* c, const pa_server_info* info, void* userdata)
{
    auto* self = static_cast<PulseConnection*>(userdata);
    if (c != self->context_)
        return;
    if (info == nullptr) {
        self->refreshDone();
        return;
    }
    self->building_.defaultSource
        = info->default_source_name != nullptr ? info->default_source_name : "";
    self->building_.defaultSink = info->default_sink_name != nullptr ? info->default_sink_name : "";
    pa_operation* op = pa_context_get_source_info_list(c, &sourceInfoCallback, self);
    if (op == nullptr) {
        self->refreshDone();
        return;
    }
    pa_operation_unref(op);
}

void PulseConnection::sourceInfoCallback(
    pa_context* c, const pa_source_info* info, int eol, void* userdata)
{
    auto* self = static_cast<PulseConnection*>(userdata);
    if (c != self->context_)
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
    PulseSource source;
    source.name = info->name;
    if (info->description != nullptr)
        source.description = info->description;
    source.rate = info->sample_spec.rate;
    source.channels = info->sample_spec.channels;
    source.channelMap = info->channel_map;
    self->building_.sources.push_back(std::move(source));
}

void PulseConnection::commit()
{
    Changes changes;
    {
        std::lock_guard lock(snapshotMutex_);
        for (PulseSource& source : building_.sources) {
            auto [it, inserted] = ids_.try_emplace(source.name, nextId_);
            if (inserted)
                ++nextId_;
            source.id = it->second;
        }
        std::sort(building_.sources.begin(), building_.sources.end(),
            [](const PulseSource& a, const PulseSource& b) { return a.id < b.id; });

        // Server change events come for the default sink as well, and a
        // source's change events for its volume or state: tell the tuner only
        // about a new default source, or the same one at another format
        // (capture must restart at the new rate).
        const PulseSource* before = snapshot_.defaultEntry();
        const PulseSource* after = building_.defaultEntry();
        changes.defaultInput = (before == nullptr) != (after == nullptr)
            || (before != nullptr && (before->id != after->id || !sameFormat(*before, *after)));
        changes.defaultOutput = snapshot_.defaultSink != building_.defaultSink;
        changes.devices = !sameSources(snapshot_.sources, building_.sources);
        snapshot_ = std::move(building_);
        building_ = Snapshot {};
    }
    post(changes);
}

} // namespace clefmark
