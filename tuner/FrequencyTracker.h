// Turns the stream of detected frequencies into the frequency the display
// shows.
//
// Detections that lie within 5 % of the running average belong to the same
// held note and are averaged over the last 16 of them, which steadies the
// needle without making it slow to follow a new note: anything further away
// starts a new note at once.
//
// The octave guard. Zero-crossing detection sometimes locks onto the second
// harmonic of a string for a few blocks, which reads as a sudden jump one
// octave up. When the guard is on, the current note has been confirmed by at
// least four detections, and the guard has been armed by one earlier
// detection since the last quiet moment, a detection between 1.9 and 2.1
// times the last shown frequency is taken to be such an error and halved.
// Quiet blocks disarm the guard (see `resetOctaveGuard`), so a real octave
// step played after a breath is shown as it is.
//
// Fresh notes, when asked for. Blocks without a detection do not end a note:
// a string plucked again after a pause at first reads as the average of the
// last pluck. With fresh notes on, a detection after `kFreshAfterBlocks`
// blocks in a row without one starts a new note, and disarms the guard, as
// if it were the first. Off, nothing here changes what is shown.
#pragma once

#include <array>
#include <cstdint>

namespace clefmark {

/// Input thread only, once capture runs.
class FrequencyTracker {
public:
    static constexpr int kStackSize = 16;
    /// Blocks without a detection that make a gap between notes: four of
    /// 1/22 second, about 0.18 s, longer than a string's attack or the odd
    /// block detection misses within a held note.
    static constexpr std::int32_t kFreshAfterBlocks = 4;

    /// Halves `F` in place when it is an upward octave error (see above).
    /// Counts the guard up; call it only when octave rejection is on.
    void OctaveJumpDetect(float& F);

    /// Replaces `F` with the running average of the current note, starting a
    /// new note when `F` is more than 5 % (of itself) away from the average.
    void IntegrateFrequency(float& F);

    /// Disarms the octave guard: the next guarded detection only re-arms it.
    void resetOctaveGuard() { OJIndex = 0; }

    /// Forgets the current note, so the next detection starts a new one.
    void resetNote() { AvgFreq = 0.0f; }

    /// Fresh notes on or off (see above); off unless asked.
    void setFreshNotes(bool on) { freshNotes_ = on; }
    bool freshNotes() const { return freshNotes_; }

    /// Counts a block without a detection towards a gap between notes.
    void blockWithoutPitch()
    {
        if (blocksWithoutPitch_ < kFreshAfterBlocks)
            ++blocksWithoutPitch_;
    }

    /// A detection, before the guard and the average see it: after a gap,
    /// with fresh notes on, the note held before is forgotten.
    void beginDetection()
    {
        if (freshNotes_ && blocksWithoutPitch_ >= kFreshAfterBlocks) {
            resetNote();
            FStackIndex = 0;
            resetOctaveGuard();
        }
        blocksWithoutPitch_ = 0;
    }

    /// Records the frequency last handed to the display.
    void setSaveFrequency(float f) { SaveFrequency = f; }

    /// The frequency last handed to the display, 0 before the first.
    float saveFrequency() const { return SaveFrequency; }

    /// Puts the counters where a long run would have left them, so tests can
    /// reach the far end of their range without hours of input.
    void restoreCounters(std::int32_t fStackIndex, std::int32_t ojIndex)
    {
        FStackIndex = fStackIndex;
        OJIndex = ojIndex;
    }

    float avgFreq() const { return AvgFreq; }
    std::int32_t fStackIndex() const { return FStackIndex; }
    std::int32_t ojIndex() const { return OJIndex; }
    const std::array<float, kStackSize>& fStack() const { return FStack; }

private:
    float AvgFreq = 0.0f;
    std::array<float, kStackSize> FStack {};
    std::int32_t FStackIndex = 0;
    float SaveFrequency = 0.0f;
    std::int32_t OJIndex = 0;
    bool freshNotes_ = false;
    std::int32_t blocksWithoutPitch_ = 0;
};

} // namespace clefmark
