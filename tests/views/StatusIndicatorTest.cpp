#include "views/StatusIndicator.h"

#include "ViewTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace clefmark {
namespace {

    using test::TestResources;

    /// Each pixel column of row `y`: '-' the picture, 'x' its negative.
    std::string columns(const QImage& image, int y)
    {
        std::string drawn;
        for (int x = 0; x < image.width(); ++x) {
            const QColor at = image.pixelColor(x, y);
            drawn += at == TestResources::statusColour ? '-'
                : at == TestResources::statusNegative  ? 'x'
                                                       : '?';
        }
        return drawn;
    }

    std::string band(int inverted, int from = 0, int width = 50)
    {
        std::string expected(static_cast<std::size_t>(width), '-');
        for (int x = from; x < from + inverted; ++x)
            expected[static_cast<std::size_t>(x)] = 'x';
        return expected;
    }

    void step(StatusIndicator& view, int times)
    {
        for (int i = 0; i < times; ++i)
            view.increment();
    }

    TEST(StatusIndicator, theNegativeWipesAcrossAndBackInAHundredSteps)
    {
        struct Case {
            int increments;
            std::string columns;
        };
        const Case cases[] = {
            { 0, band(0) }, // a new view shows the picture as it is
            { 1, band(1) }, // the negative spreads from the left…
            { 25, band(25) },
            { 50, band(50) }, // …until all of it is inverted,
            { 51, band(49, 1) }, // then the picture comes back from the left
            { 75, band(25, 25) },
            { 99, band(1, 49) },
            { 100, band(0) }, // and the cycle starts again
            { 150, band(50) },
            { 1234, band(34) },
        };
        TestResources resources;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.increments);
            StatusIndicator view(QRectF(0, 0, 50, 10));
            step(view, c.increments);
            EXPECT_EQ(view.status(), c.increments % 100);
            const QImage image = test::render(view);
            ASSERT_EQ(image.size(), QSize(50, 10));
            EXPECT_EQ(columns(image, 0), c.columns);
            EXPECT_EQ(columns(image, 9), c.columns);
        }
    }

    TEST(StatusIndicator, thePictureAlwaysFillsTheView)
    {
        TestResources resources;
        StatusIndicator view(QRectF(0, 0, 100, 30));
        step(view, 25);
        const QImage image = test::render(view);
        EXPECT_EQ(test::paintedRect(image), QRect(0, 0, 100, 30));
        // Stretched twice across: a band of 25 columns becomes 50 (the two
        // columns at its edge are smoothed between picture and negative).
        std::string drawn = columns(image, 15);
        std::string expected = band(50, 0, 100);
        EXPECT_EQ(drawn.erase(49, 2), expected.erase(49, 2));
    }

    TEST(StatusIndicator, aDensePictureStillStepsOneUnitColumnAtATime)
    {
        // Only a 2x picture: it is 100 pixels wide but 50 units.
        TestResources resources(false);
        resources.addImage(QStringLiteral("status@2x.png"),
            TestResources::solid({ 100, 20 }, TestResources::statusColour));
        StatusIndicator view(QRectF(0, 0, 50, 10));
        ASSERT_EQ(view.statusImage().deviceIndependentSize(), QSizeF(50, 10));
        for (const auto& [increments, expected] :
            { std::pair { 25, band(50, 0, 100) }, std::pair { 99, band(2, 98, 100) } }) {
            SCOPED_TRACE(increments);
            step(view, increments - view.status());
            const QImage image = test::render(view, 2.0);
            ASSERT_EQ(image.size(), QSize(100, 20));
            EXPECT_EQ(columns(image, 10), expected);
        }
    }

    TEST(StatusIndicator, everyStepAsksForARedrawOfItselfAlone)
    {
        TestResources resources;
        QWidget window;
        window.resize(50, 10);
        StatusIndicator view(QRectF(0, 0, 50, 10), &window);
        window.show();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(test::paintsDuring(view, [&] { view.increment(); }), 1);
        // Its picture covers it, so what lies beneath is not drawn again.
        EXPECT_EQ(test::paintsDuring(window, [&] { view.increment(); }), 0);
    }

    TEST(StatusIndicator, aFrameShortOfItsPixelsLetsWhatLiesBeneathBeDrawn)
    {
        TestResources resources;
        QWidget window;
        window.resize(50, 10);
        // 49.6 units wide on 50 pixels: the last column is not all picture.
        StatusIndicator view(QRectF(0, 0, 49.6, 10), &window);
        ASSERT_EQ(view.width(), 50);
        window.show();
        EXPECT_EQ(test::paintsDuring(window, [&] { view.increment(); }), 1);
    }

    TEST(StatusIndicator, withoutItsPictureTheViewDrawsNothing)
    {
        TestResources empty(false);
        StatusIndicator view(QRectF(0, 0, 50, 10));
        step(view, 10);
        EXPECT_TRUE(view.statusImage().isNull());
        EXPECT_TRUE(test::paintedRect(test::render(view)).isNull());
    }

} // namespace
} // namespace clefmark
