// One QApplication for a whole test binary, on the offscreen platform, so
// that GUI tests need no display. A test binary compiled with
// CLEFMARK_RESOURCES_DIR reads its resources from that folder
// (CLEFMARK_RESOURCES is set before the application is made).
#pragma once

#include "tests/support/Eventually.h"

#include <QApplication>
#include <QElapsedTimer>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>

namespace clefmark::test {

/// Runs the event loop until `done` or `timeoutMs`, a guard against a hang;
/// returns `done()`.
inline bool processEventsUntil(const std::function<bool()>& done,
    int timeoutMs = static_cast<int>(std::chrono::milliseconds(kHangGuard).count()))
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

} // namespace clefmark::test
