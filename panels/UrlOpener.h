// Opening web addresses in the user's browser, replaceable so that tests
// see what would have been opened without starting a browser.
#pragma once

#include <QUrl>
#include <functional>

namespace clefmark {

/// Returns false when nothing could be started to open the address.
using UrlOpener = std::function<bool(const QUrl&)>;

/// Hands `url` to the current opener; by default the desktop's browser.
/// False when nothing could be started to open it (no browser, say); a
/// browser that starts and then fails is not seen.
bool openUrl(const QUrl& url);

/// Replaces the opener (an empty one restores the desktop's) and returns the
/// one it replaced.
UrlOpener setUrlOpener(UrlOpener opener);

} // namespace clefmark
