#include "tuner/PeriodDetector.h"

#include "tests/support/Signals.h"
#include "tuner/SampleIntake.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <vector>

namespace clefmark {
namespace {

    PeriodDetector detectorAt(float rate)
    {
        PeriodDetector d;
        const BlockSize size = analysisBlockSize(rate);
        EXPECT_TRUE(size.refusal.empty()) << size.refusal;
        d.InitTunerProject(rate, size.frames);
        return d;
    }

    // A normalised block that is silent but for a full-depth trough just before
    // each given position, so the trough pass marks exactly those positions.
    std::vector<float> crossingsAt(const std::vector<int>& positions, std::size_t frames)
    {
        std::vector<float> block(frames, 0.0f);
        for (int p : positions) {
            block[static_cast<std::size_t>(p - 1)] = -1.0f;
            block[static_cast<std::size_t>(p)] = 0.5f;
        }
        return block;
    }

    // Crossing positions from 10 on, spaced by the given periods.
    std::vector<int> spacedBy(const std::vector<int>& periods)
    {
        std::vector<int> positions { 10 };
        for (int p : periods)
            positions.push_back(positions.back() + p);
        return positions;
    }

    std::optional<float> troughPass(PeriodDetector& d, const std::vector<float>& block)
    {
        bool guardReset = false;
        d.Analyze2(block.data());
        return d.ExaminePeriods(guardReset);
    }

    TEST(PeriodDetector, BlockSizesAndConstantsScaleWithTheRate)
    {
        struct Case {
            float rate;
            std::uint32_t frames;
            double drain4;
            double drain8;
            int threshold1;
            int threshold2;
        };
        const Case cases[] = {
            { 22050, 1002, 0.001995465, 0.0009977324, 16, 63 },
            { 22528, 1024, 0.001953125, 0.0009765625, 16, 64 },
            { 44100, 2004, 0.0009977324, 0.0004988662, 31, 125 },
            { 48000, 2181, 0.0009166667, 0.0004583333, 34, 136 },
            { 96000, 4363, 0.0004583333, 0.0002291667, 68, 273 },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.rate);
            PeriodDetector d = detectorAt(c.rate);
            EXPECT_EQ(d.bufferFrames(), c.frames);
            EXPECT_EQ(d.peakPositions().size(), c.frames);
            EXPECT_NEAR(d.drainDelta4Value(), c.drain4, c.drain4 * 1e-6);
            EXPECT_NEAR(d.drainDelta8Value(), c.drain8, c.drain8 * 1e-6);
            EXPECT_EQ(d.diThreshold1Value(), c.threshold1);
            EXPECT_EQ(d.diThreshold2Value(), c.threshold2);
        }
        EXPECT_EQ(detectorAt(22528).drainDelta4Value(), 1.0f / 512);
        EXPECT_EQ(detectorAt(22528).drainDelta8Value(), 1.0f / 1024);
    }

    TEST(PeriodDetector, RatesOutsideTheSixteenBitBlockAreRefused)
    {
        const float refused[] = { 0.0f, -44100.0f, 1407.0f, 1441792.0f, 1e30f,
            std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity() };
        for (float rate : refused) {
            const BlockSize size = analysisBlockSize(rate);
            EXPECT_EQ(size.frames, 0u) << rate;
            EXPECT_NE(size.refusal.find("cannot be analysed"), std::string::npos) << rate;
        }
        EXPECT_EQ(analysisBlockSize(1408.0f).frames, 64u);
        EXPECT_EQ(analysisBlockSize(1441791.0f).frames, 65535u);
    }

    TEST(PeriodDetector, LevelStepsEveryThreeDecibels)
    {
        // Smallest peak (as a 16-bit magnitude) of each level.
        const int smallest[] = { 0, 5841, 8251, 11654, 16462, 23253, 32846, 46396, 65535 };
        auto peakOf = [](int v) { return static_cast<float>((v + 0.5) / 65535.0); };
        for (int level = 1; level <= 8; ++level) {
            const int v = smallest[level];
            if (level < 8) {
                EXPECT_EQ(PeriodDetector::levelValue(peakOf(v)), level) << v;
            }
            EXPECT_EQ(PeriodDetector::levelValue(peakOf(v - 1)), level - 1) << v - 1;
        }
        EXPECT_EQ(PeriodDetector::levelValue(1.0f), 8);
        EXPECT_EQ(PeriodDetector::levelValue(0.99999f), 7);
        EXPECT_EQ(PeriodDetector::levelValue(0.5f), 5);
        EXPECT_EQ(PeriodDetector::levelValue(0.048828125f), 0);
        EXPECT_EQ(PeriodDetector::levelValue(0.0f), 0);
    }

    TEST(PeriodDetector, QuietBlocksAreNotAnalysed)
    {
        PeriodDetector d = detectorAt(44100);
        std::vector<float> silent(2004, 0.0f);
        BlockAnalysis a = d.detectPitch(silent.data());
        EXPECT_EQ(a.level, 0);
        EXPECT_TRUE(a.octaveGuardReset);
        EXPECT_FALSE(a.frequency);

        std::vector<float> quiet = test::periodicSine(100, 1.0f, 2004);
        for (float& x : quiet)
            x *= 0.048828125f;
        a = d.detectPitch(quiet.data());
        EXPECT_EQ(a.level, 0);
        EXPECT_TRUE(a.octaveGuardReset);
        EXPECT_FALSE(a.frequency);
        EXPECT_EQ(d.nPeaksCount(), 0) << "no pass ran";
    }

