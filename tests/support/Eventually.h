// Waiting for what another thread or process brings about in its own time.
//
// The limit only guards against a hang and measures nothing: a machine whose
// cores are all busy, under a sanitizer, may take many times as long as an
// idle one, so it is far beyond what anything should need.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace clefmark::test {

inline constexpr std::chrono::seconds kHangGuard { 30 };

/// Polls `done` until it holds or `limit` passes; returns `done()`. `between`,
/// if given, runs before each look (a test's main loop, say).
inline bool eventually(const std::function<bool()>& done,
    std::chrono::milliseconds limit = kHangGuard, const std::function<void()>& between = {})
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (between)
            between();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

} // namespace clefmark::test
