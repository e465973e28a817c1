#include "tuner/NoteMapper.h"

#include "tuner/NoteNames.h"

#include <cfloat>
#include <cmath>

// Every float operation must round to float: no wider intermediate precision.
static_assert(FLT_EVAL_METHOD == 0, "the analysis needs float arithmetic without excess precision");

namespace clefmark {

namespace {

    // Division rounding towards minus infinity. For a non-negative dividend it is
    // the truncating division; below the low reference A it keeps the nearest
    // note the nearest, where truncation would pick the note above.
    std::int32_t floorDiv(std::int32_t a, std::int32_t b)
    {
        std::int32_t q = a / b;
        if ((a % b != 0) && ((a < 0) != (b < 0)))
            --q;
        return q;
    }

} // namespace

void NoteMapper::InitTuningObject(std::int32_t referencePitch, std::int32_t steps)
{
    MiddleA = referencePitch;
    SubDiv = steps;
    Lo_Reference = static_cast<float>(static_cast<double>(referencePitch) * 0.0625);
    MIDI_Reference = 9;
    Bias = steps / 2;
    Guitar_LNote = steps * 7;
}

bool NoteMapper::UpdateTuningObject(float frequency)
{
    if (!(frequency > 0.0f) || SubDiv <= 0)
        return false;
    const float octaves = log2f(frequency / Lo_Reference);
    if (!std::isfinite(octaves))
        return false;
    const float steps = static_cast<float>(12 * SubDiv) * octaves;
    // A finite float frequency is at most about 2^128 Hz, so `steps` stays far
    // inside the integer range; the check keeps that true for any SubDiv.
    if (!(std::fabs(steps) < 1.0e9f))
        return false;

    nucleus = octaves;
    LScale = static_cast<std::int32_t>(lroundf(steps));
    const std::int32_t q = floorDiv(LScale + Bias, SubDiv);
    NearStep = q * SubDiv;
    Remainder = LScale - NearStep;
    MidiNote = NearStep / SubDiv + MIDI_Reference;
    ModuloCScale = MidiNote - 12 * (MidiNote / 12);
    SharpOrFlat = Bias != 0 ? Remainder / Bias : 0;
    return true;
}

DisplayUpdate NoteMapper::update(bool closeEnough) const
{
    return { Remainder, isInTune(Remainder, closeEnough), MidiNote };
}

bool NoteMapper::isInTune(std::int32_t tune, bool closeEnough)
{
    const std::int32_t allowance = closeEnough ? 1 : 0;
    return tune >= -allowance && tune <= allowance;
}

std::string noteName(int note, NoteSpelling spelling)
{
    return asciiNoteName(note, spelling, NoteNaming::Letters);
}

std::optional<Pitch> NoteMapper::mapPitch(float frequency, bool closeEnough)
{
    if (!UpdateTuningObject(frequency))
        return std::nullopt;
    const DisplayUpdate mapped = update(closeEnough);
    // The note's own frequency is the reference's times 2^((note - 57) / 12);
    // in cents that is a plain difference.
    const double cents
        = 1200.0 * std::log2(frequency / static_cast<double>(MiddleA)) - 100.0 * (mapped.note - 57);
    return Pitch { frequency, mapped, cents };
}

} // namespace clefmark
