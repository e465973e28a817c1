// Finds the period of one block of samples by timing its zero crossings.
//
// The block is first scaled so its largest magnitude is 1. The trough pass
// then follows the waveform with an envelope that jumps down to every new
// trough and relaxes back towards zero at a fixed rate; the first positive
// sample after a trough that reached below the envelope marks a crossing.
// Because the envelope relaxes slowly, the small dips that overtones put into
// a string's waveform stay above it and mark nothing: only the one deep trough
// per period does. The distances between consecutive marks are candidate
// periods.
//
// A period is believed when a run of candidates agree, each within 1/32 of
// the one before it, and the run covers at least 45 % of the marks. The run's
// average gives the frequency, so the result has sub-sample resolution. The
// last period seen is carried into the next pass and block, which lets a held
// note confirm itself across block boundaries.
//
// If the troughs give nothing, a crest pass tries the mirror image, with a
// drain that is fast just after each crossing and slows down later; some
// waveforms (a bowed string, a voice) are clean at their crests but not at
// their troughs.
//
// All constants are stated for a block of 1024 samples at 22528 Hz and scaled
// to the actual rate, so the analysis behaves the same at every rate. The
// arithmetic is single precision and defined to the bit.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace clefmark {

/// What one block gave.
struct BlockAnalysis {
    /// 0 (peak below -21 dBFS) to 8 (full scale), in steps of 3 dB.
    int level = 0;
    /// The block was too quiet, or a pass's last crossing too weak: the
    /// octave guard must be disarmed, before any `frequency` is tracked.
    bool octaveGuardReset = false;
    /// The block was loud enough to be searched (and was scaled to its peak).
    bool searched = false;
    /// The frequency found, in Hz, if any.
    std::optional<float> frequency;
};

/// Input thread only, once set up.
class PeriodDetector {
public:
    static constexpr double kDesignRate = 22528.0;

    /// Sizes the arrays for blocks of `bufferFrames` samples (64 to 65535) and
    /// scales the constants to `sampleRate`. Allocates; call only while no
    /// block is being analysed.
    void InitTunerProject(float sampleRate, std::uint32_t bufferFrames);

    /// Analyses `block` (the `bufferFrames` samples given to the set-up, in
    /// -1..+1), scaling it in place. Does not allocate.
    BlockAnalysis detectPitch(float* block);

    /// The level value of a block whose largest magnitude is `peak`.
    static int levelValue(float peak);

    // The passes, public so each can be tested alone. Each marks crossings
    // into `peaks`; `ExaminePeriods` then judges the periods between them.
    void Analyze2(const float* block);
    void Analyze3(const float* block);
    /// Returns the frequency when the pass found one. Sets `guardReset` when
    /// the last crossing was too weak.
    std::optional<float> ExaminePeriods(bool& guardReset);

    float sampleRate() const { return mSampleRate; }
    std::uint32_t bufferFrames() const { return mBufferFrames; }
    std::int32_t nPeaksCount() const { return nPeaks; }
    const std::vector<std::uint16_t>& peakPositions() const { return peaks; }
    std::uint16_t lastPeriod() const { return LastPeriod; }
    bool wasFound() const { return found; }
    float peakLevel() const { return PeakLevel; }
    float drainDelta4Value() const { return drainDelta4; }
    float drainDelta8Value() const { return drainDelta8; }
    std::int32_t diThreshold1Value() const { return diThreshold1; }
    std::int32_t diThreshold2Value() const { return diThreshold2; }

    /// Sets the period carried over from an earlier block, as a test fixture.
    void setLastPeriod(std::uint16_t period) { LastPeriod = period; }

private:
    float mSampleRate = 0.0f;
    std::uint32_t mBufferFrames = 0;
    std::int32_t nPeaks = 0;
    std::vector<std::uint16_t> peaks;
    std::vector<std::uint16_t> periods;
    std::uint16_t LastPeriod = 0;
    bool found = false;
    float PeakLevel = 0.0f;
    float drainDelta4 = 0.0f;
    float drainDelta8 = 0.0f;
    // The crest pass's drain just after a crossing; a constant of the rate,
    // so it is worked out once here rather than at every crossing.
    float fastDrain = 0.0f;
    std::int32_t diThreshold1 = 0;
    std::int32_t diThreshold2 = 0;
};

} // namespace clefmark
