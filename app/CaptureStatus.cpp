#include "app/CaptureStatus.h"

#include "app/Controller.h"

#include <QCoreApplication>
#include <utility>

namespace clefmark {

QString captureStatusText(CaptureState state, const std::string& detail, bool serverConnected)
{
    switch (state) {
    case CaptureState::NoDevice:
        if (!serverConnected)
            return QCoreApplication::translate("CaptureStatus", "Waiting for the sound server…");
        return QCoreApplication::translate(
            "CaptureStatus", "No input device: choose one in Sound Settings…");
    case CaptureState::FormatUnusable:
        if (detail.empty())
            return QCoreApplication::translate("CaptureStatus", "The input device cannot be used");
        return QCoreApplication::translate("CaptureStatus", "Cannot listen: %1")
            .arg(QString::fromStdString(detail));
    case CaptureState::Running:
        if (!detail.empty()) {
            QString text = QString::fromStdString(detail);
            if (isRestartDetail(detail))
                text += QStringLiteral("; listening again");
            text[0] = text[0].toUpper();
            return text;
        }
        break;
    case CaptureState::Stopped:
    case CaptureState::Terminated:
        break;
    }
    return {};
}

CaptureReporter::CaptureReporter(MainThread& mainThread, Controller& controller, const Tuner& tuner,
    std::function<bool()> serverConnected)
    : mainThread_(mainThread)
    , controller_(&controller)
    , tuner_(tuner)
    , serverConnected_(std::move(serverConnected))
{
    serverRecheck_.setInterval(kServerRecheck);
    connect(&serverRecheck_, &QTimer::timeout, this, &CaptureReporter::recheckServer);
}

void CaptureReporter::captureStateChanged(CaptureState state, const std::string& detail)
{
    const bool serverConnected = !serverConnected_ || serverConnected_();
    const QString device = state == CaptureState::Running
        ? QString::fromStdString(tuner_.inputDeviceName())
        : QString();
    mainThread_.post([self = self_, state, detail, serverConnected, device] {
        if (self != nullptr)
            self->tell(state, detail, serverConnected, device);
    });
}

void CaptureReporter::tell(
    CaptureState state, const std::string& detail, bool serverConnected, const QString& device)
{
    toldState_ = state;
    toldDetail_ = detail;
    toldServerConnected_ = serverConnected;
    if (state == CaptureState::NoDevice && serverConnected_)
        serverRecheck_.start();
    else
        serverRecheck_.stop();
    if (controller_ == nullptr)
        return;
    controller_->showCaptureStatus(captureStatusText(state, detail, serverConnected), device);
    controller_->showCaptureState(state, serverConnected, device);
}

void CaptureReporter::recheckServer()
{
    if (serverConnected_() != toldServerConnected_)
        tell(toldState_, toldDetail_, !toldServerConnected_, {});
}

} // namespace clefmark
