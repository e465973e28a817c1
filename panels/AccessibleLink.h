// What a screen reader finds in a link field: a link named by the address
// it shows, which it can follow with the link's own action.
#pragma once

namespace clefmark {

/// Installs the link fields' accessible interface; call once the
/// application object exists. Calling it again changes nothing.
void installLinkAccessibility();

} // namespace clefmark
