#include "audio/PropertyNotifier.h"

#include <algorithm>

namespace clefmark {

PropertyNotifier::PropertyNotifier()
    : thread_([this] { run(); })
    , threadId_(thread_.get_id())
{
}

PropertyNotifier::~PropertyNotifier()
{
    stop();
}

void PropertyNotifier::addListener(AudioPropertyListener listener, void* context)
{
    if (listener == nullptr)
        return;
    std::lock_guard lock(mutex_);
    listeners_.push_back({ listener, context });
}

void PropertyNotifier::removeListener(AudioPropertyListener listener, void* context)
{
    if (listener == nullptr)
        return; // never added, and it would match "no call running"
    const Listener gone { listener, context };
    std::unique_lock lock(mutex_);
    const auto it = std::find(listeners_.begin(), listeners_.end(), gone);
    if (it != listeners_.end())
        listeners_.erase(it);
    // On the notification thread the only call running is the caller's own,
    // which the caller's contract excludes from being `gone`.
    if (onNotificationThread())
        return;
    progress_.wait(lock, [&] { return !(running_ == gone); });
}

void PropertyNotifier::post(AudioHardwareProperty property)
{
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || std::find(pending_.begin(), pending_.end(), property) != pending_.end())
            return;
        pending_.push_back(property);
    }
    work_.notify_one();
}

void PropertyNotifier::waitUntilIdle()
{
    if (onNotificationThread())
        return;
    std::unique_lock lock(mutex_);
    progress_.wait(lock, [this] { return stopping_ || (pending_.empty() && !delivering_); });
}

void PropertyNotifier::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.clear();
    }
    work_.notify_one();
    progress_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void PropertyNotifier::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
        if (stopping_)
            return;
        const AudioHardwareProperty property = pending_.front();
        pending_.erase(pending_.begin());
        delivering_ = true;
        callListeners(lock, property);
        delivering_ = false;
        progress_.notify_all();
    }
}

void PropertyNotifier::callListeners(
    std::unique_lock<std::mutex>& lock, AudioHardwareProperty property)
{
    // A copy, since listeners may add and remove listeners while we call.
    const std::vector<Listener> round = listeners_;
    for (const Listener& listener : round) {
        if (stopping_)
            return;
        if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
            continue; // removed since the round began
        running_ = listener;
        lock.unlock();
        listener.function(property, listener.context);
        lock.lock();
        running_ = {};
        progress_.notify_all();
    }
}

} // namespace clefmark
