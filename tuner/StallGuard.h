// The last guard against silent capture: notices when input cycles stop
// coming while capture should be running, or come with nothing in them, and
// when sound comes again.
//
// A sound server can stop feeding a stream without ending it, or end it
// without a word reaching us (a lost notification, a driver that hangs). The
// back-end cannot report what it never hears of; only the absence of cycles
// tells. So the input thread counts its cycles, and a watcher thread wakes a
// few times per timeout to see whether the count has moved. When it has not
// moved for a whole timeout, the guard disarms itself and calls `stall`,
// which restarts capture and arms it again.
//
// A stream can also go on delivering cycles of exact zeros, as one left over
// from a suspended and resumed device does, where a live input gives at least
// the odd bit of noise. So the input thread also counts the cycles that
// carried sound (anything but exact zeros) and the frames of exact zero since
// the last of them; the watcher tells when those reach the length it was
// armed with (`silence`), and when sound comes after it has been asked to
// look out for it (`sound`), so that a message about the input can go once
// the input is back.
//
// The input thread's part is relaxed counters: it never waits, and the counts
// carry no data that another thread must see in order, beyond the one
// release that keeps the zeros before a sound from being read with it. The
// watcher's own state lives under its mutex, which the input thread never
// takes.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace clefmark {

class StallGuard {
public:
    using Clock = std::chrono::steady_clock;

    /// What the guard tells, on its own thread with no lock of the guard
    /// held; any may be empty.
    struct Reports {
        /// No cycle has come for the timeout since `arm`. Disarms the guard.
        std::function<void()> stall;
        /// The input has given nothing but exact zeros for the silence length
        /// since `arm` or since the last sound, whichever was later; told
        /// once until sound comes or the guard is armed again. `heardSound`
        /// tells whether any sound came since `arm`.
        std::function<void(bool heardSound)> silence;
        /// Sound came after `awaitSound`.
        std::function<void()> sound;
    };

    /// The thread starts at the first `arm`.
    StallGuard(Clock::duration timeout, Reports reports);
    /// Tells of stalls alone.
    StallGuard(Clock::duration timeout, std::function<void()> onStall)
        : StallGuard(timeout, Reports { std::move(onStall), {}, {} })
    {
    }
    /// Calls `shutDown`.
    ~StallGuard();

    StallGuard(const StallGuard&) = delete;
    StallGuard& operator=(const StallGuard&) = delete;

    /// Starts watching from now, for `silenceFrames` frames of exact zero
    /// too unless 0. Any thread but the input thread.
    void arm(std::uint64_t silenceFrames = 0);
    /// Stops watching; a running report may still finish. Any thread but the
    /// input thread.
    void disarm();
    /// Tells of the next sound that comes while armed, once. Any thread but
    /// the input thread.
    void awaitSound();
    /// Ends the watcher thread, waiting for a running report. Must not be
    /// called from a report, nor while holding anything one waits for.
    void shutDown();

    /// One input cycle. Input thread; never waits.
    void cycle() noexcept { cycles_.fetch_add(1, std::memory_order_relaxed); }
    /// What one input cycle carried: `frames`, and whether any of their
    /// samples was other than an exact zero. Input thread; never waits.
    void heard(std::uint32_t frames, bool sound) noexcept
    {
        if (sound) {
            zeroRun_.store(0, std::memory_order_relaxed);
            sounds_.fetch_add(1, std::memory_order_release);
        } else {
            zeroRun_.fetch_add(frames, std::memory_order_relaxed);
        }
    }
    /// The cycles counted so far. Thread safe.
    std::uint64_t cycles() const { return cycles_.load(std::memory_order_relaxed); }

private:
    enum class Report { None, Stall, Silence, SilenceAfterSound, Sound };

    void watch();
    Report look(Clock::time_point now);

    const Clock::duration timeout_;
    const Reports reports_;
    std::atomic<std::uint64_t> cycles_ { 0 };
    // Cycles that carried sound, and the frames of exact zero since the last
    // of them.
    std::atomic<std::uint64_t> sounds_ { 0 };
    std::atomic<std::uint64_t> zeroRun_ { 0 };
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
    bool armed_ = false;
    bool stopping_ = false;
    std::uint64_t seen_ = 0;
    Clock::time_point progress_ {};
    // Silence: how long, counted from which zero run, and whether told.
    std::uint64_t silenceFrames_ = 0;
    std::uint64_t silenceFrom_ = 0;
    bool silenceTold_ = false;
    // Sound: the count last seen, whether any came since `arm`, and whether
    // the next is to be told.
    std::uint64_t soundsSeen_ = 0;
    bool heardSinceArm_ = false;
    bool soundAwaited_ = false;
};

} // namespace clefmark
