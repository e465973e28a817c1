// The terminal tuner's session driven turn by turn on made-up time: what it
// says while capture waits, and how and when a run ends.
#include "cli/ListenSession.h"

#include "tests/support/Pitches.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace clefmark::cli {
namespace {

    using namespace std::chrono_literals;
    using Clock = ListenSession::Clock;
    using Duration = Clock::duration;

    // As on a machine that has been up a while: the first draw is due at once.
    const Clock::time_point kStart = Clock::time_point {} + 24h;
    constexpr std::size_t kWidth = 100;

    // A session with everything it asks for at hand, and a transcript of all
    // it wrote.
    class Driven {
    public:
        explicit Driven(ListenSettings settings, std::string file = {})
            : session_(std::move(settings),
                { std::move(file), [this] { return serverUp; }, [this] { return fileEnd; } },
                { [this](std::string_view text) {
                     out.append(text);
                     return writable;
                 },
                    [this](std::string_view message) {
                        err.append(message).append("\n");
                        saidAt.push_back(now_ - kStart);
                    },
                    [] { return kWidth; } },
                kStart)
        {
        }

        ListenSession& session() { return session_; }
        void capture(CaptureState state, std::string detail = {}, std::string device = {})
        {
            session_.captureChanged(state, std::move(detail), std::move(device));
        }
        std::optional<Duration> tick(Duration at)
        {
            now_ = kStart + at;
            return session_.tick(now_);
        }

        /// Ticks from the start as the command's loop does, each turn after the
        /// wait the last one asked for, with `before` called first; until the
        /// run is over (returns when) or `limit` has passed (returns none).
        std::optional<Duration> runUntil(
            Duration limit, const std::function<void(Duration)>& before = {})
        {
            for (Duration at {}; at <= limit;) {
                if (before)
                    before(at);
                const std::optional<Duration> sleep = tick(at);
                if (!sleep)
                    return at;
                at += *sleep;
            }
            return std::nullopt;
        }

        int finish() { return session_.finish(now_); }

        bool serverUp = false;
        std::optional<std::string> fileEnd;
        bool writable = true;
        std::string out;
        std::string err;
        std::vector<Duration> saidAt;

    private:
        Clock::time_point now_ = kStart;
        ListenSession session_;
    };

    TEST(ListenSession, SaysOnceWhatItWaitsForAfterTheGraceAndWithADurationGivesUp)
    {
        struct Case {
            const char* name;
            bool serverUp;
            std::optional<Duration> duration;
            const char* said;
            Duration saidAt;
            std::optional<Duration> over; // none: waits until stopped
            int status;
        };
        const Case cases[] = {
            { "no server", false, {}, "waiting for a sound server...\n", 1s, {}, 0 },
            { "no device", true, {}, "waiting for an input device...\n", 1s, {}, 0 },
            { "no server for 1 s", false, 1s, "waiting for a sound server...\n", 1s, 1s, 1 },
            // Ending within the grace, it says why even so.
            { "no device for 0.3 s", true, 300ms, "waiting for an input device...\n", 300ms, 300ms,
                1 },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Driven run({ ListenDisplay::Jsonl, false, c.duration });
            run.serverUp = c.serverUp;
            run.capture(CaptureState::NoDevice, "no device");
            EXPECT_EQ(run.runUntil(5s), c.over);
            EXPECT_EQ(run.finish(), c.status);
            EXPECT_EQ(run.err, c.said);
            EXPECT_EQ(run.saidAt, std::vector { c.saidAt });
            EXPECT_EQ(run.out, "");
        }
    }

    TEST(ListenSession, ADeviceWithinTheGraceIsNoNewsAfterItIsFound)
    {
        for (const Duration found : { 900ms, 1500ms }) {
            SCOPED_TRACE(found.count());
            Driven run({ ListenDisplay::Jsonl, false, {} });
            run.capture(CaptureState::NoDevice);
            run.runUntil(3s, [&](Duration at) {
                if (at == found)
                    run.capture(CaptureState::Running);
            });
            EXPECT_EQ(run.finish(), 0);
            EXPECT_EQ(run.err,
                found < 1s ? ""
                           : "waiting for a sound server...\n"
                             "found an input device; listening\n");
        }
    }

