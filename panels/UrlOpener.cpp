#include "panels/UrlOpener.h"

#include <QDesktopServices>

namespace clefmark {
namespace {

    bool openInBrowser(const QUrl& url)
    {
        return QDesktopServices::openUrl(url);
    }

    UrlOpener& currentOpener()
    {
        static UrlOpener opener = openInBrowser;
        return opener;
    }

} // namespace

bool openUrl(const QUrl& url)
{
    return currentOpener()(url);
}

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(currentOpener());
    currentOpener() = opener ? std::move(opener) : UrlOpener(openInBrowser);
    return previous;
}

} // namespace clefmark
