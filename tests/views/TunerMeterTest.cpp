#include "views/TunerMeter.h"

#include "ViewTestSupport.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace clefmark {
namespace {

    /// The columns painted in row `y`, each checked to be exactly `colour`.
    std::vector<int> needleColumns(const QImage& image, int y, const QColor& colour)
    {
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            const QColor at = test::pixel(image, x, y);
            if (at.alpha() == 0)
                continue;
            EXPECT_EQ(at, colour) << "column " << x;
            columns.push_back(x);
        }
        return columns;
    }

    /// A meter 65 × 20 in a shown window whose content area the test resizes.
    struct Meter {
        Meter()
        {
            window.resize(65, 20);
            view = new TunerMeter(QRectF(0, 0, 65, 20), &window);
            window.show();
        }
        QWidget window;
        TunerMeter* view;
    };

    TEST(TunerMeter, theNeedleCoversTheUnitColumnOfItsPositionInItsColour)
    {
        struct Case {
            int tune;
            bool inTune;
            int scale;
            std::vector<int> columns;
        };
        const Case cases[] = {
            { 0, true, 1, { 32 } },
            { -40, false, 1, { 0 } },
            { 40, true, 1, { 64 } },
            { -32, true, 1, { 0 } },
            { 31, false, 1, { 63 } },
            { INT_MAX, true, 1, { 64 } },
            { INT_MIN, false, 1, { 0 } },
            // Twice the size: two pixels wide, position p centred at 2p + 1.
            { 0, true, 2, { 64, 65 } },
            { -40, false, 2, { 0, 1 } },
            { 40, true, 2, { 128, 129 } },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "tune " << c.tune << " at " << c.scale << "x");
            Meter meter;
            meter.window.resize(65 * c.scale, 20 * c.scale);
            meter.view->setTune(c.tune, c.inTune);
            const QImage image = test::render(*meter.view);
            ASSERT_EQ(image.size(), QSize(65, 20) * c.scale);
            const QColor colour = c.inTune ? TunerMeter::green : TunerMeter::red;
            // The needle runs the full height.
            for (const int y : { 0, image.height() / 2, image.height() - 1 })
                EXPECT_EQ(needleColumns(image, y, colour), c.columns) << "row " << y;
        }
    }

    TEST(TunerMeter, aNewMeterStandsRedAtTheFarLeft)
    {
        Meter meter;
        const QImage image = test::render(*meter.view);
        EXPECT_EQ(needleColumns(image, 10, TunerMeter::red), std::vector<int> { 0 });
    }

    TEST(TunerMeter, onlyAVisibleChangeAsksForARedraw)
    {
        Meter meter;
        TunerMeter& view = *meter.view;
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setTune(5, false); }), 1);
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setTune(5, false); }), 0);
        // Only the colour changes: the needle is redrawn in place.
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setTune(5, true); }), 1);
        // Beyond the end the needle does not move.
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setTune(40, true); }), 1);
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setTune(99, true); }), 0);
        EXPECT_EQ(view.displayTune(), 64);
    }

} // namespace
} // namespace clefmark
