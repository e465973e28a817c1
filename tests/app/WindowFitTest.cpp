#include "app/WindowFit.h"

#include "views/ScaledColumn.h"

#include <gtest/gtest.h>
#include <optional>

namespace clefmark {
namespace {

    constexpr QSize kUnit { 181, 422 }; // the picture with the readout under it

    TEST(WindowFit, ZoomStepsThroughTheWholeMultiplesThatFitTheScreen)
    {
        struct Case {
            const char* what;
            QSize room;
            double scale;
            Zoom zoom;
            std::optional<int> expected;
        };
        const QSize screen { 1280, 1000 }; // 1280x1024 less the menu bar: twice fits
        const Case cases[] = {
            { "in from the least size", screen, 1, Zoom::In, 2 },
            { "in at the largest that fits", screen, 2, Zoom::In, std::nullopt },
            { "in from between multiples", screen, 1.5, Zoom::In, 2 },
            { "in would shrink a window past the largest", screen, 2.5, Zoom::In, std::nullopt },
            { "in on a tall screen", { 1920, 1900 }, 3, Zoom::In, 4 },
            { "in, a pixel's rounding over a multiple", { 1920, 1900 }, 2.0004, Zoom::In, 3 },
            { "out to the least size", screen, 2, Zoom::Out, 1 },
            { "out at the least size", screen, 1, Zoom::Out, std::nullopt },
            { "out from between multiples", screen, 1.5, Zoom::Out, 1 },
            { "out, a pixel's rounding under a multiple", { 1920, 1900 }, 2.9996, Zoom::Out, 2 },
            { "out from past the screen lands on the largest", screen, 5, Zoom::Out, 2 },
            { "actual size", screen, 3, Zoom::ActualSize, 1 },
            { "actual size at it", screen, 1, Zoom::ActualSize, std::nullopt },
            { "a screen smaller than the least size", { 100, 100 }, 1, Zoom::In, std::nullopt },
        };
        for (const Case& c : cases)
            EXPECT_EQ(zoomedMultiple(c.zoom, c.scale, largestMultiple(kUnit, c.room)), c.expected)
                << c.what;
    }

    TEST(WindowFit, ASizeIsClampedToTheScreenInProportion)
    {
        struct Case {
            const char* what;
            QSize content;
            QSize room;
            bool whole;
            QSize expected;
        };
        const Case cases[] = {
            { "fits: as it is", { 543, 1266 }, { 1280, 1300 }, false, { 543, 1266 } },
            { "fits out of proportion: as it is", { 300, 300 }, { 1280, 1000 }, false,
                { 300, 300 } },
            { "900 wide made 900x2098 by its proportions", { 900, 2098 }, { 1280, 997 }, false,
                { 428, 997 } },
            { "too wide", { 1810, 4220 }, { 905, 5000 }, false, { 905, 2110 } },
            { "Alt's multiple: the largest whole one", { 724, 1688 }, { 1280, 997 }, true,
                { 362, 844 } },
            // Below the least size only where nothing else fits: three times
            // the size on a screen of 1280 x 1024, less a menu bar.
            { "a screen smaller than the least size", { 362, 844 }, { 427, 319 }, false,
                { 137, 319 } },
            { "smaller, by a whole multiple", { 181, 422 }, { 427, 319 }, true, { 137, 319 } },
        };
        for (const Case& c : cases)
            EXPECT_EQ(fitInRoom(c.content, kUnit, c.room, c.whole), c.expected) << c.what;
    }

    TEST(WindowFit, ARememberedPlaceGoesOnlyOntoAScreenThatIsThere)
    {
        const QList<QRect> screens { { 0, 0, 1280, 1024 }, { 1280, 0, 1920, 1080 } };
        const QSize frame { 181, 444 };
        struct Case {
            const char* what;
            QPoint place;
            QList<QRect> screens;
            std::optional<QPoint> expected;
            int screen;
        };
        const Case cases[] = {
            { "on the first screen", { 100, 100 }, screens, QPoint(100, 100), 0 },
            { "on the second screen", { 2000, 300 }, screens, QPoint(2000, 300), 1 },
            { "past the bottom: pulled up", { 100, 700 }, screens, QPoint(100, 580), 0 },
            { "across two: onto the one with its centre", { 1200, 500 }, screens, QPoint(1280, 500),
                1 },
            { "on a screen gone", { 3500, 300 }, screens, std::nullopt, 0 },
            { "on a screen gone, the other left", { 2000, 300 }, { screens[0] }, std::nullopt, 0 },
            { "no screens at all", { 100, 100 }, {}, std::nullopt, -1 },
        };
        for (const Case& c : cases) {
            EXPECT_EQ(restoredPlace(c.place, frame, c.screens), c.expected) << c.what;
            EXPECT_EQ(screenOf(QRect(c.place, frame), c.screens), c.screen) << c.what;
        }
    }

    TEST(WindowFit, MaximisedTheContentIsLetterboxedInItsProportions)
    {
        struct Case {
            const char* what;
            QSize area;
            QSize designed;
            QRect expected;
        };
        const Case cases[] = {
            { "in proportion: all of it", { 362, 844 }, kUnit, { 0, 0, 362, 844 } },
            { "a rounded pixel off: all of it", { 272, 633 }, kUnit, { 0, 0, 272, 633 } },
            { "a wide screen: bars left and right", { 1280, 1000 }, kUnit, { 425, 0, 429, 1000 } },
            { "a tall window: bars above and below", { 181, 1000 }, kUnit, { 0, 289, 181, 422 } },
            { "nothing designed: all of it", { 300, 200 }, {}, { 0, 0, 300, 200 } },
        };
        for (const Case& c : cases)
            EXPECT_EQ(letterbox(c.area, c.designed), c.expected) << c.what;
    }

} // namespace
} // namespace clefmark
