// Stop signals for a command that runs until it is told to stop, with a guard
// for when its output is blocked.
//
// SIGINT, SIGTERM and SIGHUP (the terminal closed; unless ignored, as under
// nohup) are blocked in every thread (the object is made before any other
// thread, and new threads inherit the mask) and read from a signalfd by a
// watcher thread of its own. A stop wakes the command's loop,
// which then ends in order. But the loop may be stuck in a write that never
// returns: a pipe that nobody reads, a terminal stopped with Ctrl-S. No stop
// would ever be seen. So every write that may block is bracketed with
// `Writing`, and when the watcher finds the same write still under way
// `grace` after the stop (checked every `grace`), it ends the process itself
// with `blockedStatus`: what was not written is lost either way, and the user
// asked to stop. A command that is merely slow to end, not blocked in a
// write, is left to end in order.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <thread>

namespace clefmark::cli {

class StopSignals {
public:
    using Clock = std::chrono::steady_clock;

    /// Main thread, before any other thread starts.
    StopSignals(std::chrono::milliseconds grace, int blockedStatus);
    /// Stops the watcher and puts the signal mask back; a second Ctrl-C
    /// during the shutdown is taken as part of the first.
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    /// False when the signals could not be watched (no signalfd); they are
    /// then left as they were, and end the process as usual.
    bool watching() const { return watcher_.joinable(); }

    /// Sleeps for `timeout` at most; true once a stop signal came.
    bool wait(Clock::duration timeout);

    /// While one exists, a write that may block is under way. Thread safe,
    /// non-blocking; for one writing thread at a time.
    class Writing {
    public:
        explicit Writing(StopSignals& signals)
            : writes_(signals.writes_)
        {
            writes_.fetch_add(1, std::memory_order_relaxed);
        }
        ~Writing() { writes_.fetch_add(1, std::memory_order_relaxed); }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

    private:
        std::atomic<std::uint64_t>& writes_;
    };

private:
    void watch();
    bool waitForDone(std::chrono::milliseconds timeout);

    const std::chrono::milliseconds grace_;
    const int blockedStatus_;
    sigset_t set_ {};
    sigset_t previous_ {};
    int signalFd_ = -1;
    int doneFd_ = -1; // an eventfd: the owner is done, the watcher may go

    // Odd while a write is under way; each write moves it on by two, so the
    // watcher tells the same write from a later one. Relaxed: it only
    // compares values seen a grace period apart.
    std::atomic<std::uint64_t> writes_ { 0 };

    std::mutex mutex_;
    std::condition_variable changed_;
    bool stopped_ = false;
    bool done_ = false;

    // Last, so that the thread starts once the state above exists.
    std::thread watcher_;
};

} // namespace clefmark::cli
