// The second opinion: a period detector of the YIN family, asked only where
// the crossing timer (PeriodDetector) finds no period in a block loud enough
// to analyse.
//
// A piano's partials are strong and stretched above whole multiples of the
// fundamental, so its waveform crosses zero irregularly and no run of equal
// crossings forms; a choir's many voices blur the crossings the same way. The
// difference function does not look at crossings: it asks how much the block
// differs from itself shifted by each lag, and a periodic sound differs least
// at its period, however its partials lie.
//
// The block is first averaged down to about 22 kHz, so the work per block is
// the same at every rate: the squared difference over half of it, for every
// lag up to the other half (down to 44 Hz), normalised by its running mean so
// that a lag counts by how far it falls below the average. The first lag
// whose normalised difference falls below the threshold, followed down to its
// local minimum, is the period; none below it means the block has no period
// worth showing. A dip that only just passed is doubted: where a choir's or a
// low note's fundamental is weak, a strong upper partial repeats on its own,
// and a whole multiple of that lag that repeats the block far better is the
// note's period. The period found is then refined at the full rate around
// that lag, with a parabola through three lags for sub-sample precision.
//
// The sums run over the lags in the inner loop, so every lag's sum is taken
// in the same order whatever the processor's vector width: the results are
// the same bits everywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace clefmark {

/// Input thread only, once set up.
class YinDetector {
public:
    /// The normalised difference a period must fall below: about how much
    /// of the block's energy may be unlike the period's repetition. Chosen
    /// on the note corpus (bench/corpus): higher reads more choir blocks
    /// and more wrong notes.
    static constexpr float kThreshold = 0.2f;
    /// Above this, a dip is doubted: see `detect`.
    static constexpr float kDoubtful = 0.05f;
    /// How much lower a multiple of a doubted lag must dip to be taken.
    static constexpr float kBetterMultiple = 0.35f;
    /// The highest frequency looked for.
    static constexpr double kHighestFrequency = 4500.0;

    /// Sizes the buffers for blocks of `bufferFrames` samples at
    /// `sampleRate`. Allocates; call only while no block is being analysed.
    void configure(float sampleRate, std::uint32_t bufferFrames);

    /// The frequency of `block` (the `bufferFrames` samples given to
    /// `configure`), or none when no lag is periodic enough. Does not
    /// allocate.
    std::optional<float> detect(const float* block);

    /// The normalised difference at the lag last chosen (0 is a perfect
    /// repetition); 1 when none was.
    float aperiodicity() const { return aperiodicity_; }

private:
    // Squared differences at the full rate, over `window` samples from the
    // block's start, at lag `lag`.
    double fullRateDifference(const float* block, std::uint32_t lag) const;

    float sampleRate_ = 0.0f;
    std::uint32_t bufferFrames_ = 0;
    std::uint32_t factor_ = 1; // samples averaged into one
    std::uint32_t window_ = 0; // at the reduced rate
    std::uint32_t maxLag_ = 0;
    std::uint32_t minLag_ = 2;
    std::vector<float> reduced_;
    std::vector<float> difference_;
    float aperiodicity_ = 1.0f;
};

} // namespace clefmark
