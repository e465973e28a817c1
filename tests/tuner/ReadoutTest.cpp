// The readout model: names, cents and states, by table.
#include "tuner/Readout.h"

#include "tests/support/Pitches.h"
#include "tuner/Transposition.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;
    using Clock = Readout::Clock;
    const Clock::time_point kStart = Clock::time_point {} + 24h;

    using test::pitchAt;

    Readout running()
    {
        Readout readout;
        readout.setCaptureState(CaptureState::Running, true, "Mic", kStart);
        return readout;
    }

    TEST(Readout, NamesTheTrueNoteAndItsCentsUnderTheReference)
    {
        struct Case {
            float hertz;
            int reference;
            const char* note;
            const char* cents;
            const char* frequency;
            Readout::Judgement judgement;
        };
        using J = Readout::Judgement;
        const Case cases[] = {
            { 445.0f, 440, "A4", "+19.6", "445.0 Hz", J::Sharp },
            { 440.0f, 440, "A4", "0.0", "440.0 Hz", J::InTune },
            { 440.0f, 442, "A4", "\u22127.9", "440.0 Hz", J::Flat },
            { 466.1638f, 440, "A\u266F4", "0.0", "466.2 Hz", J::InTune },
            { 27.5f, 440, "A0", "0.0", "27.5 Hz", J::InTune },
            { 41.20344f, 440, "E1", "0.0", "41.2 Hz", J::InTune },
            { 4186.009f, 440, "C8", "0.0", "4186.0 Hz", J::InTune },
            { 1046.502f, 440, "C6", "0.0", "1046.5 Hz", J::InTune },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.hertz);
            Readout readout = running();
            readout.setReading(5, pitchAt(c.hertz, c.reference), kStart + 1s);
            const Readout::Text& text = readout.text();
            EXPECT_EQ(text.note, c.note);
            EXPECT_EQ(text.cents, c.cents);
            EXPECT_EQ(text.frequency, c.frequency);
            EXPECT_EQ(text.judgement, c.judgement);
            EXPECT_EQ(text.state, Readout::State::Live);
            EXPECT_FALSE(text.past);
        }
    }

    TEST(Readout, CentsRoundToATenthAndNeverShowANegativeZero)
    {
        const std::pair<double, const char*> cases[]
            = { { 0.0, "0.0" }, { 0.04, "0.0" }, { -0.04, "0.0" }, { 0.05, "+0.1" },
                  { -0.05, "\u22120.1" }, { 19.55, "+19.6" }, { -49.96, "\u221250.0" } };
        for (const auto& [cents, shown] : cases)
            EXPECT_EQ(formatCents(cents), shown) << cents;
    }

    TEST(Readout, SaysWhatIsGoingOnWheneverNoLiveNoteIsThere)
    {
        using S = Readout::State;
        struct Case {
            const char* name;
            void (*drive)(Readout&);
            S state;
            const char* words;
            bool past;
        };
        const Case cases[] = {
            { "just started", [](Readout&) {}, S::Listening, "Listening", false },
            { "noise without pitch", [](Readout& r) { r.setReading(3, {}, kStart + 600ms); },
                S::Listening, "Listening", false },
            { "silence", [](Readout& r) { r.setReading(0, {}, kStart + 600ms); }, S::TooQuiet,
                "Too quiet", false },
            { "a second after the note",
                [](Readout& r) {
                    r.setReading(5, pitchAt(440.0f), kStart);
                    r.setReading(2, {}, kStart + 1s);
                },
                S::Listening, "Listening", true },
            { "paused with a note",
                [](Readout& r) {
                    r.setReading(5, pitchAt(440.0f), kStart);
                    r.setPaused(true, kStart + 10ms);
                },
                S::Paused, "Paused", true },
            { "no device",
                [](Readout& r) { r.setCaptureState(CaptureState::NoDevice, true, {}, kStart); },
                S::NoDevice, "No input device", false },
            { "no server",
                [](Readout& r) { r.setCaptureState(CaptureState::NoDevice, false, {}, kStart); },
                S::WaitingForServer, "Waiting for the sound server", false },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Readout readout = running();
            c.drive(readout);
            const Readout::Text& text = readout.text();
            EXPECT_EQ(text.state, c.state);
            EXPECT_EQ(text.stateText, c.words);
            EXPECT_EQ(text.past, c.past);
            EXPECT_TRUE(!c.past || text.judgement == Readout::Judgement::None)
                << "a past note is never in tune";
        }
    }

    TEST(Readout, ANewReferenceRemapsTheLastNoteEvenInSilence)
    {
        Readout readout = running();
        readout.setReading(5, pitchAt(445.0f), kStart);
        readout.tick(kStart + 5s);
        readout.setPitch(*pitchAt(445.0f, 445));
        EXPECT_EQ(readout.text().cents, "0.0");
        EXPECT_TRUE(readout.text().past);
        EXPECT_EQ(readout.text().device, "Mic");
    }

    TEST(Readout, EveryTranspositionShowsTheWrittenNoteAndNamesTheSoundingOne)
    {
        // Concert B♭4 (note 58), written under each number of semitones,
        // with sharps and with flats.
        struct Case {
            int semitones;
            const char* sharps;
            const char* flats;
        };
        const Case cases[] = { { 0, "A\u266F4", "B\u266D4" }, { 2, "C5", "C5" },
            { 3, "C\u266F5", "D\u266D5" }, { 9, "G5", "G5" }, { 7, "F5", "F5" }, { 14, "C6", "C6" },
            { 21, "G6", "G6" }, { 12, "A\u266F5", "B\u266D5" }, { -24, "A\u266F2", "B\u266D2" },
            { 24, "A\u266F6", "B\u266D6" } };
        for (const TranspositionPreset& preset : kTranspositionPresets)
            EXPECT_TRUE(std::ranges::any_of(cases, [&](const Case& c) {
                return c.semitones == preset.semitones;
            })) << preset.name;
        for (const Case& c : cases)
            for (const NoteSpelling spelling : { NoteSpelling::Sharps, NoteSpelling::Flats }) {
                const bool flats = spelling == NoteSpelling::Flats;
                SCOPED_TRACE(testing::Message() << c.semitones << (flats ? " flats" : " sharps"));
                Readout readout = running();
                readout.setSpelling(spelling);
                readout.setReading(5, pitchAt(466.1638f), kStart + 1s);
                const Readout::Text concert = readout.text();
                readout.setTransposition(c.semitones);
                const Readout::Text& text = readout.text();
                EXPECT_EQ(text.note, flats ? c.flats : c.sharps);
                EXPECT_EQ(text.sounding, c.semitones == 0 ? "" : concert.note);
                EXPECT_EQ(concert.note, flats ? "B\u266D4" : "A\u266F4");
                EXPECT_EQ(text.cents, concert.cents);
                EXPECT_EQ(text.frequency, concert.frequency);
                EXPECT_EQ(text.judgement, concert.judgement);
            }

        // Another naming renames the last note at once, written and sounding.
        Readout readout = running();
        readout.setReading(5, pitchAt(466.1638f), kStart + 1s);
        readout.setTransposition(1);
        readout.setNaming(NoteNaming::German, italianSyllables());
        EXPECT_EQ(readout.text().note, "H4");
        EXPECT_EQ(readout.text().sounding, "A\u266F4");
        readout.setSpelling(NoteSpelling::Flats);
        EXPECT_EQ(readout.text().sounding, "B4");
        readout.setNaming(NoteNaming::Solfege, italianSyllables());
        EXPECT_EQ(readout.text().note, "Si4");
    }

} // namespace
} // namespace clefmark
