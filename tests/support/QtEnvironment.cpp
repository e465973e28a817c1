#include "tests/support/QtEnvironment.h"

#include <cstdlib>
#include <memory>

namespace {

class QtEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
#ifdef CLEFMARK_RESOURCES_DIR
        // Before the application exists: the program has its resources from
        // its first moment, and the tests must see it the same way.
        ::setenv("CLEFMARK_RESOURCES", CLEFMARK_RESOURCES_DIR, 1);
#endif
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override
    {
        app_.reset();
    }

private:
    int argc_ = 1;
    char name_[16] = "clefmark_tests";
    char* argv_[2] = { name_, nullptr };
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] testing::Environment* const environment
    = testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

// Qt's platform plugins, fontconfig and GLib keep caches for the life of the
// process that LeakSanitizer reports at exit; none of them is ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n"
           "leak:libdbus-1\n"
           "leak:libglib-2.0\n"
           "leak:libQt6Gui\n"
           "leak:libQt6Core\n"
           "leak:libQt6Widgets\n";
}
