#include "desktop/QueuedMainThread.h"

#include <utility>

namespace clefmark {

void QueuedMainThread::post(Task task)
{
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(task));
}

std::size_t QueuedMainThread::runPending()
{
    std::deque<Task> batch;
    {
        std::lock_guard lock(mutex_);
        batch.swap(queue_);
    }
    for (Task& task : batch)
        task();
    return batch.size();
}

std::size_t QueuedMainThread::pendingCount() const
{
    std::lock_guard lock(mutex_);
    return queue_.size();
}

} // namespace clefmark
