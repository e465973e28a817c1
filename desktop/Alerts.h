// The two ways the program reports a failure to the user.
#pragma once

#include <QString>
#include <functional>

namespace clefmark {

/// A modal alert: `title` as its text, nothing more, and one "OK" button.
/// Returns when the user has dismissed it.
void runAlertPanel(const QString& title);

using AlertFunction = std::function<void(const QString& title)>;

/// One line to standard error through Qt's logging, then a beep.
void logFailure(const QString& line);

} // namespace clefmark
