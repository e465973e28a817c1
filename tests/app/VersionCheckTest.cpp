#include "app/VersionCheck.h"

#include <gtest/gtest.h>
#include <ostream>

namespace clefmark {
namespace {

    constexpr int kBuiltFor = 0x060402; // 6.4.2

    struct VersionCase {
        const char* running;
        bool sufficient;
        friend void PrintTo(const VersionCase& c, std::ostream* os)
        {
            // Spaces and empty names make awkward test names.
            *os << 'v';
            for (const char* p = c.running; *p != '\0'; ++p)
                *os << (*p == ' ' ? '_' : *p);
        }
    };

    class QtVersion : public testing::TestWithParam<VersionCase> { };

    TEST_P(QtVersion, MinorVersionDecides)
    {
        EXPECT_EQ(qtVersionSufficient(QString::fromLatin1(GetParam().running), kBuiltFor),
            GetParam().sufficient)
            << GetParam().running;
    }

    INSTANTIATE_TEST_SUITE_P(Table, QtVersion,
        testing::Values(
            VersionCase { "6.4.0", true }, // exactly the minimum: an older patch is fine
            VersionCase { "6.4.2", true }, VersionCase { "6.4", true },
            VersionCase { "6.5.0", true },
            VersionCase { "6.10.1", true }, // numbers, not text: 10 > 4
            VersionCase { "7.0.0", true }, VersionCase { "6.3.9", false },
            VersionCase { "6.3", false }, VersionCase { "5.15.8", false },
            VersionCase { "6", false }, VersionCase { "", false },
            VersionCase { "six.four", false }, VersionCase { " 6.4.1 ", true }));

    TEST(QtVersion, AlertNamesTheVersionBuiltFor)
    {
        EXPECT_EQ(qtVersionAlertTitle(),
            QStringLiteral("Sorry, Clefmark runs only on Qt %1.%2 or later.")
                .arg(QT_VERSION_MAJOR)
                .arg(QT_VERSION_MINOR));
        EXPECT_TRUE(qtVersionSufficient(minimumQtVersion()));
        EXPECT_TRUE(qtVersionSufficient(QString::fromLatin1(qVersion())));
    }

} // namespace
} // namespace clefmark
