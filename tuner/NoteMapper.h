// Frequency to note and tune value, against the user's reference A.
//
// The scale is counted in tune steps of 1/51 semitone from the "low reference
// A", four octaves below the reference A (27.5 Hz at A = 440). A frequency f
// lies LScale = round(612 * log2(f / low A)) steps above it; adding half a
// semitone (Bias, 25 steps) and dividing by 51 gives the nearest note, and
// what is left over is the signed deviation from that note. Rounding the
// steps first and the note second makes the boundary between two notes fall
// 25.5 steps above the lower one: +25 still belongs to a note, +26 is -25 of
// the next. One step is 100/51 cents, so the tune value is the deviation in
// cents times 0.51, rounded.
//
// The arithmetic is single precision with a double-precision set-up, step for
// step, so that every frequency maps to the same step on every machine.
#pragma once

#include "tuner/Displays.h"

#include <cstdint>
#include <optional>
#include <string>

namespace clefmark {

class NoteMapper {
public:
    static constexpr int kStepsPerSemitone = 51;

    /// Sets up the scale for reference pitch `referencePitch` (Hz of the A
    /// above middle C) with `steps` tune steps per semitone.
    void InitTuningObject(std::int32_t referencePitch, std::int32_t steps);

    /// Maps `frequency` (Hz) to the nearest note and its deviation. A
    /// frequency with no place on the scale (zero, negative, not finite, or
    /// any frequency against a reference of zero) maps nothing: the result is
    /// false and the previous mapping stays.
    bool UpdateTuningObject(float frequency);

    /// The last mapping as the displays receive it.
    DisplayUpdate update(bool closeEnough) const;

    /// Maps `frequency` as `UpdateTuningObject` does, and gives it as the
    /// displays show it; none where that maps nothing.
    std::optional<Pitch> mapPitch(float frequency, bool closeEnough);

    /// In tune: exactly on the note, or one step either side when lenient.
    static bool isInTune(std::int32_t tune, bool closeEnough);

    // The tuning state, readable for tests and diagnostics.
    std::int32_t middleA() const { return MiddleA; }
    float loReference() const { return Lo_Reference; }
    std::int32_t bias() const { return Bias; }
    float nucleusValue() const { return nucleus; }
    std::int32_t lScale() const { return LScale; }
    std::int32_t nearStep() const { return NearStep; }
    std::int32_t remainder() const { return Remainder; }
    std::int32_t midiNote() const { return MidiNote; }
    std::int32_t moduloCScale() const { return ModuloCScale; }
    std::int32_t sharpOrFlat() const { return SharpOrFlat; }

private:
    std::int32_t MiddleA = 0;
    float Lo_Reference = 0.0f;
    std::int32_t MIDI_Reference = 0;
    std::int32_t Guitar_LNote = 0; // part of the tuning object as designed; nothing reads it
    std::int32_t Bias = 0;
    float nucleus = 0.0f; // the mapping's own step, kept for tests and diagnostics
    std::int32_t SubDiv = 0;
    std::int32_t LScale = 0;
    std::int32_t NearStep = 0;
    std::int32_t Remainder = 0;
    std::int32_t MidiNote = 0;
    std::int32_t ModuloCScale = 0; // the mapping's own step, kept for tests and diagnostics
    std::int32_t SharpOrFlat = 0; // the mapping's own step, kept for tests and diagnostics
};

/// How the black keys are spelled.
enum class NoteSpelling { Sharps, Flats };

/// The note's name and octave number in ASCII: 57 is "A4", 48 "C4", 46
/// "A#3" with sharps and "Bb3" with flats. A flat keeps its sharp's octave.
std::string noteName(int note, NoteSpelling spelling = NoteSpelling::Sharps);

} // namespace clefmark
