// The sound server as audio hardware: PulseAudio (or PipeWire's PulseAudio
// service) through libpulse.
//
// Design. libpulse runs everything on one main-loop thread of its own (a
// pa_threaded_mainloop): the connection, subscription events, replies to
// queries and the record streams' read callbacks. Three things follow.
//
//  - The interface promises that queries never wait on the server, but the
//    server answers only asynchronously. So the loop thread keeps a snapshot
//    of what the tuner asks about (the default source's name; every known
//    source's name, device id, rate, channels and channel map), refreshed
//    whenever a SERVER or SOURCE event arrives, and the query methods read it
//    under a plain mutex. A refresh asks for the server info and then the
//    whole source list and replaces the snapshot in one step at the end, so a
//    reader never sees a default source without its format.
//
//  - Property listeners call `stop` and `start`, which need the loop's lock.
//    Called from a loop callback (where that lock is held by the loop thread
//    and the loop cannot run), they would deadlock or re-enter libpulse in
//    the middle of a dispatch. So changes are handed to a notification thread
//    of the back-end's own through a bit set: a burst of events (a restart of
//    the sound system sends dozens) becomes one call per property.
//
//  - A record stream's read callback is the tuner's input thread. It runs
//    with the loop's lock held, so `stop`, which disconnects the stream under
//    the same lock, returns only once no callback is running, and afterwards
//    none can start. Disconnecting sends a request and does not wait for the
//    reply, so `stop` is never held up by the server.
//
// The server may be absent at construction or go away later (a restart of
// the sound system). A context that failed cannot be reused, so the loop
// thread drops it, reports the default input as gone, and tries a new one
// every 300 ms until a server answers. It never starts a server itself.
#pragma once

#include "tuner/AudioHardware.h"

#include <memory>
#include <string>

namespace clefmark {

/// Audio hardware over libpulse: every source of the server (monitors of
/// outputs included) is an input device, and the server's default source is
/// the default input device.
///
/// Device ids are assigned per source name, never 0, and a name keeps its id
/// for the back-end's life, also across a reconnection to the server.
/// Samples are delivered as 32-bit native floats at the source's own rate and
/// channel count (the server converts the sample format, never the rate), in
/// cycles of about 10 ms.
///
/// Threads:
///  - every method may be called from any thread except the input thread
///    (the record stream's read callback, on libpulse's loop thread); there
///    it fails rather than deadlocks;
///  - queries (`defaultInputDevice`, `streamFormat`, ...) and
///    `serverConnected` take only the snapshot's mutex, never the loop lock,
///    and never wait on the server;
///  - `addIOProc`, `removeIOProc`, `start` and `stop` take the loop lock,
///    which the loop thread holds only while it dispatches; none of them
///    waits for a reply from the server;
///  - property listeners run on the notification thread, with no lock of the
///    back-end held, so they may call any method; `removePropertyListener`
///    waits for a call in progress, so it must not be called while holding
///    something that listener needs, nor from the listener itself;
///  - an input procedure runs on the loop thread with the loop lock held and
///    must not call the back-end.
class PulseAudioHardware final : public AudioHardware {
public:
    /// Connects, on a main-loop thread of its own, to the server the
    /// environment names (PULSE_SERVER etc.; never autospawns one), and keeps
    /// reconnecting while there is none. `applicationName` is how the server
    /// lists this client.
    explicit PulseAudioHardware(std::string applicationName = "Clefmark");
    /// Stops every capture, then the notification thread, then the loop.
    /// No listener or input procedure runs once it has returned.
    ~PulseAudioHardware() override;

    PulseAudioHardware(const PulseAudioHardware&) = delete;
    PulseAudioHardware& operator=(const PulseAudioHardware&) = delete;

    /// True while connected to a server. Thread safe, non-blocking.
    bool serverConnected() const;

    void addPropertyListener(AudioPropertyListener listener, void* context) override;
    void removePropertyListener(AudioPropertyListener listener, void* context) override;

    AudioDeviceID defaultInputDevice() override;

    /// Always 0 frames: the server does not tell.
    bool safetyOffset(AudioDeviceID device, std::uint32_t& frames) override;
    /// The cycle size asked of the server (10 ms of the source's rate); the
    /// server may deliver somewhat different cycles.
    bool bufferFrameSize(AudioDeviceID device, std::uint32_t& frames) override;
    bool streamFormat(AudioDeviceID device, StreamFormat& format) override;

    bool addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData) override;
    bool removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc) override;
    /// Connects a record stream to the device's source. False when the device
    /// is not a current source, `proc` is not bound to it, or the server
    /// refused at once; true when already running. The stream is pinned to
    /// its source: when the default source changes, the server does not move
    /// it (resampled) but the listeners are told, so the tuner restarts on
    /// the new source at its own rate.
    bool start(AudioDeviceID device, AudioDeviceIOProc proc) override;
    bool stop(AudioDeviceID device, AudioDeviceIOProc proc) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace clefmark
