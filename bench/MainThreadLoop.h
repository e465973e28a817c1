// The benchmarks' stand-in for an idle GUI event loop: runs a queued main
// thread's tasks every 0.2 ms.
#pragma once

#include "desktop/QueuedMainThread.h"

#include <chrono>
#include <thread>

namespace clefmark::bench {

/// Runs `mainThread`'s tasks for `span`, or until `done` holds; returns
/// whether it did.
template <typename Done>
bool runMainThread(QueuedMainThread& mainThread, std::chrono::microseconds span, Done done)
{
    const auto end = std::chrono::steady_clock::now() + span;
    while (std::chrono::steady_clock::now() < end) {
        mainThread.runPending();
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

} // namespace clefmark::bench
