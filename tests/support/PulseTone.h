// A tone played into a sink of the sound server named by the environment
// (see SoundServer.h), through a playback stream of our own: silence until
// asked, then a sine from phase 0, and the time the server plays the tone's
// first sample.
#pragma once

#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <pulse/pulseaudio.h>
#include <stdexcept>
#include <string>

namespace clefmark::test {

class TonePlayer {
public:
    /// Connects and starts playing silence into `sink` (mono floats at
    /// `rate`, the sink's own rate, so the server does not resample), with
    /// about `bufferMs` of audio queued ahead. Throws when the server is not
    /// there or refuses.
    TonePlayer(const std::string& sink, std::uint32_t rate, unsigned bufferMs = 60)
        : rate_(rate)
    {
        loop_ = pa_threaded_mainloop_new();
        if (loop_ == nullptr)
            throw std::runtime_error("pa_threaded_mainloop_new failed");
        if (pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            throw std::runtime_error("pa_threaded_mainloop_start failed");
        }
        pa_threaded_mainloop_lock(loop_);
        try {
            connect(sink, bufferMs);
        } catch (...) {
            pa_threaded_mainloop_unlock(loop_);
            release();
            throw;
        }
        pa_threaded_mainloop_unlock(loop_);
    }

    ~TonePlayer() { release(); }

    TonePlayer(const TonePlayer&) = delete;
    TonePlayer& operator=(const TonePlayer&) = delete;

    /// A sine of `frequency` Hz (0: silence) from the next sample written,
    /// starting at phase 0.
    void play(double frequency, double amplitude = 0.5)
    {
        pa_threaded_mainloop_lock(loop_);
        frequency_ = frequency;
        amplitude_ = amplitude;
        ++requested_;
        pa_threaded_mainloop_unlock(loop_);
    }
    void silence() { play(0.0, 0.0); }

    /// When the server plays (by its own clock, the system clock) the first
    /// sample of what `play` asked for last: waits until that sample has been
    /// written, asks for fresh timing information and extrapolates from the
    /// server's read index and the sink's latency. Throws when the stream
    /// fails meanwhile.
    std::chrono::system_clock::time_point onsetTime()
    {
        pa_threaded_mainloop_lock(loop_);
        while (started_ != requested_ && streamGood())
            pa_threaded_mainloop_wait(loop_);
        const std::int64_t startByte = static_cast<std::int64_t>(startFrame_ * sizeof(float));
        pa_operation* op
            = streamGood() ? pa_stream_update_timing_info(stream_, &signalDone, loop_) : nullptr;
        if (op == nullptr) {
            pa_threaded_mainloop_unlock(loop_);
            throw std::runtime_error("the playback stream failed");
        }
        while (pa_operation_get_state(op) == PA_OPERATION_RUNNING)
            pa_threaded_mainloop_wait(loop_);
        pa_operation_unref(op);
        const pa_timing_info* info = pa_stream_get_timing_info(stream_);
        if (info == nullptr || info->read_index_corrupt) {
            pa_threaded_mainloop_unlock(loop_);
            throw std::runtime_error("no timing information for the playback stream");
        }
        const double ahead = static_cast<double>(startByte - info->read_index)
            / static_cast<double>(sizeof(float) * rate_);
        const double stamp = static_cast<double>(info->timestamp.tv_sec)
            + static_cast<double>(info->timestamp.tv_usec) * 1e-6;
        sinkLatency_ = std::chrono::microseconds(info->sink_usec);
        const double onset = stamp + ahead + static_cast<double>(info->sink_usec) * 1e-6;
        pa_threaded_mainloop_unlock(loop_);
        return std::chrono::system_clock::time_point(
            std::chrono::duration_cast<std::chrono::system_clock::duration>(
                std::chrono::duration<double>(onset)));
    }

    /// The sink's latency in the timing information of the last `onsetTime`:
    /// how long before a sample is played the sink renders it (and hands it
    /// to its monitor).
    std::chrono::microseconds lastSinkLatency() const { return sinkLatency_; }

private:
    static void signalDone(pa_stream*, int, void* loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }
    static void contextState(pa_context*, void* loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }
    static void streamState(pa_stream*, void* loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }

    bool streamGood() const
    {
        return stream_ != nullptr && PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
    }

