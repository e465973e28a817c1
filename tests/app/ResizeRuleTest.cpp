#include "app/ResizeRule.h"

#include <cstring>
#include <gtest/gtest.h>
#include <ostream>

namespace clefmark {
namespace {

    constexpr WindowSize kMinimum { 320.0f, 200.0f };

    struct AltCase {
        const char* what;
        WindowSize proposed;
        WindowSize expected;
        friend void PrintTo(const AltCase& c, std::ostream* os) { *os << c.what; }
    };

    class AltResize : public testing::TestWithParam<AltCase> { };

    TEST_P(AltResize, SnapsToWholeMultiplesOfTheMinimum)
    {
        const AltCase& c = GetParam();
        EXPECT_EQ(windowWillResize(c.proposed, kMinimum, true), c.expected) << c.what;
    }

    INSTANTIATE_TEST_SUITE_P(Table, AltResize,
        testing::Values(AltCase { "exactly the minimum", { 320, 200 }, { 320, 200 } },
            AltCase { "just under 1.5 h", { 500, 299.99f }, { 320, 200 } },
            AltCase { "1.5 h rounds to the even 2", { 100, 300 }, { 640, 400 } },
            AltCase { "2.5 h rounds to the even 2", { 9999, 500 }, { 640, 400 } },
            AltCase { "3.5 h rounds to the even 4", { 320, 700 }, { 1280, 800 } },
            AltCase { "just over 2.5 h", { 640, 500.1f }, { 960, 600 } },
            AltCase { "width plays no part", { 5000, 410 }, { 640, 400 } },
            AltCase { "narrower than the minimum", { 10, 610 }, { 960, 600 } },
            AltCase { "under half the minimum keeps the minimum", { 320, 90 }, { 320, 200 } },
            AltCase { "zero height keeps the minimum", { 320, 0 }, { 320, 200 } }));

    TEST(ResizeRule, WithoutAltTheProposalComesBackBitForBit)
    {
        for (const WindowSize proposed :
            { WindowSize { 123.456f, 78.9f }, WindowSize { 1e-7f, 3e9f },
                WindowSize { -0.0f, 0.0f }, WindowSize { 320, 200 } }) {
            const WindowSize result = windowWillResize(proposed, kMinimum, false);
            EXPECT_EQ(std::memcmp(&result, &proposed, sizeof result), 0);
        }
    }

    TEST(ResizeRule, AMinimumWithoutSizeLeavesTheProposal)
    {
        EXPECT_EQ(windowWillResize({ 400, 300 }, { 0, 0 }, true), (WindowSize { 400, 300 }));
        EXPECT_EQ(
            keepAspectRatio({ 320, 200 }, { 400, 300 }, { 320, 0 }), (WindowSize { 400, 300 }));
    }

    struct AspectCase {
        const char* what;
        WindowSize previous;
        WindowSize proposed;
        WindowSize expected;
        friend void PrintTo(const AspectCase& c, std::ostream* os) { *os << c.what; }
    };

    class Aspect : public testing::TestWithParam<AspectCase> { };

    TEST_P(Aspect, KeepsTheMinimumsProportions)
    {
        const AspectCase& c = GetParam();
        EXPECT_EQ(keepAspectRatio(c.previous, c.proposed, kMinimum), c.expected) << c.what;
    }

    INSTANTIATE_TEST_SUITE_P(Table, Aspect,
        testing::Values(AspectCase { "width dragged: height follows", { 320, 200 }, { 480, 200 },
                            { 480, 300 } },
            AspectCase {
                "height dragged: width follows", { 320, 200 }, { 320, 300 }, { 480, 300 } },
            AspectCase {
                "both dragged: the larger growth wins", { 320, 200 }, { 400, 400 }, { 640, 400 } },
            AspectCase { "shrunk below the minimum", { 640, 400 }, { 100, 400 }, { 320, 200 } },
            AspectCase { "already in proportion", { 320, 200 }, { 640, 400 }, { 640, 400 } },
            AspectCase { "rounded to whole pixels", { 320, 200 }, { 333, 200 }, { 333, 208 } }));

} // namespace
} // namespace clefmark
