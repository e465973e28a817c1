#include "app/CaptureStatus.h"

#include "app/Controller.h"

#include <utility>

namespace clefmark {

QString captureStatusText(CaptureState state, const std::string& detail, bool serverConnected)
{
    switch (state) {
    case CaptureState::NoDevice:
        if (!serverConnected)
            return QStringLiteral("Waiting for the sound server…");
        return QStringLiteral("No input device: choose one in Sound Settings…");
    case CaptureState::FormatUnusable:
        if (detail.empty())
            return QStringLiteral("The input device cannot be used");
        return QStringLiteral("Cannot listen: %1").arg(QString::fromStdString(detail));
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
}

void CaptureReporter::captureStateChanged(CaptureState state, const std::string& detail)
{
    const bool serverConnected = !serverConnected_ || serverConnected_();
    const QString text = captureStatusText(state, detail, serverConnected);
    const QString device = state == CaptureState::Running
        ? QString::fromStdString(tuner_.inputDeviceName())
        : QString();
    mainThread_.post([controller = controller_, text, device, state, serverConnected] {
        if (controller != nullptr) {
            controller->showCaptureStatus(text, device);
            controller->showCaptureState(state, serverConnected, device);
        }
    });
}

} // namespace clefmark
