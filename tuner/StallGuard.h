// The last guard against silent capture: notices when input cycles stop
// coming while capture should be running.
//
// A sound server can stop feeding a stream without ending it, or end it
// without a word reaching us (a lost notification, a driver that hangs). The
// back-end cannot report what it never hears of; only the absence of cycles
// tells. So the input thread counts its cycles, and a watcher thread wakes a
// few times per timeout to see whether the count has moved. When it has not
// moved for a whole timeout, the guard disarms itself and calls `onStall`,
// which restarts capture and arms it again.
//
// The input thread's part is one relaxed increment: it never waits, and the
// count carries no data that another thread must see in order, since the
// watcher only asks whether it changed. The watcher's own state (armed, the
// count and time of the last progress) lives under its mutex, which the input
// thread never takes.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace clefmark {

class StallGuard {
public:
    using Clock = std::chrono::steady_clock;

    /// `onStall` runs on the guard's thread, with no lock of the guard held,
    /// once no `cycle` has come for `timeout` since `arm`. The thread starts
    /// at the first `arm`.
    StallGuard(Clock::duration timeout, std::function<void()> onStall);
    /// Calls `shutDown`.
    ~StallGuard();

    StallGuard(const StallGuard&) = delete;
    StallGuard& operator=(const StallGuard&) = delete;

    /// Starts watching from now. Any thread but the input thread.
    void arm();
    /// Stops watching; a running `onStall` call may still finish. Any thread
    /// but the input thread.
    void disarm();
    /// Ends the watcher thread, waiting for a running `onStall` call. Must
    /// not be called from `onStall`, nor while holding anything it waits for.
    void shutDown();

    /// One input cycle. Input thread; never waits.
    void cycle() noexcept { cycles_.fetch_add(1, std::memory_order_relaxed); }
    /// The cycles counted so far. Thread safe.
    std::uint64_t cycles() const { return cycles_.load(std::memory_order_relaxed); }

private:
    void watch();

    const Clock::duration timeout_;
    const std::function<void()> onStall_;
    std::atomic<std::uint64_t> cycles_ { 0 };

    std::mutex mutex_;
    std::condition_variable wake_;
    std::thread thread_;
    bool armed_ = false;
    bool stopping_ = false;
    std::uint64_t seen_ = 0;
    Clock::time_point progress_ {};
};

} // namespace clefmark