    TEST(PeriodDetector, SineOf441HzAcrossTwoBlocks)
    {
        PeriodDetector d = detectorAt(44100);
        const std::vector<float> tone = test::periodicSine(100, 0.5f, 2 * 2004);
        std::vector<float> block(tone.begin(), tone.begin() + 2004);
        BlockAnalysis a = d.detectPitch(block.data());
        EXPECT_EQ(a.level, 5);
        EXPECT_EQ(d.nPeaksCount(), 20);
        ASSERT_TRUE(a.frequency);
        EXPECT_EQ(*a.frequency, 441.0f);
        EXPECT_FALSE(a.octaveGuardReset);
        EXPECT_EQ(d.lastPeriod(), 100);

        block.assign(tone.begin() + 2004, tone.end());
        a = d.detectPitch(block.data());
        ASSERT_TRUE(a.frequency);
        EXPECT_EQ(*a.frequency, 441.0f);
    }

    TEST(PeriodDetector, PeriodsAgreeWithinOneThirtySecond)
    {
        struct Case {
            int period;
            bool agrees;
        };
        const Case cases[]
            = { { 104, true }, { 96, true }, { 105, false }, { 95, false }, { 100, true } };
        for (const Case& c : cases) {
            PeriodDetector d = detectorAt(44100);
            d.setLastPeriod(100);
            // Two crossings, one period: it agrees with the carried-over period,
            // which makes a run of one, enough for two crossings.
            const auto f = troughPass(d, crossingsAt(spacedBy({ c.period }), 2004));
            EXPECT_EQ(f.has_value(), c.agrees) << c.period;
            if (f) {
                EXPECT_EQ(*f, 44100.0f / (static_cast<float>(100 + c.period) / 2.0f)) << c.period;
            }
            EXPECT_EQ(d.lastPeriod(), c.period);
        }
    }

    TEST(PeriodDetector, LongestRunMustCoverNearlyHalfTheCrossings)
    {
        const std::vector<int> scattered { 37, 60, 200, 150 };
        // Ten crossings: a run of 4 agreeing steps is too short, 5 is enough.
        std::vector<int> shortRun { 100, 100, 100, 100, 100 };
        shortRun.insert(shortRun.end(), scattered.begin(), scattered.end());
        std::vector<int> longRun { 100, 100, 100, 100, 100, 100, 37, 60, 200 };

        PeriodDetector d = detectorAt(44100);
        EXPECT_FALSE(troughPass(d, crossingsAt(spacedBy(shortRun), 2004)));
        d.setLastPeriod(0);
        const auto f = troughPass(d, crossingsAt(spacedBy(longRun), 2004));
        ASSERT_TRUE(f);
        EXPECT_EQ(*f, 441.0f);
    }

    TEST(PeriodDetector, OfEquallyLongRunsTheEarlierWins)
    {
        std::vector<int> periods(15, 100);
        periods.insert(periods.end(), 15, 140);
        PeriodDetector d = detectorAt(88200);
        const auto f = troughPass(d, crossingsAt(spacedBy(periods), d.bufferFrames()));
        ASSERT_TRUE(f);
        EXPECT_EQ(*f, 882.0f);
    }

    TEST(PeriodDetector, CrestPassTakesOverFromWeakTroughs)
    {
        // Strong crests, shallow troughs: the troughs mark crossings too weak to
        // trust, which disarms the octave guard, and the crests give the pitch.
        std::vector<float> period(100);
        for (std::size_t i = 0; i < 100; ++i) {
            const double phase = std::numbers::pi * static_cast<double>(i % 50) / 50.0;
            period[i] = static_cast<float>(i < 50 ? std::sin(phase) : -0.15 * std::sin(phase));
        }
        std::vector<float> block(2004);
        for (std::size_t i = 0; i < block.size(); ++i)
            block[i] = period[i % 100];

        PeriodDetector d = detectorAt(44100);
        const BlockAnalysis a = d.detectPitch(block.data());
        EXPECT_TRUE(a.octaveGuardReset);
        ASSERT_TRUE(a.frequency);
        EXPECT_EQ(*a.frequency, 441.0f);
        EXPECT_GT(d.peakLevel(), 0.9f);
    }

    TEST(PeriodDetector, NonNumbersInTheBlockArePassedOver)
    {
        PeriodDetector d = detectorAt(44100);
        std::vector<float> block = test::periodicSine(100, 0.5f, 2004);
        block[333] = std::numeric_limits<float>::quiet_NaN();
        const BlockAnalysis a = d.detectPitch(block.data());
        EXPECT_EQ(a.level, 5);
        ASSERT_TRUE(a.frequency);
        EXPECT_NEAR(*a.frequency, 441.0f, 0.5f);
    }

} // namespace
} // namespace clefmark
