#include "tests/panels/PanelTestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

// Caches of the system's libraries that Qt loads and never frees.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n"
           "leak:libdbus-1\n"
           "leak:libglib-2.0\n"
           "leak:libQt6Gui\n"
           "leak:libQt6Core\n"
           "leak:libQt6Widgets\n";
}

namespace clefmark::test {
namespace {

    class PanelEnvironment final : public ::testing::Environment {
    public:
        void SetUp() override
        {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("CLEFMARK_RESOURCES", CLEFMARK_RESOURCES_DIR);
            app_ = std::make_unique<QApplication>(argc_, argv_);
        }
        void TearDown() override { app_.reset(); }

    private:
        int argc_ = 1;
        char name_[16] = "panels_tests";
        char* argv_[2] = { name_, nullptr };
        std::unique_ptr<QApplication> app_;
    };

    [[maybe_unused]] ::testing::Environment* const environment
        = ::testing::AddGlobalTestEnvironment(new PanelEnvironment);

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
    : previous_(setUrlOpener([this](const QUrl& url) { urls.push_back(url); }))
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
