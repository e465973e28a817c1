// A short line telling why the tuner hears nothing, for the main window, and
// what carries the tuner's capture news to the window.
#pragma once

#include "tuner/MainThread.h"
#include "tuner/Tuner.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <string>

namespace clefmark {

class Controller;

/// Empty while capture runs (or has not been started, or has ended): the
/// window then shows nothing extra; but when capture has restarted by itself,
/// or runs on an input that gives only digital silence, says so, until the
/// tuner tells of sound again (Running with no why). `detail` is the tuner's
/// reason; `serverConnected` tells a missing sound server from a missing
/// device.
QString captureStatusText(CaptureState state, const std::string& detail, bool serverConnected);

/// Tells the window why nothing is heard. Runs on whichever thread controls
/// capture, under the tuner's capture lock: it only looks at atomics and
/// posts to the main thread, where the controller (if still there) shows it.
class CaptureReporter final : public CaptureObserver {
public:
    /// `serverConnected` is asked on the capturing thread; it must not block.
    CaptureReporter(MainThread& mainThread, Controller& controller, const Tuner& tuner,
        std::function<bool()> serverConnected);

    void captureStateChanged(CaptureState state, const std::string& detail) override;

private:
    MainThread& mainThread_;
    QPointer<Controller> controller_;
    const Tuner& tuner_;
    const std::function<bool()> serverConnected_;
};

} // namespace clefmark
