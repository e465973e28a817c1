// What a screen reader finds in the program's windows: the displays, the
// link fields, the line that tells why the tuner hears nothing, and the
// drop-down lists given names.
#pragma once

namespace clefmark {

/// Installs every accessible interface the program adds to Qt's; call once
/// the application object exists.
void installAccessibility();

} // namespace clefmark
