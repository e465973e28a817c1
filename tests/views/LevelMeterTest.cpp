#include "views/LevelMeter.h"

#include "ViewTestSupport.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace clefmark {
namespace {

    using test::ManualTimer;

    /// The eight segments as drawn, read at the middle of each one: 'G' green,
    /// 'R' red, '.' nothing. Also checks that the gaps stay unpainted and that
    /// a painted segment fills its whole width and height.
    std::string segments(const QImage& image)
    {
        const int unit = image.width() / 60;
        std::string drawn;
        for (int i = 0; i < LevelMeter::kSegments; ++i) {
            const int left = 8 * unit * i;
            const QColor colour = test::pixel(image, left + 2 * unit, image.height() / 2);
            drawn += colour == LevelMeter::green ? 'G'
                : colour == LevelMeter::red      ? 'R'
                : colour.alpha() == 0            ? '.'
                                                 : '?';
            for (int y : { 0, image.height() - 1 }) {
                EXPECT_EQ(test::pixel(image, left, y), colour) << "segment " << i;
                EXPECT_EQ(test::pixel(image, left + 4 * unit - 1, y), colour) << "segment " << i;
            }
            if (i < LevelMeter::kSegments - 1) {
                EXPECT_EQ(test::pixel(image, left + 4 * unit, image.height() / 2).alpha(), 0)
                    << "gap " << i;
                EXPECT_EQ(test::pixel(image, left + 8 * unit - 1, image.height() / 2).alpha(), 0)
                    << "gap " << i;
            }
        }
        return drawn;
    }

    /// A meter 60 × 10, one unit a pixel, with a timer the test fires.
    struct Meter {
        Meter()
        {
            parent.resize(60, 10);
            view = new LevelMeter(QRectF(0, 0, 60, 10), &parent);
            auto owned = std::make_unique<ManualTimer>();
            timer = owned.get();
            view->setDecayTimer(std::move(owned));
        }
        std::string draw() { return segments(test::render(*view)); }

        QWidget parent;
        LevelMeter* view;
        ManualTimer* timer;
    };

    TEST(LevelMeter, levelsLightSegmentsFromTheLeftAndFullScaleEndsInRed)
    {
        struct Case {
            int level;
            const char* drawn;
        };
        const Case cases[] = {
            { 0, "........" },
            { 1, "G......." },
            { 5, "GGGGG..." },
            { 7, "GGGGGGG." },
            { 8, "GGGGGGGR" },
            { 9, "GGGGGGGR" },
            { -3, "........" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.level);
            // A fresh meter each time, so that no peak is left over.
            Meter meter;
            meter.view->setLevel(c.level);
            EXPECT_EQ(meter.draw(), c.drawn);
        }
    }

    TEST(LevelMeter, quietDrawsNothingAndSchedulesNothing)
    {
        Meter meter;
        meter.view->setLevel(0);
        EXPECT_EQ(meter.draw(), "........");
        EXPECT_EQ(meter.timer->starts(), 0);
    }

    TEST(LevelMeter, thePeakMarkerWalksDownOneSegmentPerStepUntilItMeetsTheLevel)
    {
        Meter meter;
        meter.view->setLevel(8);
        EXPECT_EQ(meter.draw(), "GGGGGGGR");
        EXPECT_EQ(meter.timer->pending(), 0.2);

        // The level drops while the step scheduled at full scale is pending:
        // the marker stays at full scale, red.
        meter.view->setLevel(3);
        EXPECT_EQ(meter.draw(), "GGG....R");

        const char* walk[] = { "GGG...G.", "GGG..G..", "GGG.G...", "GGGG....", "GGG....." };
        for (const char* expected : walk) {
            SCOPED_TRACE(expected);
            ASSERT_EQ(meter.timer->pending(), 0.2);
            ASSERT_TRUE(meter.timer->fire());
            EXPECT_EQ(meter.draw(), expected);
        }
        // The last step met the level and the marker is gone; the next one is
        // already pending, and takes the marker inside the lit segments.
        EXPECT_EQ(meter.view->peak(), 3);
        EXPECT_EQ(meter.view->level(), 3);
        ASSERT_TRUE(meter.timer->fire());
        EXPECT_EQ(meter.draw(), "GGG.....");
        EXPECT_EQ(meter.view->peak(), 2);
    }

