#include "platform/QtMainThread.h"

#include <QMetaObject>
#include <QObject>

namespace clefmark {

QtMainThread::QtMainThread() : receiver_(new QObject) {}

QtMainThread::~QtMainThread()
{
    close();
}

void QtMainThread::post(Task task)
{
    std::lock_guard lock(mutex_);
    if (receiver_ == nullptr)
        return;
    QMetaObject::invokeMethod(receiver_, std::move(task), Qt::QueuedConnection);
}

void QtMainThread::close()
{
    QObject* receiver = nullptr;
    {
        std::lock_guard lock(mutex_);
        receiver = receiver_;
        receiver_ = nullptr;
    }
    // Deleting the receiver takes its queued calls out of Qt's queue; done
    // outside the lock since dropping a task may release what a poster
    // shares with it.
    delete receiver;
}

bool QtMainThread::isOpen() const
{
    std::lock_guard lock(mutex_);
    return receiver_ != nullptr;
}

}  // namespace clefmark
