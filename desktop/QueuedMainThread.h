// A main thread without an event loop: posted tasks wait in a queue until the
// owner of the "main" thread calls `runPending`. Used by tests and by the
// terminal tools, which have no GUI event loop.
#pragma once

#include "tuner/MainThread.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace clefmark {

class QueuedMainThread final : public MainThread {
public:
    /// Thread safe. Holds the queue's lock only to append, never while a task
    /// runs, so a poster is never held up by the main thread's work.
    void post(Task task) override;

    /// A ring only marks the bell; `runPending` drains it.
    std::unique_ptr<Doorbell> makeDoorbell(std::function<void()> drain) override;

    /// Runs every task queued so far, in order, on the calling thread, which
    /// is by definition the main thread, then the drain of every bell rung
    /// meanwhile. Tasks posted meanwhile wait for the next call. Returns the
    /// number of tasks and drains run.
    std::size_t runPending();

    /// Tasks queued and bells rung. Main thread.
    std::size_t pendingCount() const;

private:
    class Bell;

    mutable std::mutex mutex_;
    std::deque<Task> queue_;
    std::vector<Bell*> bells_; // main thread only
};

/// For single-threaded tools, where the thread that feeds the audio is also
/// the main thread: runs each task at once, inside `post`.
class ImmediateMainThread final : public MainThread {
public:
    void post(Task task) override { task(); }
    /// A ring drains at once, inside `ring`.
    std::unique_ptr<Doorbell> makeDoorbell(std::function<void()> drain) override;
};

} // namespace clefmark