    TEST(ListenSession, AfterALossItSaysAtOnceWhatItWaitsForAndWhenItListensAgain)
    {
        Driven run({ ListenDisplay::Jsonl, false, {} });
        run.capture(CaptureState::Running);
        run.tick(0s);
        run.capture(CaptureState::NoDevice);
        run.tick(10s);
        run.serverUp = true;
        run.tick(11s);
        run.capture(CaptureState::Running);
        run.tick(12s);
        run.capture(CaptureState::FormatUnusable, "48 channels");
        run.tick(13s);
        run.capture(CaptureState::FormatUnusable, "a rate of 1 Hz");
        run.tick(14s);
        run.capture(CaptureState::NoDevice);
        run.tick(15s);
        run.capture(CaptureState::Running);
        run.tick(16s);
        run.capture(CaptureState::Running, kRecordingEndedDetail);
        run.tick(17s);
        run.capture(CaptureState::Running);
        run.tick(18s);
        // Sound back before the turn: the restart is news all the same.
        run.capture(CaptureState::Running, kInputStalledDetail);
        run.capture(CaptureState::Running);
        run.tick(19s);
        run.tick(20s);
        // A silent input is said as it is; once sound has come, it is no news.
        run.capture(CaptureState::Running, kSilentInputDetail);
        run.tick(21s);
        run.capture(CaptureState::Running, kSilentInputDetail);
        run.capture(CaptureState::Running);
        run.tick(22s);
        EXPECT_EQ(run.err,
            "lost the sound server; waiting for it to come back...\n"
            "no input device any more; waiting for one...\n"
            "listening again\n"
            "48 channels; waiting for another input device...\n"
            "a rate of 1 Hz; waiting for another input device...\n"
            "no input device any more; waiting for one...\n"
            "listening again\n"
            "the sound server ended the recording; listening again\n"
            "no sound has come from the input device for 2 seconds; listening again\n"
            "the input device gives only digital silence; is it muted?\n");
        EXPECT_EQ(run.saidAt,
            (std::vector<Duration> { 10s, 11s, 12s, 13s, 14s, 15s, 16s, 17s, 19s, 21s }));
    }

    TEST(ListenSession, NamesTheDeviceHeardAtTheStartAndWheneverItChanges)
    {
        for (const bool file : { false, true }) {
            Driven run({ ListenDisplay::Jsonl, false, {} }, file ? "a4.wav" : "");
            run.serverUp = true;
            run.capture(CaptureState::Running, {}, "Mic A");
            run.tick(0s);
            run.capture(CaptureState::Running, kRecordingEndedDetail, "Mic A");
            run.tick(1s);
            run.capture(CaptureState::Running, {}, "Mic B");
            run.tick(2s);
            run.capture(CaptureState::NoDevice);
            run.tick(3s);
            run.capture(CaptureState::Running, {}, "Mic A");
            run.tick(4s);
            run.capture(CaptureState::Running, kRecordingEndedDetail, "Mic B");
            run.tick(5s);
            EXPECT_EQ(run.err,
                file ? "the sound server ended the recording; listening again\n"
                       "no input device any more; waiting for one...\n"
                       "listening again\n"
                       "the sound server ended the recording; listening again\n"
                     : "listening to Mic A\n"
                       "the sound server ended the recording; listening again\n"
                       "listening to Mic B\n"
                       "no input device any more; waiting for one...\n"
                       "listening again to Mic A\n"
                       "the sound server ended the recording; listening again to Mic B\n");
        }
    }

