#include "desktop/QtMainThread.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>

namespace clefmark {

namespace {

    class EventBell final : public Doorbell {
    public:
        EventBell(QObject* parent, std::function<void()> drain)
            : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
            , drain_(std::move(drain))
        {
            if (fd_ < 0)
                throw std::system_error(errno, std::generic_category(), "eventfd");
            // A child of the main thread's receiver, so that closing it
            // silences the bell; none once closed.
            if (parent == nullptr)
                return;
            notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, parent);
            QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] {
                std::uint64_t count = 0;
                // Reset before draining, so a ring during the drain is not lost.
                [[maybe_unused]] const auto read = ::read(fd_, &count, sizeof count);
                drain_();
            });
        }

        ~EventBell() override
        {
            delete notifier_.data();
            ::close(fd_);
        }

        void ring() noexcept override
        {
            const std::uint64_t one = 1;
            // Cannot block; it fails only when the counter would overflow,
            // and then a wake-up is already due.
            [[maybe_unused]] const auto written = ::write(fd_, &one, sizeof one);
        }

    private:
        const int fd_;
        std::function<void()> drain_;
        QPointer<QSocketNotifier> notifier_;
    };

} // namespace

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

std::unique_ptr<Doorbell> QtMainThread::makeDoorbell(std::function<void()> drain)
{
    std::lock_guard lock(mutex_);
    return std::make_unique<EventBell>(receiver_, std::move(drain));
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
