// The connection to the sound server and the snapshot of its sources, behind
// PulseAudioHardware.
//
// libpulse runs everything on one main-loop thread of its own (a
// pa_threaded_mainloop): the connection, subscription events, replies to
// queries and the record streams' read callbacks. The loop thread holds the
// loop lock while it dispatches, so a control call that takes the same lock
// (LoopLock) never runs beside a callback.
//
// The back-end promises that queries never wait on the server, but the server
// answers only asynchronously. So the loop thread keeps a snapshot of what the
// tuner asks about (the default source's name; every known source's name,
// device id, rate, channels and channel map), refreshed whenever a SERVER or
// SOURCE event arrives, and the queries read it under a plain mutex. A refresh
// asks for the server info and then the whole source list and replaces the
// snapshot in one step at the end, so a reader never sees a default source
// without its format. What changed is posted to the notifier, never told from
// here: a listener calls back into the back-end, which needs the loop lock
// that a callback holds.
//
// The server may be absent at construction or go away later (a restart of the
// sound system). A context that failed cannot be reused, so the loop thread
// drops it, reports the default input as gone, and tries a new one every
// 300 ms until a server answers. It never starts a server itself.
#pragma once

#include "audio/PropertyNotifier.h"
#include "tuner/AudioHardware.h"

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <pulse/pulseaudio.h>
#include <string>
#include <vector>

namespace clefmark {

/// Held for a whole control call: the loop thread holds the same lock while it
/// dispatches callbacks, so nothing of ours runs on it meanwhile. Never taken
/// on the loop thread itself.
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

/// A source of the server as the snapshot knows it.
struct PulseSource {
    AudioDeviceID id = kNoAudioDevice;
    std::string name;
    std::string description;
    std::uint32_t rate = 0;
    std::uint32_t channels = 0;
    pa_channel_map channelMap {};
};

/// Connects on a main-loop thread of its own and keeps the snapshot of the
/// server's sources; tells `notifier` of the default input, default output
/// and device list changing.
class PulseConnection {
public:
    /// Starts the loop thread and the first connection attempt.
    PulseConnection(std::string applicationName, PropertyNotifier& notifier);
    /// Shuts down (see `shutDown`), then ends the loop thread.
    ~PulseConnection();

    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    /// The main loop; null when none could be started, and then there is
    /// never a server. Thread safe.
    pa_threaded_mainloop* loop() const { return loop_; }
    /// True on the loop thread, where the loop lock must not be taken.
    bool onLoopThread() const;

    /// The context while it is connected and ready, else null. Under the loop
    /// lock; valid until the lock is released.
    pa_context* readyContext() const;
    /// Stops reconnecting and drops the context, which ends every stream
    /// still made on it. Under the loop lock. Once is enough; more is
    /// harmless.
    void shutDown();

    // The snapshot. Thread safe, non-blocking: they take only the snapshot's
    // mutex, never the loop lock, and never wait on the server.

    /// True while connected to a server.
    bool connected() const { return connected_.load(std::memory_order_acquire); }
    /// The default source's device, or kNoAudioDevice.
    AudioDeviceID defaultSource() const;
    /// The source with this device id, if it is a current one.
    std::optional<PulseSource> source(AudioDeviceID device) const;

private:
    struct Snapshot {
        std::string defaultSource;
        std::string defaultSink;
        std::vector<PulseSource> sources;

        const PulseSource* byName(const std::string& name) const;
        const PulseSource* byId(AudioDeviceID id) const;
        // The default source as the tuner sees it: none while the server
        // names a source whose description has not arrived.
        const PulseSource* defaultEntry() const { return byName(defaultSource); }
    };

    // What a refresh or a lost connection changed.
    struct Changes {
        bool defaultInput = false;
        bool defaultOutput = false;
        bool devices = false;
    };

    // Loop thread (or a control call holding the loop lock).
    void connect();
    void dropContext();
    void connectionLost();
    void scheduleRetry();
    void refresh();
    void refreshDone();
    void commit();
    void post(const Changes& changes);

    static void contextStateCallback(pa_context* c, void* userdata);
    static void subscribeCallback(
        pa_context* c, pa_subscription_event_type_t type, std::uint32_t index, void* userdata);
    static void serverInfoCallback(pa_context* c, const pa_server_info* info, void* userdata);
    static void sourceInfoCallback(
        pa_context* c, const pa_source_info* info, int eol, void* userdata);
    static void retryCallback(
        pa_mainloop_api* api, pa_time_event* event, const struct timeval* tv, void* userdata);

    const std::string applicationName_;
    PropertyNotifier& notifier_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_mainloop_api* api_ = nullptr;

    // Under the loop lock.
    pa_context* context_ = nullptr;
    pa_time_event* retry_ = nullptr;
    bool shuttingDown_ = false;
    bool refreshing_ = false;
    bool refreshAgain_ = false;
    Snapshot building_;

    // What the queries read. Written only by the loop thread.
    mutable std::mutex snapshotMutex_;
    Snapshot snapshot_;
    std::map<std::string, AudioDeviceID> ids_;
    AudioDeviceID nextId_ = 1;
    std::atomic<bool> connected_ { false };
};

} // namespace clefmark