    TEST(ListenSession, EndsWithEveryRecordWrittenAndTheStatusOfWhyItEnded)
    {
        struct Case {
            const char* name;
            std::string file;
            std::optional<Duration> duration;
            std::optional<std::string> fileEnd; // at 600 ms
            bool writable;
            std::optional<Duration> over; // none: stopped from outside at 2 s
            int status;
            const char* err;
        };
        const Case cases[] = {
            { "duration", "", 1s, {}, true, 1s, 0, "" },
            { "stop signal", "", {}, {}, true, {}, 0, "" },
            { "end of file", "take.wav", {}, "", true, 600ms, 0, "" },
            { "read error", "take.wav", 1s, "truncated", true, 600ms, 1, "take.wav: truncated\n" },
            { "output closed", "", {}, {}, false, 0s, 2, "" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Driven run({ ListenDisplay::Jsonl, false, c.duration }, c.file);
            run.writable = c.writable;
            run.capture(CaptureState::Running);
            std::string records;
            int block = 0;
            const auto addRecord = [&] {
                const std::string record = "{\"block\":" + std::to_string(block++) + "}\n";
                records += record;
                run.session().addRecord(record);
            };
            EXPECT_EQ(run.runUntil(2s,
                          [&](Duration at) {
                              addRecord();
                              if (at >= 600ms)
                                  run.fileEnd = c.fileEnd;
                          }),
                c.over);
            addRecord(); // posted while capture stopped
            EXPECT_EQ(run.finish(), c.status);
            EXPECT_EQ(run.err, c.err);
            EXPECT_EQ(run.out, records);
        }
    }

    // A second after the last pitch the note is past: never "in tune", and
    // the line says what is going on instead, as the window does.
    TEST(ListenSession, AStaleNoteIsNotCalledInTune)
    {
        Driven run({ ListenDisplay::Lines, false, {} });
        run.capture(CaptureState::Running);
        run.session().setTune(0, true);
        run.session().setNote(57);
        run.session().setReading(5, test::pitchAt(440.0f));
        run.tick(0s);
        run.tick(1150ms);
        run.session().setReading(3, std::nullopt);
        run.tick(1500ms);
        const std::vector<std::string> shown = [&] {
            std::vector<std::string> all;
            std::istringstream lines(run.out);
            for (std::string line; std::getline(lines, line);)
                all.push_back(line);
            return all;
        }();
        ASSERT_GE(shown.size(), 2u) << run.out;
        EXPECT_NE(shown.front().find("in tune"), std::string::npos) << shown.front();
        EXPECT_EQ(shown.back().find("in tune"), std::string::npos) << shown.back();
        EXPECT_NE(shown.back().find("listening"), std::string::npos) << shown.back();
    }

    // The terminal reads a block as the window's readout does: its cents to
    // a tenth (with a plain minus) and its word, never whole tune steps.
    TEST(ListenSession, SaysTheCentsAndTheWordTheWindowsReadoutSays)
    {
        for (const float hz : { 440.4f, 445.0f, 436.0f, 440.0f, 439.6f, 452.0f, 27.6f, 4180.0f }) {
            SCOPED_TRACE(hz);
            const std::optional<Pitch> pitch = test::pitchAt(hz);
            ASSERT_TRUE(pitch);
            Readout window;
            window.setCaptureState(CaptureState::Running, true, {}, kStart);
            window.setReading(5, pitch, kStart);
            std::string cents = window.text().cents;
            if (cents.starts_with("\u2212"))
                cents.replace(0, 3, "-");
            const std::string& judgement = window.text().judgementText;
            const std::string word = judgement.substr(judgement.find(' ') + 1);

            Driven run({ ListenDisplay::Lines, false, {} });
            run.capture(CaptureState::Running);
            run.session().setLevel(5);
            run.session().setTune(pitch->update.tune, pitch->update.inTune);
            run.session().setNote(pitch->update.note);
            run.session().setReading(5, pitch);
            run.tick(0s);
            EXPECT_NE(run.out.find(" " + cents + " cents "), std::string::npos) << run.out;
            EXPECT_NE(run.out.find("]  " + word + " "), std::string::npos) << run.out;
        }
    }

    TEST(ListenSession, OnATerminalAMessageTakesTheLinesPlaceAndTheLineEndsLast)
    {
        Driven run({ ListenDisplay::Live, false, {} });
        run.capture(CaptureState::Running);
        StatusReading reading;
        const auto hear = [&](int tune, int note) {
            run.session().setLevel(5);
            run.session().setTune(tune, tune == 0);
            run.session().setNote(note);
            reading = { .update = DisplayUpdate { tune, tune == 0, note }, .level = 5 };
        };
        const auto drawn = [](const std::string& line) { return "\r" + line + "\033[K"; };

        hear(3, 57);
        run.tick(0s);
        std::string expected = drawn(statusLine(reading, kWidth));
        hear(0, 57);
        run.tick(100ms);
        EXPECT_EQ(run.out, expected) << "redrawn within 200 ms";
        run.tick(200ms);
        expected += drawn(statusLine(reading, kWidth));
        run.capture(CaptureState::NoDevice);
        run.tick(300ms);
        expected += "\r\033[K";
        run.tick(400ms);
        expected += drawn(
            statusMessage("lost the sound server; waiting for it to come back...", kWidth));
        run.capture(CaptureState::Running);
        run.tick(500ms);
        expected += "\r\033[K";
        run.tick(600ms);
        expected += drawn(statusLine(reading, kWidth)) + "\n";
        EXPECT_EQ(run.finish(), 0);
        EXPECT_EQ(run.out, expected);
        EXPECT_EQ(run.err,
            "lost the sound server; waiting for it to come back...\n"
            "listening again\n");
    }

} // namespace
} // namespace clefmark::cli
