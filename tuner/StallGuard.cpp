#include "tuner/StallGuard.h"

#include <utility>

namespace clefmark {

namespace {

    // Looks this many times per timeout: a stall is seen at most a quarter
    // of a timeout late, and a healthy stream costs four wake-ups per timeout.
    constexpr int kLooksPerTimeout = 4;

} // namespace

StallGuard::StallGuard(Clock::duration timeout, Reports reports)
    : timeout_(timeout)
    , reports_(std::move(reports))
{
}

StallGuard::~StallGuard()
{
    shutDown();
}

void StallGuard::arm(std::uint64_t silenceFrames)
{
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        armed_ = true;
        seen_ = cycles();
        progress_ = Clock::now();
        // Acquire: the zero run read next is no older than this count.
        soundsSeen_ = sounds_.load(std::memory_order_acquire);
        heardSinceArm_ = false;
        // Only zeros from now on count: those before belong to a stream that
        // has been dealt with.
        silenceFrames_ = silenceFrames;
        silenceFrom_ = zeroRun_.load(std::memory_order_relaxed);
        silenceTold_ = false;
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

void StallGuard::awaitSound()
{
    std::lock_guard lock(mutex_);
    soundAwaited_ = true;
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
        const Report report = look(Clock::now());
        if (report == Report::None)
            continue;
        // What the report may undo (a restart arms again) is settled before
        // the call, and each is made once, not at every look.
        lock.unlock();
        switch (report) {
        case Report::Stall:
            if (reports_.stall)
                reports_.stall();
            break;
        case Report::Silence:
        case Report::SilenceAfterSound:
            if (reports_.silence)
                reports_.silence(report == Report::SilenceAfterSound);
            break;
        case Report::Sound:
            if (reports_.sound)
                reports_.sound();
            break;
        case Report::None:
            break;
        }
        lock.lock();
    }
}

// One look, with the mutex held: at most one report, the stall first.
StallGuard::Report StallGuard::look(Clock::time_point now)
{
    const std::uint64_t sounds = sounds_.load(std::memory_order_acquire);
    const bool newSound = sounds != soundsSeen_;
    if (newSound) {
        soundsSeen_ = sounds;
        heardSinceArm_ = true;
        // The zero run has started again since.
        silenceFrom_ = 0;
        silenceTold_ = false;
    }
    if (const std::uint64_t count = cycles(); count != seen_) {
        seen_ = count;
        progress_ = now;
    } else if (now - progress_ >= timeout_) {
        armed_ = false;
        return Report::Stall;
    }
    if (newSound && soundAwaited_) {
        soundAwaited_ = false;
        return Report::Sound;
    }
    if (silenceFrames_ != 0 && !silenceTold_
        && zeroRun_.load(std::memory_order_relaxed) >= silenceFrom_ + silenceFrames_) {
        silenceTold_ = true;
        return heardSinceArm_ ? Report::SilenceAfterSound : Report::Silence;
    }
    return Report::None;
}

} // namespace clefmark