    // Loop lock held.
    void connect(const std::string& sink, unsigned bufferMs)
    {
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Clefmark test tone");
        if (context_ == nullptr)
            throw std::runtime_error("pa_context_new failed");
        pa_context_set_state_callback(context_, &contextState, loop_);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            throw std::runtime_error(
                std::string("cannot connect: ") + pa_strerror(pa_context_errno(context_)));
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context_);
            if (state == PA_CONTEXT_READY)
                break;
            if (!PA_CONTEXT_IS_GOOD(state))
                throw std::runtime_error(
                    std::string("cannot connect: ") + pa_strerror(pa_context_errno(context_)));
            pa_threaded_mainloop_wait(loop_);
        }

        const pa_sample_spec sampleFormat { PA_SAMPLE_FLOAT32NE, rate_, 1 };
        stream_ = pa_stream_new(context_, "test tone", &sampleFormat, nullptr);
        if (stream_ == nullptr)
            throw std::runtime_error("pa_stream_new failed");
        pa_stream_set_state_callback(stream_, &streamState, loop_);
        pa_stream_set_write_callback(stream_, &writeCallback, this);
        pa_buffer_attr attr {};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.tlength = static_cast<std::uint32_t>(
            pa_usec_to_bytes(bufferMs * PA_USEC_PER_MSEC, &sampleFormat));
        attr.prebuf = static_cast<std::uint32_t>(-1);
        attr.minreq = static_cast<std::uint32_t>(
            pa_usec_to_bytes(bufferMs * PA_USEC_PER_MSEC / 4, &sampleFormat));
        attr.fragsize = static_cast<std::uint32_t>(-1);
        const auto flags
            = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE);
        if (pa_stream_connect_playback(stream_, sink.c_str(), &attr, flags, nullptr, nullptr) < 0)
            throw std::runtime_error(std::string("cannot play into ") + sink + ": "
                + pa_strerror(pa_context_errno(context_)));
        for (;;) {
            const pa_stream_state_t state = pa_stream_get_state(stream_);
            if (state == PA_STREAM_READY)
                break;
            if (!PA_STREAM_IS_GOOD(state))
                throw std::runtime_error(std::string("cannot play into ") + sink + ": "
                    + pa_strerror(pa_context_errno(context_)));
            pa_threaded_mainloop_wait(loop_);
        }
    }

    void release()
    {
        if (loop_ == nullptr)
            return;
        pa_threaded_mainloop_lock(loop_);
        if (stream_ != nullptr) {
            pa_stream_set_write_callback(stream_, nullptr, nullptr);
            pa_stream_set_state_callback(stream_, nullptr, nullptr);
            // Fails only when the context is going down, which ends the
            // stream as well.
            if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))
                static_cast<void>(pa_stream_disconnect(stream_));
            pa_stream_unref(stream_);
            stream_ = nullptr;
        }
        if (context_ != nullptr) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }

    static void writeCallback(pa_stream* stream, std::size_t bytes, void* userdata)
    {
        auto& self = *static_cast<TonePlayer*>(userdata);
        void* buffer = nullptr;
        std::size_t size = bytes;
        if (pa_stream_begin_write(stream, &buffer, &size) < 0 || buffer == nullptr)
            return;
        if (self.started_ != self.requested_) {
            self.started_ = self.requested_;
            self.startFrame_ = self.written_;
            self.phaseFrame_ = 0;
            self.playing_ = self.frequency_;
            self.playingAmplitude_ = self.amplitude_;
            pa_threaded_mainloop_signal(self.loop_, 0);
        }
        const std::size_t frames = size / sizeof(float);
        auto* out = static_cast<float*>(buffer);
        for (std::size_t i = 0; i < frames; ++i) {
            // From the integer sample index, so the phase never drifts.
            const double t = static_cast<double>(self.phaseFrame_++) / self.rate_;
            out[i] = self.playing_ > 0.0 ? static_cast<float>(self.playingAmplitude_
                         * std::sin(2.0 * std::numbers::pi * self.playing_ * t))
                                         : 0.0f;
        }
        if (pa_stream_write(stream, buffer, frames * sizeof(float), nullptr, 0, PA_SEEK_RELATIVE)
            < 0)
            return; // the stream is failing; onsetTime reports it
        self.written_ += frames;
    }

    const std::uint32_t rate_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    // Under the loop lock.
    double frequency_ = 0.0;
    double amplitude_ = 0.0;
    std::uint64_t requested_ = 0;
    std::uint64_t started_ = 0;
    std::uint64_t startFrame_ = 0;
    std::uint64_t written_ = 0;
    std::uint64_t phaseFrame_ = 0;
    double playing_ = 0.0;
    double playingAmplitude_ = 0.0;
    std::chrono::microseconds sinkLatency_ { 0 };
};

} // namespace clefmark::test
