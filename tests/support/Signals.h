// Test signals that are exactly reproducible.
//
// A sine computed sample by sample in float drifts in phase, enough to move
// the crossings of some blocks by a sample. These signals are either one
// period computed once and repeated, which is exactly periodic, or computed
// in double from the integer sample index and rounded to 16 bits, as a sound
// card would deliver them.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

namespace clefmark::test {

/// `frames` samples of a sine with a period of exactly `period` samples,
/// amplitude `amplitude`, starting at phase 0: one period computed once and
/// repeated.
inline std::vector<float> periodicSine(std::size_t period, float amplitude, std::size_t frames)
{
    std::vector<float> table(period);
    for (std::size_t i = 0; i < period; ++i)
        table[i] = static_cast<float>(amplitude
            * std::sin(
                2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(period)));
    std::vector<float> out(frames);
    for (std::size_t i = 0; i < frames; ++i)
        out[i] = table[i % period];
    return out;
}

/// A 16-bit sample as a float in -1..+1, as audio files and sound cards
/// deliver it.
inline float from16Bit(double x)
{
    double q = std::nearbyint(x * 32768.0);
    if (q > 32767.0)
        q = 32767.0;
    if (q < -32768.0)
        q = -32768.0;
    return static_cast<float>(q / 32768.0);
}

/// `frames` samples of a sine of `frequency` Hz at `sampleRate`, amplitude
/// `amplitude` (of full scale), starting at phase 0, rounded to 16 bits.
inline std::vector<float> sine16(
    double frequency, double sampleRate, double amplitude, std::size_t frames)
{
    std::vector<float> out(frames);
    for (std::size_t i = 0; i < frames; ++i)
        out[i] = from16Bit(amplitude
            * std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / sampleRate));
    return out;
}

/// A plucked-string-like tone rounded to 16 bits: a fundamental with a few
/// decaying harmonics under an exponential decay. Starts at phase 0.
inline std::vector<float> pluck16(
    double frequency, double sampleRate, double amplitude, double seconds)
{
    const auto frames = static_cast<std::size_t>(seconds * sampleRate);
    std::vector<float> out(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double w = 2.0 * std::numbers::pi * frequency * t;
        const double x = std::sin(w) + 0.5 * std::sin(2.0 * w) * std::exp(-3.0 * t)
            + 0.25 * std::sin(3.0 * w) * std::exp(-6.0 * t);
        out[i] = from16Bit(amplitude / 1.75 * x * std::exp(-1.5 * t));
    }
    return out;
}

/// Deterministic white noise in -amplitude..+amplitude (a 32-bit LCG).
inline std::vector<float> noise(float amplitude, std::size_t frames, std::uint32_t seed = 1)
{
    std::vector<float> out(frames);
    std::uint32_t s = seed;
    for (std::size_t i = 0; i < frames; ++i) {
        s = s * 1664525u + 1013904223u;
        out[i] = amplitude * (static_cast<float>(s >> 8) / 8388608.0f - 1.0f);
    }
    return out;
}

} // namespace clefmark::test
