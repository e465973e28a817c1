#include "tuner/PeriodDetector.h"

#include <cmath>
#include <cstdlib>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace clefmark {

namespace {

    // A block whose peak is at or below this (25/512, about -26 dBFS) is too
    // quiet to time reliably: noise would dominate its crossings.
    constexpr double kQuietPeak = 0.048828125;
    // A pass whose last crossing followed an envelope weaker than this (25/128 of
    // the block's peak) was timing the noise floor, not the note.
    constexpr double kWeakCrossing = 0.1953125;
    // Where the envelope starts: the first trough (or crest) of a block must be
    // deeper than this, less what the drain has taken since the block began.
    constexpr float kEnvelopeStart = 0.703125f;

    // The largest magnitude in the block, passing over NaN samples so the result
    // is always a number. Four lanes at a time where the processor has them: the
    // lanes' maximum is the same whatever order it is taken in, because no lane
    // ever holds a NaN, so the result is the same bits as the plain loop.
    float largestMagnitude(const float* block, std::uint32_t n)
    {
        std::uint32_t i = 0;
        float P = 0.0f;
#if defined(__SSE2__)
        // MAXPS returns its second operand when the first is NaN: a NaN sample
        // leaves the lane as it was, exactly like the comparison below.
        const __m128 magnitude = _mm_castsi128_ps(_mm_set1_epi32(0x7fffffff));
        __m128 lanes = _mm_setzero_ps();
        for (; i + 4 <= n; i += 4)
            lanes = _mm_max_ps(_mm_and_ps(_mm_loadu_ps(block + i), magnitude), lanes);
        alignas(16) float lane[4];
        _mm_store_ps(lane, lanes);
        for (float a : lane)
            P = a > P ? a : P;
#endif
        for (; i < n; ++i) {
            const float a = std::fabs(block[i]);
            P = a > P ? a : P;
        }
        return P;
    }

} // namespace

void PeriodDetector::InitTunerProject(float sampleRate, std::uint32_t bufferFrames)
{
    mSampleRate = sampleRate;
    mBufferFrames = bufferFrames;
    peaks.assign(bufferFrames, 0);
    periods.assign(bufferFrames, 0);

    const double r = kDesignRate / static_cast<double>(mSampleRate);
    drainDelta4 = static_cast<float>(r * 0.001953125);
    drainDelta8 = static_cast<float>(r * 0.0009765625);
    fastDrain = static_cast<float>(r * 0.00390625);
    diThreshold1 = static_cast<std::int32_t>(std::lround(16.0 / r));
    diThreshold2 = static_cast<std::int32_t>(std::lround(64.0 / r));
}

int PeriodDetector::levelValue(float peak)
{
    // The peak on a 96 dB scale with full scale at 96, then 3 dB a step above
    // -24 dBFS: 0 below -21 dBFS, 8 only at full scale.
    if (!(peak <= 1.0f))
        peak = 1.0f; // the intake never gives more; keeps the cast defined
    const auto v = static_cast<std::int32_t>(peak * 65535.0);
    if (v == 0)
        return 0;
    const auto L = static_cast<std::int32_t>(20.0 * std::log10(v / 65535.0) + 96.0);
    return L > 72 ? (L - 72) / 3 : 0;
}

BlockAnalysis PeriodDetector::detectPitch(float* block)
{
    BlockAnalysis result;
    const std::uint32_t n = mBufferFrames;

    const float P = largestMagnitude(block, n);

    if (P > kQuietPeak) {
        result.searched = true;
        for (std::uint32_t i = 0; i < n; ++i)
            block[i] = block[i] / P;
        Analyze2(block);
        result.frequency = ExaminePeriods(result.octaveGuardReset);
        if (!found) {
            Analyze3(block);
            result.frequency = ExaminePeriods(result.octaveGuardReset);
        }
    } else {
        result.octaveGuardReset = true;
    }

    result.level = levelValue(P);
    return result;
}

void PeriodDetector::Analyze2(const float* block)
{
    nPeaks = 0;
    found = false;
    float e = -kEnvelopeStart;
    bool awaiting = false;
    for (std::uint32_t i = 0; i < mBufferFrames; ++i) {
        const float x = block[i];
        if (x < e) {
            e = x;
            awaiting = true;
        }
        if (awaiting) {
            if (!(x > 0.0f))
                continue; // no drain between a trough and its crossing
            peaks[static_cast<std::size_t>(nPeaks++)] = static_cast<std::uint16_t>(i);
            PeakLevel = e;
            awaiting = false;
        }
        if (e < 0.0f)
            e = e + drainDelta4;
    }
}

void PeriodDetector::Analyze3(const float* block)
{
    nPeaks = 0;
    found = false;
    float d = drainDelta4;
    float e = kEnvelopeStart;
    bool awaiting = false;
    std::int32_t stepsSinceCrossing = 99;
    for (std::uint32_t i = 0; i < mBufferFrames; ++i) {
        const float x = block[i];
        if (x > e) {
            e = x;
            awaiting = true;
        }
        if (awaiting) {
            if (!(x < 0.0f))
                continue;
            PeakLevel = e;
            peaks[static_cast<std::size_t>(nPeaks++)] = static_cast<std::uint16_t>(i);
            d = fastDrain;
            stepsSinceCrossing = 0;
            awaiting = false;
        }
        if (e > 0.0f) {
            ++stepsSinceCrossing;
            if (stepsSinceCrossing == diThreshold1)
                d = drainDelta4;
            else if (stepsSinceCrossing == diThreshold2)
                d = drainDelta8;
            e = e - d;
        }
    }
}

std::optional<float> PeriodDetector::ExaminePeriods(bool& guardReset)
{
    found = false;
    if (PeakLevel < 0.0f)
        PeakLevel = -PeakLevel;
    if (PeakLevel < kWeakCrossing) {
        guardReset = true;
        return std::nullopt;
    }
    for (std::int32_t i = 1; i < nPeaks; ++i) {
        const auto k = static_cast<std::size_t>(i);
        periods[k - 1] = static_cast<std::uint16_t>(peaks[k] - peaks[k - 1]);
    }
    if (nPeaks <= 1)
        return std::nullopt;

    // The longest run of periods each within 1/32 of the one before it. The
    // period carried over from the last pass may open the first run.
    std::int32_t S = LastPeriod;
    std::int32_t L = 0;
    std::int32_t B = LastPeriod;
    std::int32_t M = 0;
    for (std::int32_t i = 0; i < nPeaks - 1; ++i) {
        const std::int32_t p = periods[static_cast<std::size_t>(i)];
        const std::int32_t t = LastPeriod / 32 + 1;
        if (std::abs(p - static_cast<std::int32_t>(LastPeriod)) > t) {
            S = p;
            L = 0;
        } else {
            S += p;
            ++L;
            if (L > M) {
                M = L;
                B = S;
            }
        }
        LastPeriod = static_cast<std::uint16_t>(p);
    }
    if (M == 0)
        return std::nullopt;

    const float A = static_cast<float>(B) / static_cast<float>(M + 1);
    const float F = mSampleRate / A;
    if (M < std::lround(nPeaks * 0.45))
        return std::nullopt;
    found = true;
    return F;
}

} // namespace clefmark
