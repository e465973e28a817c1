// Opening web addresses in the user's browser, replaceable so that tests
// see what would have been opened without starting a browser.
#pragma once

#include <QUrl>
#include <functional>

namespace clefmark {

using UrlOpener = std::function<void(const QUrl&)>;

/// Hands `url` to the current opener; by default the desktop's browser. The
/// result is not reported: there is nothing the user could do about it.
void openUrl(const QUrl& url);

/// Replaces the opener (an empty one restores the desktop's) and returns the
/// one it replaced.
UrlOpener setUrlOpener(UrlOpener opener);

} // namespace clefmark
