#include "app/CaptureStatus.h"

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
            QString text = QString::fromStdString(detail) + QStringLiteral("; listening again");
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

} // namespace clefmark
