// A short line telling why the tuner hears nothing, for the main window.
#pragma once

#include "tuner/Tuner.h"

#include <QString>
#include <string>

namespace clefmark {

/// Empty while capture runs (or has not been started, or has ended): the
/// window then shows nothing extra; but when capture has restarted by itself,
/// says why until the next change. `detail` is the tuner's reason;
/// `serverConnected` tells a missing sound server from a missing device.
QString captureStatusText(CaptureState state, const std::string& detail, bool serverConnected);

} // namespace clefmark
