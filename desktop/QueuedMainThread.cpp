#include "desktop/QueuedMainThread.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace clefmark {

class QueuedMainThread::Bell final : public Doorbell {
public:
    Bell(QueuedMainThread& owner, std::function<void()> drain)
        : owner_(owner)
        , drain_(std::move(drain))
    {
        owner_.bells_.push_back(this);
    }

    ~Bell() override { std::erase(owner_.bells_, this); }

    // Release: what the ringer handed over before ringing is visible to the
    // drain that sees the ring.
    void ring() noexcept override { rung_.store(true, std::memory_order_release); }

    bool take() { return rung_.exchange(false, std::memory_order_acq_rel); }
    bool isRung() const { return rung_.load(std::memory_order_relaxed); }
    void drain() { drain_(); }

private:
    QueuedMainThread& owner_;
    std::function<void()> drain_;
    std::atomic<bool> rung_ { false };
};

void QueuedMainThread::post(Task task)
{
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(task));
}

std::unique_ptr<Doorbell> QueuedMainThread::makeDoorbell(std::function<void()> drain)
{
    return std::make_unique<Bell>(*this, std::move(drain));
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
    std::size_t drained = 0;
    // A drain may destroy a bell (and its owner with it): look each one up
    // again.
    for (std::size_t i = 0; i < bells_.size(); ++i) {
        if (bells_[i]->take()) {
            bells_[i]->drain();
            ++drained;
        }
    }
    return batch.size() + drained;
}

std::size_t QueuedMainThread::pendingCount() const
{
    std::lock_guard lock(mutex_);
    return queue_.size()
        + static_cast<std::size_t>(std::count_if(
            bells_.begin(), bells_.end(), [](const Bell* bell) { return bell->isRung(); }));
}

namespace {

    class ImmediateBell final : public Doorbell {
    public:
        explicit ImmediateBell(std::function<void()> drain)
            : drain_(std::move(drain))
        {
        }
        void ring() noexcept override { drain_(); }

    private:
        std::function<void()> drain_;
    };

} // namespace

std::unique_ptr<Doorbell> ImmediateMainThread::makeDoorbell(std::function<void()> drain)
{
    return std::make_unique<ImmediateBell>(std::move(drain));
}

} // namespace clefmark
