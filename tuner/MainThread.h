// Hand-off of work to the main (user interface) thread.
#pragma once

#include <functional>
#include <memory>

namespace clefmark {

/// Asks the main thread to run one fixed piece of work (its drain) soon. The
/// way a thread that must never wait (the input thread) reaches the main
/// thread: what it hands over goes by other means (a ring of values), and
/// the bell only says there is something to take.
class Doorbell {
public:
    virtual ~Doorbell() = default;

    /// Any one thread at a time. Never allocates, locks or waits. Rings
    /// that come before the drain has run may be merged into one run.
    virtual void ring() noexcept = 0;
};

class MainThread {
public:
    using Task = std::function<void()>;

    virtual ~MainThread() = default;

    /// Queues `task` to run on the main thread and returns at once.
    /// Thread safe, never waits for the main thread to run anything, but may
    /// allocate and lock: not for the input thread. Tasks run in the order
    /// they were posted, and none is dropped.
    virtual void post(Task task) = 0;

    /// A bell that has `drain` run on the main thread after each ring. Main
    /// thread; `drain` runs until the bell is destroyed, never after.
    virtual std::unique_ptr<Doorbell> makeDoorbell(std::function<void()> drain) = 0;
};

} // namespace clefmark
