#include "tuner/YinDetector.h"

#include "tests/support/Signals.h"
#include "tuner/Analysis.h"
#include "tuner/SampleIntake.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace clefmark {
namespace {

    double cents(double found, double expected)
    {
        return 1200.0 * std::log2(found / expected);
    }

    // A sawtooth of `frequency` at `rate`, rounded to 16 bits: its harmonics
    // up to half the rate, as a microphone and a sound card would pass it.
    std::vector<float> sawtooth16(double frequency, double rate, std::size_t frames)
    {
        const int harmonics = static_cast<int>(rate / 2.0 / frequency);
        std::vector<float> out(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            const double w = 2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate;
            double x = 0.0;
            for (int k = 1; k <= harmonics; ++k)
                x += std::sin(k * w) / k;
            out[i] = test::from16Bit(0.4 * x);
        }
        return out;
    }

    // A struck string with a piano's stiffness: partial n at n * f * sqrt(1 +
    // B n^2), so the upper partials run sharp of the harmonic series, strong
    // against a weak fundamental, each decaying faster than the one below.
    std::vector<float> pianoTone16(double frequency, double rate, double seconds)
    {
        constexpr double kStiffness = 0.0004;
        const auto frames = static_cast<std::size_t>(seconds * rate);
        std::vector<float> out(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            const double t = static_cast<double>(i) / rate;
            double x = 0.0;
            for (int n = 1; n <= 16; ++n) {
                const double fn = n * frequency * std::sqrt(1.0 + kStiffness * n * n);
                const double amplitude
                    = (n == 1 ? 0.35 : 1.0 / std::sqrt(n)) * std::exp(-0.4 * n * t);
                x += amplitude * std::sin(2.0 * std::numbers::pi * fn * t + 0.7 * n * n);
            }
            out[i] = test::from16Bit(0.12 * x);
        }
        return out;
    }

    YinDetector detectorAt(double rate)
    {
        YinDetector d;
        d.configure(static_cast<float>(rate), analysisBlockSize(rate).frames);
        return d;
    }

    TEST(YinDetector, FindsSinesAndSawtoothsAtEveryRate)
    {
        for (const double rate : { 22050.0, 44100.0, 48000.0, 96000.0 }) {
            YinDetector d = detectorAt(rate);
            const std::size_t frames = analysisBlockSize(rate).frames;
            for (const double frequency : { 55.0, 110.0, 261.63, 440.0, 1046.5, 2093.0 }) {
                SCOPED_TRACE(testing::Message() << rate << " Hz, " << frequency << " Hz");
                const std::vector<float> signals[] = { test::sine16(frequency, rate, 0.5, frames),
                    sawtooth16(frequency, rate, frames) };
                for (const std::vector<float>& block : signals) {
                    const bool sine = &block == &signals[0];
                    SCOPED_TRACE(sine ? "sine" : "sawtooth");
                    const std::optional<float> found = d.detect(block.data());
                    ASSERT_TRUE(found);
                    // A bright tone's dip is narrow at a few samples a
                    // period, and a parabola fits it less well.
                    const double tolerance = sine ? 0.5 : frequency < 2000.0 ? 1.5 : 4.0;
                    EXPECT_NEAR(cents(*found, frequency), 0.0, tolerance);
                    if (sine) {
                        EXPECT_LT(d.aperiodicity(), 0.05f);
                    }
                }
            }
        }
    }

    TEST(YinDetector, ReadsAStretchedPartialPianoToneTheClassicDetectorCannot)
    {
        constexpr double kRate = 44100.0;
        const std::size_t frames = analysisBlockSize(kRate).frames;
        YinDetector yin = detectorAt(kRate);
        for (const double frequency : { 130.81, 261.63, 1046.5 }) {
            SCOPED_TRACE(frequency);
            PeriodDetector classic;
            classic.InitTunerProject(static_cast<float>(kRate), static_cast<std::uint32_t>(frames));
            std::vector<float> tone = pianoTone16(frequency, kRate, 0.4);
            // From the second block: in the first, every partial rings at
            // full strength and no lag repeats the block well enough.
            for (std::size_t start = frames; start + frames <= tone.size(); start += frames) {
                SCOPED_TRACE(start / frames);
                const std::optional<float> found = yin.detect(tone.data() + start);
                ASSERT_TRUE(found);
                // While the sharp upper partials ring they pull the period
                // short, by up to a third of a semitone: the note stays.
                EXPECT_GT(cents(*found, frequency), 0.0);
                EXPECT_LT(cents(*found, frequency), 35.0);
                EXPECT_FALSE(classic.detectPitch(tone.data() + start).frequency);
            }
        }
    }

