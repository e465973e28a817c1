// A short line telling why the tuner hears nothing, for the main window.
#pragma once

#include "tuner/Tuner.h"

#include <QString>
#include <string>

namespace clefmark {

/// Empty while capture runs (or has not been started, or has ended): the
/// window then shows nothing extra. `detail` is the tuner's reason;
/// `serverConnected` tells a missing sound server from a missing device.
QString captureStatusText(CaptureState state, const std::string& detail, bool serverConnected);

} // namespace clefmark
