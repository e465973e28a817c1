#include "tuner/StallGuard.h"

#include <utility>

namespace clefmark {

namespace {

    // Looks this many times per timeout: a stall is seen at most a quarter
    // of a timeout late, and a healthy stream costs four wake-ups per timeout.
    constexpr int kLooksPerTimeout = 4;

} // namespace

StallGuard::StallGuard(Clock::duration timeout, std::function<void()> onStall)
    : timeout_(timeout)
    , onStall_(std::move(onStall))
{
}

StallGuard::~StallGuard()
{
    shutDown();
}

void StallGuard::arm()
{
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        armed_ = true;
        seen_ = cycles();
        progress_ = Clock::now();
        if (!thread_.joinable())
            thread_ = std::thread(&StallGuard::watch, this);
    }
    wake_.notify_all();
}

void StallGuard::disarm()
{
    std::lock_guard lock(mutex_);
    armed_ = false;
}

void StallGuard::shutDown()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        armed_ = false;
    }
    wake_.notify_all();
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

void StallGuard::watch()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (!armed_) {
            wake_.wait(lock, [this] { return stopping_ || armed_; });
            continue;
        }
        wake_.wait_for(lock, timeout_ / kLooksPerTimeout);
        if (stopping_ || !armed_)
            continue;
        const Clock::time_point now = Clock::now();
        if (const std::uint64_t count = cycles(); count != seen_) {
            seen_ = count;
            progress_ = now;
            continue;
        }
        if (now - progress_ < timeout_)
            continue;
        // Disarmed before the call, so that a restart that arms again is not
        // undone here, and a stall is reported once, not every look.
        armed_ = false;
        lock.unlock();
        onStall_();
        lock.lock();
    }
}

} // namespace clefmark
