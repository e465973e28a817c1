#include "tuner/FrequencyTracker.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace clefmark {
namespace {

    // Runs one detection through the tracker as the tuner does, returning the
    // frequency shown.
    float track(FrequencyTracker& t, float F, bool octaveRejection = false)
    {
        t.beginDetection();
        if (octaveRejection)
            t.OctaveJumpDetect(F);
        t.IntegrateFrequency(F);
        t.setSaveFrequency(F);
        return F;
    }

    TEST(FrequencyTracker, AveragesTheHeldNote)
    {
        FrequencyTracker t;
        EXPECT_EQ(track(t, 440.0f), 440.0f);
        EXPECT_EQ(t.fStackIndex(), 0);
        EXPECT_EQ(track(t, 441.0f), 440.5f);
        EXPECT_EQ(t.fStackIndex(), 1);
        EXPECT_EQ(track(t, 439.0f), 440.0f);
        EXPECT_EQ(t.fStackIndex(), 2);
        EXPECT_EQ(t.saveFrequency(), 440.0f);
    }

    TEST(FrequencyTracker, FivePercentOfTheNewFrequencyStartsANewNote)
    {
        struct Case {
            float detection;
            bool newNote;
        };
        const Case cases[]
            = { { 463.0f, false }, { 464.0f, true }, { 420.0f, false }, { 419.0f, true } };
        for (const Case& c : cases) {
            FrequencyTracker t;
            track(t, 440.0f);
            track(t, 440.0f);
            ASSERT_EQ(t.avgFreq(), 440.0f);
            track(t, c.detection);
            EXPECT_EQ(t.fStackIndex(), c.newNote ? 0 : 2) << c.detection;
        }
    }

    TEST(FrequencyTracker, RingKeepsTheLastSixteen)
    {
        FrequencyTracker t;
        for (int i = 0; i < 16; ++i)
            track(t, 400.0f + static_cast<float>(i % 2)); // 400, 401, ...
        EXPECT_EQ(t.fStackIndex(), 15);
        EXPECT_EQ(t.avgFreq(), 400.5f);
        track(t, 410.0f); // 17th: slot 0, replacing 400
        EXPECT_EQ(t.fStackIndex(), 16);
        EXPECT_EQ(t.fStack()[0], 410.0f);
        EXPECT_EQ(t.avgFreq(), (400.5f * 16 - 400.0f + 410.0f) / 16);
        track(t, 410.0f); // 18th: slot 1
        EXPECT_EQ(t.fStack()[1], 410.0f);
    }

    // Four detections of 220 Hz confirm the note; the fifth arms the guard.
    void armAt220(FrequencyTracker& t)
    {
        for (int i = 0; i < 5; ++i)
            track(t, 220.0f, true);
        ASSERT_EQ(t.fStackIndex(), 4);
        ASSERT_EQ(t.ojIndex(), 1);
    }

    TEST(FrequencyTracker, OctaveGuardHalvesUpwardOctaveJumps)
    {
        struct Case {
            float detection;
            float afterGuard;
            bool newNote;
        };
        const Case cases[] = {
            { 440.0f, 220.0f, false }, // halved, and the note goes on
            { 430.0f, 215.0f, false }, // 1.95 times is still an octave error
            { 400.0f, 400.0f, true }, // 1.82 times is not
            { 110.0f, 110.0f, true }, // drops are never corrected
        };
        for (const Case& c : cases) {
            FrequencyTracker t;
            armAt220(t);
            float F = c.detection;
            t.OctaveJumpDetect(F);
            EXPECT_EQ(F, c.afterGuard) << c.detection;
            t.IntegrateFrequency(F);
            EXPECT_EQ(t.fStackIndex() == 0, c.newNote) << c.detection;
        }
    }

    TEST(FrequencyTracker, OctaveGuardNeedsConfirmationAndArming)
    {
        {
            // Off: an octave jump is a new note.
            FrequencyTracker t;
            armAt220(t);
            EXPECT_EQ(track(t, 440.0f, false), 440.0f);
        }
        {
            // Disarmed by a quiet moment: the first guarded detection re-arms only.
            FrequencyTracker t;
            armAt220(t);
            t.resetOctaveGuard();
            EXPECT_EQ(track(t, 440.0f, true), 440.0f);
            EXPECT_EQ(t.fStackIndex(), 0);
        }
        {
            // Not yet four detections into the note.
            FrequencyTracker t;
            for (int i = 0; i < 3; ++i)
                track(t, 220.0f, true);
            EXPECT_EQ(t.ojIndex(), 0);
            EXPECT_EQ(track(t, 440.0f, true), 440.0f);
        }
        {
            // A last shown frequency under 10 Hz is never doubled.
            FrequencyTracker t;
            armAt220(t);
            t.setSaveFrequency(9.0f);
            float F = 18.0f;
            t.OctaveJumpDetect(F);
            EXPECT_EQ(F, 18.0f);
        }
    }

    // A string plucked again after a pause: the first reading is the new
    // pluck's own only with fresh notes on, and only after a gap long enough.
    TEST(FrequencyTracker, WithFreshNotesAGapStartsANewNote)
    {
        struct Case {
            bool fresh;
            int gap; // blocks without a detection
            float held, next;
            bool octaveRejection;
            float shown;
        };
        constexpr int kGap = FrequencyTracker::kFreshAfterBlocks;
        const Case cases[] = {
            { false, 50, 445.0f, 440.0f, false, (445.0f * 15 + 440.0f) / 16 },
            { true, kGap - 1, 445.0f, 440.0f, false, (445.0f * 15 + 440.0f) / 16 },
            { true, kGap, 445.0f, 440.0f, false, 440.0f },
            { true, 50, 445.0f, 440.0f, false, 440.0f },
            // A new note is no octave error of the last one.
            { true, kGap - 1, 220.0f, 440.0f, true, 220.0f },
            { true, kGap, 220.0f, 440.0f, true, 440.0f },
            { false, kGap, 220.0f, 440.0f, true, 220.0f },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.fresh << ' ' << c.gap << ' ' << c.held);
            FrequencyTracker t;
            t.setFreshNotes(c.fresh);
            for (int i = 0; i < 16; ++i)
                track(t, c.held, c.octaveRejection);
            for (int i = 0; i < c.gap; ++i)
                t.blockWithoutPitch();
            EXPECT_EQ(track(t, c.next, c.octaveRejection), c.shown);
        }
    }

    TEST(FrequencyTracker, CountersNeverOverflow)
    {
        FrequencyTracker t;
        for (int i = 0; i < 16; ++i)
            track(t, 300.0f);
        t.restoreCounters(std::numeric_limits<std::int32_t>::max() - 40,
            std::numeric_limits<std::int32_t>::max() - 1);
        std::vector<std::int32_t> slots;
        for (int i = 0; i < 64; ++i) {
            track(t, 300.0f, true);
            ASSERT_GT(t.fStackIndex(), 15);
            ASSERT_GT(t.ojIndex(), 0);
            slots.push_back(t.fStackIndex() % 16);
            ASSERT_EQ(t.avgFreq(), 300.0f);
        }
        // The ring keeps turning one slot per detection through the wrap.
        for (std::size_t i = 1; i < slots.size(); ++i)
            EXPECT_EQ(slots[i], (slots[i - 1] + 1) % 16) << i;
        // And the guard still halves octave errors.
        EXPECT_EQ(track(t, 600.0f, true), 300.0f);
    }

} // namespace
} // namespace clefmark
