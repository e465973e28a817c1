// Whether the Qt found at run time is one Clefmark can run on.
#pragma once

#include <QString>

namespace clefmark {

/// The oldest Qt Clefmark runs on: the major and minor version it was built
/// for.
QString minimumQtVersion();

/// True when `runningVersion` ("6.4.2", as qVersion() gives it) is the
/// minimum or later. A version that cannot be read counts as too old.
bool qtVersionSufficient(const QString& runningVersion, int builtForVersion);
bool qtVersionSufficient(const QString& runningVersion);

/// "Sorry, Clefmark runs only on Qt 6.4 or later."
QString qtVersionAlertTitle();

} // namespace clefmark
