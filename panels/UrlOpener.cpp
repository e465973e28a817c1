#include "panels/UrlOpener.h"

#include <QDesktopServices>

namespace clefmark {
namespace {

    void openInBrowser(const QUrl& url)
    {
        QDesktopServices::openUrl(url);
    }

    UrlOpener& currentOpener()
    {
        static UrlOpener opener = openInBrowser;
        return opener;
    }

} // namespace

void openUrl(const QUrl& url)
{
    currentOpener()(url);
}

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(currentOpener());
    currentOpener() = opener ? std::move(opener) : UrlOpener(openInBrowser);
    return previous;
}

} // namespace clefmark
