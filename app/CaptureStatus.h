// A short line telling why the tuner hears nothing, for the main window, and
// what carries the tuner's capture news to the window.
#pragma once

#include "tuner/MainThread.h"
#include "tuner/Tuner.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
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
///
/// With no device, whether the server answers can change with no news from
/// capture (a server with no sources comes up, or goes): while there is no
/// device it is asked again on the main thread every `kServerRecheck`, and
/// the window told when the answer changes. Made on the main thread.
class CaptureReporter final : public QObject, public CaptureObserver {
public:
    static constexpr std::chrono::milliseconds kServerRecheck { 250 };

    /// `serverConnected` is asked on the capturing thread and on the main
    /// thread; it must not block.
    CaptureReporter(MainThread& mainThread, Controller& controller, const Tuner& tuner,
        std::function<bool()> serverConnected);

    void captureStateChanged(CaptureState state, const std::string& detail) override;

private:
    // Main thread.
    void tell(
        CaptureState state, const std::string& detail, bool serverConnected, const QString& device);
    void recheckServer();

    MainThread& mainThread_;
    QPointer<Controller> controller_;
    const QPointer<CaptureReporter> self_ { this };
    const Tuner& tuner_;
    const std::function<bool()> serverConnected_;
    QTimer serverRecheck_;
    // What the window was last told.
    CaptureState toldState_ = CaptureState::Stopped;
    std::string toldDetail_;
    bool toldServerConnected_ = true;
};

} // namespace clefmark
