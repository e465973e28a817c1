// The record streams behind PulseAudioHardware: input procedures bound to
// sources, and the delivery of each stream's cycles to its procedure.
//
// A record stream's read callback is the tuner's input thread. It runs on the
// loop thread with the loop lock held, so `stop`, which disconnects the stream
// under the same lock, returns only once no callback is running, and
// afterwards none can start. Disconnecting sends a request and does not wait
// for the reply, so `stop` is never held up by the server. A stream stopped
// before the server has answered its creation cannot be disconnected yet: it
// loses its read callback at once and is finished off by its state callback.
//
// The server may also end a running stream by itself: `kill-source-output`,
// its source unloaded (or unloaded and loaded again under the same name, which
// leaves the snapshot unchanged), a module reloaded or crashing. Nothing else
// tells of that, so every live stream has a state callback: the capture is
// dropped on the loop thread and DeviceStreamEnded is posted for the tuner to
// restart. A stream that the new source refuses at once would fail again
// straight away, so the posts are at most one a second; a post that has to
// wait goes out from a timer, and only if the capture has not been restarted
// meanwhile (by a default change, say).
#pragma once

#include "audio/PropertyNotifier.h"
#include "audio/PulseConnection.h"
#include "tuner/AudioHardware.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <pulse/pulseaudio.h>
#include <vector>

namespace clefmark {

/// The bindings of input procedures to sources of `connection`, and their
/// record streams. The control calls mean what AudioHardware says; they take
/// the loop lock, so they fail on the loop thread (an input procedure)
/// rather than deadlock, and none waits for a reply from the server.
class PulseRecorder {
public:
    /// About 10 ms per input cycle: short enough that the tuner's 45 ms blocks
    /// start close to the sound's arrival, long enough not to wake the loop
    /// thread more often than needed.
    static constexpr pa_usec_t kCycleUsec = 10 * PA_USEC_PER_MSEC;
    /// The frames per cycle asked of the server at `rate`.
    static std::uint32_t cycleFrames(std::uint32_t rate);

    /// Tells `notifier` of streams that the server ended.
    PulseRecorder(PulseConnection& connection, PropertyNotifier& notifier);

    PulseRecorder(const PulseRecorder&) = delete;
    PulseRecorder& operator=(const PulseRecorder&) = delete;

    bool addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData);
    bool removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc);
    bool start(AudioDeviceID device, AudioDeviceIOProc proc);
    bool stop(AudioDeviceID device, AudioDeviceIOProc proc);

    /// Stops every stream, forgets every binding and cancels a post still
    /// waiting. Under the loop lock, while the context still exists.
    void stopAll();
    /// Releases the streams still waiting for the server's answer. Under the
    /// loop lock, once the context has been dropped.
    void releaseRetiring();

private:
    // One running record stream. Owned by its binding; touched by the loop
    // thread (read callback) and by control calls, always under the loop lock.
    struct Capture {
        PulseRecorder* owner = nullptr;
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
        // The server ended the capture, and it has not been started again.
        bool ended = false;
    };

    Binding* findBinding(AudioDeviceID device, AudioDeviceIOProc proc);
    // The parts of `start`: a capture for `binding` with its buffer sized,
    // then its record stream asked of the server.
    std::unique_ptr<Capture> newCapture(const Binding& binding, pa_context* context,
        const PulseSource& source, const pa_sample_spec& sampleFormat);
    bool connectCapture(Capture& capture, pa_context* context, const PulseSource& source,
        const pa_sample_spec& sampleFormat, const pa_channel_map& map);
    void teardown(Capture& capture);

    static void readCallback(pa_stream* stream, std::size_t readable, void* userdata);
    void captureEnded(Capture& capture);
    void postEnded();

    static void stateCallback(pa_stream* stream, void* userdata);
    static void retiringStateCallback(pa_stream* stream, void* userdata);
    static void endedTimerCallback(
        pa_mainloop_api* api, pa_time_event* event, const struct timeval* tv, void* userdata);
    static void deliver(Capture& capture, const void* data, std::size_t bytes);

    PulseConnection& connection_;
    PropertyNotifier& notifier_;

    // Under the loop lock.
    std::vector<Binding> bindings_;
    // Streams stopped before the server had answered their creation: they
    // cannot be disconnected yet and are finished off by their state callback.
    std::vector<pa_stream*> retiring_;
    // The last DeviceStreamEnded post, and the timer of one waiting to go.
    std::chrono::steady_clock::time_point lastEndedPost_ {};
    pa_time_event* endedTimer_ = nullptr;
};

} // namespace clefmark
