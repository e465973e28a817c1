#include "desktop/QtMainThread.h"

#include <QMetaObject>
#include <QObject>

namespace clefmark {

QtMainThread::QtMainThread()
    : receiver_(new QObject)
{
}

QtMainThread::~QtMainThread()
{
    close();
}

void QtMainThread::post(Task task)
{
    std::lock_guard lock(mutex_);
    if (receiver_ == nullptr)
        return;
    queue_.push_back(std::move(task));
    if (!callQueued_) {
        callQueued_ = true;
        QMetaObject::invokeMethod(
            receiver_, [this] { runBatch(); }, Qt::QueuedConnection);
    }
}

void QtMainThread::runBatch()
{
    // Tasks are taken one at a time from the shared queue, so that a task
    // running an event loop of its own (a modal dialog) lets later batches
    // run inside it without any task overtaking an earlier one.
    std::size_t count = 0;
    {
        std::lock_guard lock(mutex_);
        callQueued_ = false;
        count = queue_.size();
    }
    for (std::size_t i = 0; i < count; ++i) {
        Task task;
        {
            std::lock_guard lock(mutex_);
            // Closed, or emptied by a batch run inside an earlier task.
            if (receiver_ == nullptr || queue_.empty())
                return;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task();
    }
}

void QtMainThread::close()
{
    QObject* receiver = nullptr;
    std::deque<Task> dropped;
    {
        std::lock_guard lock(mutex_);
        receiver = receiver_;
        receiver_ = nullptr;
        dropped.swap(queue_);
    }
    // Deleting the receiver takes its queued call out of Qt's queue. Both
    // happen outside the lock, since dropping a task may release what a
    // poster shares with it.
    delete receiver;
}

bool QtMainThread::isOpen() const
{
    std::lock_guard lock(mutex_);
    return receiver_ != nullptr;
}

} // namespace clefmark