    TEST(LevelMeter, withoutLevelsThePeakFallsToZeroAndTheTimerStops)
    {
        Meter meter;
        meter.view->setLevel(2);
        meter.draw();
        int steps = 0;
        while (meter.timer->fire()) {
            meter.draw();
            ++steps;
        }
        EXPECT_EQ(steps, 2);
        EXPECT_EQ(meter.view->peak(), 0);
        EXPECT_FALSE(meter.view->isDecayPending());
        // The lit segments stay as the last level left them.
        EXPECT_EQ(meter.draw(), "GG......");
    }

    TEST(LevelMeter, aHeldLevelRestartsThePendingStepAtEveryRedraw)
    {
        Meter meter;
        meter.view->setLevel(5);
        EXPECT_EQ(meter.draw(), "GGGGG...");
        EXPECT_EQ(meter.draw(), "GGGGG...");
        EXPECT_EQ(meter.timer->starts(), 2);
        EXPECT_EQ(meter.timer->pending(), 0.2);
    }

    TEST(LevelMeter, onlyAChangeOfLitSegmentsAsksForARedraw)
    {
        QWidget window;
        window.resize(60, 10);
        LevelMeter view(QRectF(0, 0, 60, 10), &window);
        auto owned = std::make_unique<ManualTimer>();
        ManualTimer& timer = *owned;
        view.setDecayTimer(std::move(owned));
        window.show();

        EXPECT_EQ(test::paintsDuring(view, [&] { view.setLevel(4); }), 1);
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setLevel(4); }), 0);
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setLevel(2); }), 1);
        // Each step of the marker above the level redraws; the third takes it
        // inside the lit segments, where it cannot be seen, and only goes on.
        for (int step = 0; step < 2; ++step)
            EXPECT_EQ(test::paintsDuring(view, [&] { ASSERT_TRUE(timer.fire()); }), 1);
        EXPECT_EQ(test::paintsDuring(view, [&] { ASSERT_TRUE(timer.fire()); }), 0);
        EXPECT_EQ(view.peak(), 1);
        EXPECT_EQ(timer.pending(), LevelMeter::kDecaySeconds);
        // The drawn level again raises the peak silently.
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setLevel(2); }), 0);
        EXPECT_EQ(view.peak(), 2);

        // A steady full scale, as a loud held note gives: the marker never
        // shows, and its steps, which go on, redraw nothing.
        EXPECT_EQ(test::paintsDuring(view, [&] { view.setLevel(8); }), 1);
        for (int block = 0; block < 4; ++block) {
            EXPECT_EQ(test::paintsDuring(view,
                          [&] {
                              ASSERT_TRUE(timer.fire());
                              view.setLevel(8);
                          }),
                0);
        }
        EXPECT_EQ(view.peak(), 8);
    }

    TEST(LevelMeter, segmentsFillTheWidthAfterTheWindowHasGrown)
    {
        QWidget window;
        window.resize(60, 10);
        LevelMeter view(QRectF(0, 0, 60, 10), &window);
        view.setDecayTimer(std::make_unique<ManualTimer>());
        window.show();
        window.resize(180, 30);
        view.setLevel(8);
        const QImage image = test::render(view);
        ASSERT_EQ(image.size(), QSize(180, 30));
        EXPECT_EQ(segments(image), "GGGGGGGR");
        EXPECT_EQ(test::pixel(image, 179, 29), LevelMeter::red);
    }

    TEST(EventLoopTimer, firesOnceReplacesAPendingCallAndCanBeCancelled)
    {
        // A zero delay is due at once, so the event loop alone runs it.
        const auto settle = [] {
            for (int i = 0; i < 10; ++i)
                QCoreApplication::processEvents();
        };
        auto timer = makeEventLoopTimer();
        int first = 0;
        int second = 0;
        timer->start(0.0, [&] { ++first; });
        timer->start(0.0, [&] { ++second; });
        settle();
        EXPECT_EQ(first, 0);
        EXPECT_EQ(second, 1);

        timer->start(0.0, [&] { ++first; });
        timer->cancel();
        settle();
        EXPECT_EQ(first, 0);

        // A callback may start the next call, as the level meter's redraw does.
        int chained = 0;
        std::function<void()> again = [&] {
            if (++chained < 3)
                timer->start(0.0, again);
        };
        timer->start(0.0, again);
        settle();
        EXPECT_EQ(chained, 3);
    }

} // namespace
} // namespace clefmark