    TEST(YinDetector, NoiseAndSilenceGiveNoAnswer)
    {
        for (const double rate : { 22050.0, 44100.0, 96000.0 }) {
            SCOPED_TRACE(rate);
            YinDetector d = detectorAt(rate);
            const std::size_t frames = analysisBlockSize(rate).frames;
            for (std::uint32_t seed = 1; seed <= 20; ++seed)
                EXPECT_FALSE(d.detect(test::noise(0.8f, frames, seed).data())) << seed;
            EXPECT_FALSE(d.detect(std::vector<float>(frames, 0.0f).data()));
            EXPECT_FALSE(d.detect(std::vector<float>(frames, 0.5f).data()));
        }
    }

    struct Reports final : BlockReceiver {
        void blockAnalysed(const BlockReport& report) override { all.push_back(report); }
        std::vector<BlockReport> all;
    };

    std::vector<BlockReport> analyse(const std::vector<float>& samples, bool secondOpinion)
    {
        Analysis analysis;
        EXPECT_EQ(analysis.configure(44100.0), "");
        analysis.setSecondOpinion(secondOpinion);
        Reports reports;
        for (std::size_t i = 0; i < samples.size(); i += 512)
            analysis.take(std::span<const float>(samples).subspan(
                              i, std::min<std::size_t>(512, samples.size() - i)),
                1, false, reports);
        return reports.all;
    }

    TEST(SecondOpinion, AnswersOnlyWhereTheClassicDetectorFindsNothing)
    {
        // A plucked string the classic detector reads: the second opinion
        // changes nothing, to the bit.
        const std::vector<float> pluck = test::pluck16(196.0, 44100.0, 0.8, 1.0);
        const std::vector<BlockReport> classic = analyse(pluck, false);
        const std::vector<BlockReport> hybrid = analyse(pluck, true);
        ASSERT_EQ(classic.size(), hybrid.size());
        for (std::size_t i = 0; i < classic.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(classic[i].detected);
            EXPECT_EQ(hybrid[i].detected, classic[i].detected);
            EXPECT_EQ(hybrid[i].frequency, classic[i].frequency);
            EXPECT_FALSE(hybrid[i].secondOpinion);
        }

        // Noise and a block too quiet to analyse get no answer from either.
        std::vector<float> quiet = pianoTone16(261.63, 44100.0, 0.2);
        for (float& x : quiet)
            x *= 0.1f;
        for (const std::vector<float>& nothing : { test::noise(0.5f, 44100), quiet })
            for (const BlockReport& report : analyse(nothing, true))
                EXPECT_FALSE(report.detected);
    }

    TEST(SecondOpinion, ItsFrequencyIsTrackedAsAClassicOneWouldBe)
    {
        const std::vector<float> tone = pianoTone16(261.63, 44100.0, 0.4);
        for (const BlockReport& report : analyse(tone, false))
            EXPECT_FALSE(report.detected);
        const std::vector<BlockReport> hybrid = analyse(tone, true);
        ASSERT_EQ(hybrid.size(), 8u);
        float sum = 0.0f;
        for (std::size_t i = 0; i < hybrid.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_TRUE(hybrid[i].detected);
            EXPECT_TRUE(hybrid[i].secondOpinion);
            // The running average of the note's detections so far.
            sum += *hybrid[i].detected;
            EXPECT_FLOAT_EQ(*hybrid[i].frequency, sum / static_cast<float>(i + 1));
        }
    }

} // namespace
} // namespace clefmark
