// Hand-off of work to the main (user interface) thread.
#pragma once

#include <functional>

namespace clefmark {

class MainThread {
public:
    using Task = std::function<void()>;

    virtual ~MainThread() = default;

    /// Queues `task` to run on the main thread and returns at once.
    /// Thread safe, never waits for the main thread to run anything. Tasks
    /// run in the order they were posted, and none is dropped.
    virtual void post(Task task) = 0;
};

} // namespace clefmark
