#include "views/Resources.h"

#include "ViewTestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace clefmark {
namespace {

    using test::TestResources;

    TEST(Resources, theEnvironmentOverridesEveryOtherFolder)
    {
        TestResources resources(false);
        EXPECT_EQ(resourceFolders(), QStringList { QDir::cleanPath(resources.path()) });
        resources.addFile(QStringLiteral("About.ui"), "<ui/>");
        EXPECT_EQ(findResource(QStringLiteral("About.ui")),
            QDir(resources.path()).filePath(QStringLiteral("About.ui")));
        EXPECT_TRUE(findResource(QStringLiteral("Help.ui")).isEmpty());
    }

    TEST(Resources, imagesComeAtTheDensityThatSuitsTheScreen)
    {
        struct Case {
            const char* available; // densities present, as digits
            qreal screen;
            int chosen;
        };
        const Case cases[] = {
            { "123", 1.0, 1 },
            { "123", 1.25, 2 },
            { "123", 2.0, 2 },
            { "123", 3.0, 3 },
            { "123", 4.0, 3 },
            { "1", 2.0, 1 },
            { "2", 1.0, 2 },
            { "13", 2.0, 3 },
            { "12", 3.0, 2 },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << c.available << " at " << c.screen);
            TestResources resources(false);
            for (const char* d = c.available; *d; ++d) {
                const int scale = *d - '0';
                const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
                resources.addImage(QStringLiteral("Thing%1.png").arg(suffix),
                    TestResources::solid(QSize(7, 5) * scale, Qt::red));
            }
            QString error;
            const QImage image = loadImage(QStringLiteral("Thing"), c.screen, &error);
            ASSERT_FALSE(image.isNull()) << error.toStdString();
            EXPECT_TRUE(error.isEmpty());
            EXPECT_EQ(image.devicePixelRatio(), c.chosen);
            // Whatever the density, the picture is 7 × 5 units.
            EXPECT_EQ(image.deviceIndependentSize(), QSizeF(7, 5));
        }
    }

    TEST(Resources, aMissingOrBrokenImageIsAnErrorThatSaysWhich)
    {
        TestResources resources(false);
        QString error;
        EXPECT_TRUE(loadImage(QStringLiteral("fingerCursor"), 1.0, &error).isNull());
        EXPECT_TRUE(error.contains(QStringLiteral("fingerCursor")));
        EXPECT_TRUE(error.contains(resources.path()));

        resources.addFile(QStringLiteral("images/status.png"), "not a picture");
        EXPECT_TRUE(loadImage(QStringLiteral("status"), 1.0, &error).isNull());
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot read image \"status\"")));
        // Without anywhere to report it, still no crash.
        EXPECT_TRUE(loadImage(QStringLiteral("status")).isNull());
    }

} // namespace
} // namespace clefmark
