// The sound server as audio hardware: PulseAudio (or PipeWire's PulseAudio
// service) through libpulse.
//
// Design. libpulse runs everything on one main-loop thread of its own: the
// connection, subscription events, replies to queries and the record streams'
// read callbacks. Three parts share it, each in a unit of its own:
//
//  - PulseConnection connects (and reconnects after the server went away)
//    and keeps a snapshot of the server's sources, refreshed from its events,
//    which the queries read under a plain mutex: the server answers only
//    asynchronously, and a query must never wait on it.
//
//  - PulseRecorder binds input procedures to sources and runs their record
//    streams. A stream's read callback is the input thread; it runs with the
//    loop lock held, and `stop` disconnects under that lock, so when `stop`
//    returns no callback is running and none can start.
//
//  - PropertyNotifier calls the property listeners on a thread of its own.
//    Listeners call `stop` and `start`, which need the loop lock; called from
//    a loop callback (where the loop thread holds that lock) they would
//    deadlock or re-enter libpulse in the middle of a dispatch. So the loop
//    thread only posts what changed, and a burst of events (a restart of the
//    sound system sends dozens) becomes one call per property.
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
///    waits for a call of that listener in progress, so it must not be
///    called while holding something that listener needs, nor from the
///    listener itself;
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
    /// The source's description, as sound settings show it.
    bool deviceName(AudioDeviceID device, std::string& name) override;

    bool addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData) override;
    bool removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc) override;
    /// Connects a record stream to the device's source. False when the device
    /// is not a current source, `proc` is not bound to it, or the server
    /// refused at once; true when already running. The stream is pinned to
    /// its source: when the default source changes, the server does not move
    /// it (resampled) but the listeners are told, so the tuner restarts on
    /// the new source at its own rate.
    /// When the server ends the stream by itself (or it fails), the
    /// listeners are told DeviceStreamEnded, at most once a second; the
    /// server going away is told as the default input gone instead.
    bool start(AudioDeviceID device, AudioDeviceIOProc proc) override;
    bool stop(AudioDeviceID device, AudioDeviceIOProc proc) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace clefmark
