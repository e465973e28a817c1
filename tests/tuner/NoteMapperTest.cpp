#include "tuner/NoteMapper.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace clefmark {
namespace {

    NoteMapper mapperAt(int reference)
    {
        NoteMapper m;
        m.InitTuningObject(reference, NoteMapper::kStepsPerSemitone);
        return m;
    }

    // Frequency `steps` tune steps above the low reference A (27.5 Hz at 440):
    // lands exactly on a whole step, so rounding cannot tip it either way.
    float stepsAboveLowA(int steps)
    {
        return static_cast<float>(27.5 * std::exp2(steps / 612.0));
    }

    TEST(NoteMapper, SetUpFollowsTheReference)
    {
        NoteMapper m = mapperAt(440);
        EXPECT_EQ(m.middleA(), 440);
        EXPECT_EQ(m.loReference(), 27.5f);
        EXPECT_EQ(m.bias(), 25);
        EXPECT_EQ(mapperAt(430).loReference(), 26.875f);
    }

    struct MappingCase {
        float frequency;
        int note;
        int tune;
        int lScale; // checked when not INT_MIN
        int pitchClass;
        int sharpOrFlat;
    };

    TEST(NoteMapper, MapsFrequenciesToNearestNoteAndSteps)
    {
        constexpr int any = std::numeric_limits<int>::min();
        const MappingCase cases[] = {
            { 440.0f, 57, 0, 2448, 9, 0 },
            { 441.0f, 57, 2, any, 9, 0 },
            { 439.0f, 57, -2, any, 9, 0 },
            { 445.0f, 57, 10, any, 9, 0 },
            { 452.0f, 57, 24, any, 9, 0 },
            { 453.0f, 58, -25, 2474, 10, -1 },
            { 261.6256f, 48, 0, any, 0, 0 },
            { 27.5f, 9, 0, 0, 9, 0 },
            { 55.0f, 21, 0, 612, 9, 0 },
            { 82.40689f, 28, 0, any, 4, 0 }, // low E string
            { stepsAboveLowA(2448 + 25), 57, 25, 2473, 9, 1 },
            { stepsAboveLowA(2448 + 26), 58, -25, 2474, 10, -1 },
            { stepsAboveLowA(2448 - 25), 57, -25, 2423, 9, -1 },
            { stepsAboveLowA(2448 - 26), 56, 25, 2422, 8, 1 },
        };
        for (const MappingCase& c : cases) {
            SCOPED_TRACE(c.frequency);
            NoteMapper m = mapperAt(440);
            ASSERT_TRUE(m.UpdateTuningObject(c.frequency));
            EXPECT_EQ(m.midiNote(), c.note);
            EXPECT_EQ(m.remainder(), c.tune);
            if (c.lScale != any) {
                EXPECT_EQ(m.lScale(), c.lScale);
            }
            EXPECT_EQ(m.moduloCScale(), c.pitchClass);
            EXPECT_EQ(m.sharpOrFlat(), c.sharpOrFlat);
            EXPECT_EQ(m.nearStep() + m.remainder(), m.lScale());
        }
    }

    TEST(NoteMapper, NoteNumbersFollowTheReference)
    {
        NoteMapper m = mapperAt(430);
        ASSERT_TRUE(m.UpdateTuningObject(440.0f));
        EXPECT_EQ(m.midiNote(), 57);
        EXPECT_EQ(m.remainder(), 20);
        ASSERT_TRUE(m.UpdateTuningObject(430.0f));
        EXPECT_EQ(m.midiNote(), 57);
        EXPECT_EQ(m.remainder(), 0);
    }

    // Every tune step of every note from well below the low reference A up to
    // several octaves above it: the tune value stays within a note's 51 steps and
    // the note is always the nearest one.
    TEST(NoteMapper, EveryStepMapsToItsNearestNote)
    {
        NoteMapper m = mapperAt(440);
        for (int steps = -400; steps <= 612 * 8; ++steps) {
            ASSERT_TRUE(m.UpdateTuningObject(stepsAboveLowA(steps)));
            ASSERT_EQ(m.lScale(), steps);
            ASSERT_GE(m.remainder(), -25) << steps;
            ASSERT_LE(m.remainder(), 25) << steps;
            const int nearest = static_cast<int>(std::floor((steps + 25.0) / 51.0));
            ASSERT_EQ(m.midiNote(), nearest + 9) << steps;
        }
    }

    TEST(NoteMapper, BelowTheLowReferenceTheNearestNoteStillWins)
    {
        NoteMapper m = mapperAt(440);
        ASSERT_TRUE(m.UpdateTuningObject(26.0f)); // G#0 is 25.96 Hz
        EXPECT_EQ(m.midiNote(), 8);
        EXPECT_EQ(m.remainder(), 1);
        ASSERT_TRUE(m.UpdateTuningObject(22.0f));
        EXPECT_EQ(m.midiNote(), 5); // F0 is 21.83 Hz, F#0 23.12 Hz
        EXPECT_EQ(m.remainder(), 7);
    }

    TEST(NoteMapper, FrequenciesOffTheScaleMapNothing)
    {
        const float bad[] = { 0.0f, -440.0f, std::numeric_limits<float>::infinity(),
            std::numeric_limits<float>::quiet_NaN() };
        for (float f : bad) {
            NoteMapper m = mapperAt(440);
            ASSERT_TRUE(m.UpdateTuningObject(466.16376f)); // A#4
            EXPECT_FALSE(m.UpdateTuningObject(f)) << f;
            EXPECT_EQ(m.midiNote(), 58) << "a refused frequency keeps the last mapping";
        }
        NoteMapper zeroReference = mapperAt(0);
        EXPECT_FALSE(zeroReference.UpdateTuningObject(440.0f));
    }

    TEST(NoteMapper, InTuneAllowsOneStepOnlyWhenLenient)
    {
        struct Case {
            int tune;
            bool strict;
            bool lenient;
        };
        const Case cases[] = { { -2, false, false }, { -1, false, true }, { 0, true, true },
            { 1, false, true }, { 2, false, false }, { 25, false, false } };
        for (const Case& c : cases) {
            EXPECT_EQ(NoteMapper::isInTune(c.tune, false), c.strict) << c.tune;
            EXPECT_EQ(NoteMapper::isInTune(c.tune, true), c.lenient) << c.tune;
        }
        NoteMapper m = mapperAt(440);
        ASSERT_TRUE(m.UpdateTuningObject(441.0f));
        EXPECT_EQ(m.update(true), (DisplayUpdate { 2, false, 57 }));
    }

    TEST(NoteMapper, NamesNotesWithSharpsAndOctaves)
    {
        const std::pair<int, const char*> names[]
            = { { 57, "A4" }, { 48, "C4" }, { 46, "A#3" }, { 0, "C0" }, { 11, "B0" }, { 12, "C1" },
                  { -1, "B-1" }, { -12, "C-1" }, { 28, "E2" }, { 61, "C#5" } };
        for (const auto& [note, name] : names)
            EXPECT_EQ(noteName(note), name) << note;
    }

    TEST(NoteMapper, FlatsSpellEveryBlackKeyAsTheNoteAboveAndKeepTheOctave)
    {
        const char* const flats[12]
            = { "C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B" };
        for (const int octave : { -2, 0, 4 })
            for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
                const int note = 12 * octave + pitchClass;
                EXPECT_EQ(
                    noteName(note, NoteSpelling::Flats), flats[pitchClass] + std::to_string(octave))
                    << note;
            }
    }

} // namespace
} // namespace clefmark
