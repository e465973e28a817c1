// A delayed call that can be cancelled: the level meter's peak-marker steps.
// Views own one through this interface so that tests can step time
// themselves instead of waiting for it.
#pragma once

#include <functional>
#include <memory>

namespace clefmark {

class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;

    /// Calls `callback` once, `seconds` from now, on the main thread;
    /// replaces a call still pending.
    virtual void start(double seconds, std::function<void()> callback) = 0;
    /// Drops the pending call, if any.
    virtual void cancel() = 0;
};

/// The real timer, on the main event loop. Qt runs timers in every event
/// loop, nested ones included, so the steps go on while a modal dialog is
/// open or a menu is being tracked.
std::unique_ptr<OneShotTimer> makeEventLoopTimer();

} // namespace clefmark
