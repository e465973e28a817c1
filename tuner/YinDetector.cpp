#include "tuner/YinDetector.h"

#include <algorithm>
#include <cmath>

namespace clefmark {

namespace {

    // Only the octave and twelfth below and two octaves below: further down,
    // a short lag is more likely to meet a multiple that merely lands nearer
    // a whole number of samples. And only lags long enough that a partial's
    // period is the likely mistake, not a high note's few samples.
    constexpr std::uint32_t kMultiples = 4;
    constexpr std::uint32_t kShortestDoubted = 20;

    // The rate the coarse search runs at, near enough: any rate is averaged
    // down by a whole factor to within a factor of 1.5 of it.
    constexpr double kSearchRate = 22050.0;

    // The vertex of the parabola through (-1, a), (0, b), (1, c), as an offset
    // from the middle; 0 when the three do not bend upwards.
    double parabolaVertex(double a, double b, double c)
    {
        const double bend = a - 2.0 * b + c;
        if (!(bend > 0.0))
            return 0.0;
        const double offset = 0.5 * (a - c) / bend;
        return std::clamp(offset, -1.0, 1.0);
    }

} // namespace

void YinDetector::configure(float sampleRate, std::uint32_t bufferFrames)
{
    sampleRate_ = sampleRate;
    bufferFrames_ = bufferFrames;
    factor_ = static_cast<std::uint32_t>(
        std::max(1L, std::lround(static_cast<double>(sampleRate) / kSearchRate)));
    const std::uint32_t reduced = bufferFrames / factor_;
    window_ = reduced / 2;
    // One lag beyond the last searched, so that a minimum there can be seen
    // to turn.
    maxLag_ = reduced - window_ - 1;
    const double reducedRate = static_cast<double>(sampleRate) / factor_;
    minLag_
        = std::max<std::uint32_t>(2, static_cast<std::uint32_t>(reducedRate / kHighestFrequency));
    reduced_.assign(reduced, 0.0f);
    difference_.assign(maxLag_ + 2, 0.0f);
    aperiodicity_ = 1.0f;
}

double YinDetector::fullRateDifference(const float* block, std::uint32_t lag) const
{
    // Over the energy of both stretches: how much the window's share of the
    // period's energy changes with the lag would otherwise skew the parabola.
    const std::uint32_t window = window_ * factor_;
    double difference = 0.0;
    double energy = 0.0;
    for (std::uint32_t j = 0; j < window; ++j) {
        const double a = block[j];
        const double b = block[j + lag];
        difference += (a - b) * (a - b);
        energy += a * a + b * b;
    }
    return energy > 0.0 ? difference / energy : 1.0;
}

std::optional<float> YinDetector::detect(const float* block)
{
    aperiodicity_ = 1.0f;
    if (maxLag_ <= minLag_ + 1)
        return std::nullopt;

    const float scale = 1.0f / static_cast<float>(factor_);
    for (std::size_t i = 0; i < reduced_.size(); ++i) {
        float sum = 0.0f;
        for (std::uint32_t k = 0; k < factor_; ++k)
            sum += block[i * factor_ + k];
        reduced_[i] = sum * scale;
    }

    // The difference function, lags innermost: each lag's sum in the order
    // of the samples, whatever the vector width.
    const std::uint32_t lags = maxLag_ + 1;
    float* d = difference_.data();
    std::fill(difference_.begin(), difference_.end(), 0.0f);
    const float* r = reduced_.data();
    for (std::uint32_t j = 0; j < window_; ++j) {
        const float x = r[j];
        const float* shifted = r + j;
        for (std::uint32_t tau = 1; tau <= lags; ++tau) {
            const float e = x - shifted[tau];
            d[tau] = d[tau] + e * e;
        }
    }

    // Normalised by the running mean, in place: 1 where the block is no more
    // like itself at that lag than on average.
    d[0] = 1.0f;
    float running = 0.0f;
    for (std::uint32_t tau = 1; tau <= lags; ++tau) {
        running += d[tau];
        d[tau] = running > 0.0f ? d[tau] * static_cast<float>(tau) / running : 1.0f;
    }

    std::uint32_t tau = minLag_;
    while (tau < maxLag_ && !(d[tau] < kThreshold))
        ++tau;
    if (!(d[tau] < kThreshold))
        return std::nullopt;
    while (tau < maxLag_ && d[tau + 1] < d[tau])
        ++tau;
    if (tau >= maxLag_)
        return std::nullopt; // still falling at the longest lag: a lower note than can be timed

    // A dip that only just passed may be a strong upper partial's period
    // rather than the note's: a whole multiple of it that repeats the block
    // far better is taken instead.
    if (d[tau] > kDoubtful && tau >= kShortestDoubted) {
        const std::uint32_t first = tau;
        for (std::uint32_t k = 2; k <= kMultiples && k * first + k < maxLag_; ++k) {
            std::uint32_t m = k * first - k;
            for (std::uint32_t j = m + 1; j <= k * first + k; ++j)
                m = d[j] < d[m] ? j : m;
            if (d[m] < d[tau] * kBetterMultiple)
                tau = m;
        }
    }
    aperiodicity_ = d[tau];

    // The lag at the full rate, walked to the nearest minimum of the plain
    // difference there, within one coarse step; the normalised one would
    // tilt the parabola through it.
    const std::uint32_t highest = bufferFrames_ - window_ * factor_ - 1;
    std::uint32_t lag = std::clamp<std::uint32_t>(tau * factor_, 2, highest - 1);
    double here = fullRateDifference(block, lag);
    double below = fullRateDifference(block, lag - 1);
    double above = fullRateDifference(block, lag + 1);
    for (std::uint32_t step = 0; step < factor_; ++step) {
        if (below < here && lag > 2) {
            --lag;
            above = here;
            here = below;
            below = fullRateDifference(block, lag - 1);
        } else if (above < here && lag + 1 < highest) {
            ++lag;
            below = here;
            here = above;
            above = fullRateDifference(block, lag + 1);
        } else {
            break;
        }
    }
    const double period = lag + parabolaVertex(below, here, above);
    return static_cast<float>(sampleRate_ / period);
}

} // namespace clefmark
