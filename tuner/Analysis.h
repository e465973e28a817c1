// The pitch analysis: samples in, one result per analysis block out.
//
// Cycles of samples are mixed to mono and gathered into blocks of 1/22
// second (SampleIntake); each full block is searched for a stable period
// (PeriodDetector), and a period found becomes a frequency that the tracker
// may correct for an octave jump and averages over the held note
// (FrequencyTracker). The result is the block's level and that smoothed
// frequency; naming the note is left to whoever shows it (NoteMapper).
//
// It knows no device, clock or thread: the tuner feeds it from the input
// thread, the file analyser and the fuzzers feed it spans of samples, and the
// results depend only on the samples and on where the cycles break.
#pragma once

#include "tuner/AudioTypes.h"
#include "tuner/Displays.h"
#include "tuner/FrequencyTracker.h"
#include "tuner/PeriodDetector.h"
#include "tuner/SampleIntake.h"
#include "tuner/YinDetector.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace clefmark {

/// What one analysis block gave.
struct BlockReport {
    /// The block's length and rate, so that whoever receives it later, on
    /// another thread, can place it in time.
    std::uint32_t frames = 0;
    float sampleRate = 0.0f;
    int level = 0;
    /// The frequency period detection found, before tracking.
    std::optional<float> detected;
    /// `detected` came from the second opinion (YinDetector), not the
    /// classic detector.
    bool secondOpinion = false;
    /// The smoothed frequency handed to the note mapping.
    std::optional<float> frequency;
    /// The display update mapped from `frequency`, with the written note;
    /// filled by the mapping, not by the analysis.
    std::optional<DisplayUpdate> update;
};

/// Receives each block's result, on the thread that fed the samples.
class BlockReceiver {
public:
    virtual void blockAnalysed(const BlockReport& report) = 0;

protected:
    ~BlockReceiver() = default;
};

/// One thread at a time; `take` never allocates or locks.
class Analysis final : private BlockSink {
public:
    /// Prepares for samples at `sampleRate`: a new empty block of 1/22
    /// second, constants scaled to the rate, the current note forgotten.
    /// Returns why a rate cannot be analysed (see `analysisBlockSize`), and
    /// then takes no samples until a rate is accepted; empty when accepted.
    /// Allocates.
    std::string configure(double sampleRate);
    bool isConfigured() const { return intake_.bufferFrames() != 0; }
    /// Takes no samples until configured again.
    void unconfigure() { intake_.configure(0); }

    /// Fresh notes after a gap (see FrequencyTracker); off unless asked.
    void setFreshNotes(bool on) { tracker_.setFreshNotes(on); }

    /// Takes one cycle of interleaved frames of `channels` channels.
    void take(std::span<const float> interleaved, std::uint32_t channels, bool octaveRejection,
        BlockReceiver& receiver);
    /// Takes one device cycle.
    void take(const AudioBufferList& cycle, bool octaveRejection, BlockReceiver& receiver);

    /// Whether the second opinion is asked where the classic detector finds
    /// no period in a block loud enough to analyse; off by default. Takes
    /// effect from the next block.
    void setSecondOpinion(bool on) { secondOpinion_ = on; }
    bool secondOpinion() const { return secondOpinion_; }

    float sampleRate() const { return sampleRate_; }
    std::uint32_t bufferFrames() const { return intake_.bufferFrames(); }

    // The parts, read-only, for tests and diagnostics.
    const SampleIntake& intake() const { return intake_; }
    const PeriodDetector& detector() const { return detector_; }
    const FrequencyTracker& tracker() const { return tracker_; }

private:
    std::int32_t blockFull(float* block) override;
    void DoWhenFound(float F, BlockReport& report);

    SampleIntake intake_;
    PeriodDetector detector_;
    FrequencyTracker tracker_;
    YinDetector yin_;
    bool secondOpinion_ = false;
    float sampleRate_ = 0.0f;
    // Set for the length of one `take`.
    bool octaveRejection_ = false;
    BlockReceiver* receiver_ = nullptr;
};

} // namespace clefmark
