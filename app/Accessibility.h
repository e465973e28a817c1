// What a screen reader finds in the program's windows: the displays, the
// link fields, and the line that tells why the tuner hears nothing.
#pragma once

namespace clefmark {

/// Installs every accessible interface the program adds to Qt's; call once
/// the application object exists.
void installAccessibility();

} // namespace clefmark
