#include "tests/panels/PanelTestSupport.h"

namespace clefmark::test {
namespace {

    LogCapture* capturing = nullptr;

} // namespace

LogCapture::LogCapture()
{
    capturing = this;
    previous_ = qInstallMessageHandler(handle);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous_);
    capturing = nullptr;
}

void LogCapture::handle(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (capturing != nullptr)
        capturing->lines_ << message;
}

OpenedUrls::OpenedUrls()
    : previous_(setUrlOpener([this](const QUrl& url) {
        urls.push_back(url);
        return opens;
    }))
{
}

OpenedUrls::~OpenedUrls()
{
    setUrlOpener(std::move(previous_));
}

ResourcesAt::ResourcesAt(const QString& folder)
    : previous_(qgetenv("CLEFMARK_RESOURCES"))
{
    qputenv("CLEFMARK_RESOURCES", folder.toLocal8Bit());
}

ResourcesAt::~ResourcesAt()
{
    qputenv("CLEFMARK_RESOURCES", previous_);
}

} // namespace clefmark::test
