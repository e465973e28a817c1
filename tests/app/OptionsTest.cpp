#include "app/Options.h"

#include "app/CaptureStatus.h"

#include <gtest/gtest.h>
#include <ostream>

namespace clefmark {
namespace {

    ParsedOptions parse(std::initializer_list<const char*> args)
    {
        QStringList list;
        for (const char* a : args)
            list << QString::fromUtf8(a);
        return parseOptions(list);
    }

    TEST(Options, ValuesFollowOrComeAfterEquals)
    {
        const ParsedOptions p = parse({ "--input", "a4.wav", "--snapshot=out.png", "--quit-after",
            "2.5", "--reference=442", "--octave-rejection", "--no-close-enough" });
        ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
        EXPECT_EQ(p.options.input, u"a4.wav");
        EXPECT_EQ(p.options.snapshot, u"out.png");
        EXPECT_EQ(p.options.quitAfter, 2.5);
        EXPECT_EQ(p.options.referencePitch, 442);
        EXPECT_EQ(p.options.octaveRejection, true);
        EXPECT_EQ(p.options.closeEnough, false);
    }

    // As a file manager opens a file with the program.
    TEST(Options, AFileAloneIsTheInput)
    {
        EXPECT_EQ(parse({ "song.wav" }).options.input, u"song.wav");
        EXPECT_EQ(parse({ "--reference", "442", "song.wav" }).options.input, u"song.wav");
        EXPECT_EQ(parse({ "--", "-x.wav" }).options.input, u"-x.wav");
    }

    TEST(Options, NothingGivenChangesNothing)
    {
        const ParsedOptions p = parse({});
        EXPECT_TRUE(p.error.isEmpty());
        EXPECT_TRUE(p.options.input.isEmpty());
        EXPECT_FALSE(p.options.quitAfter);
        EXPECT_FALSE(p.options.referencePitch);
        EXPECT_FALSE(p.options.octaveRejection);
        EXPECT_FALSE(p.options.closeEnough);
    }

    TEST(Options, TranspositionAndNoteNames)
    {
        const std::pair<const char*, int> semitones[]
            = { { "2", 2 }, { "-24", -24 }, { "+24", 24 }, { "0", 0 } };
        for (const auto& [given, used] : semitones) {
            const ParsedOptions p = parse({ "--transpose", given, "--flats" });
            ASSERT_TRUE(p.error.isEmpty()) << p.error.toStdString();
            EXPECT_EQ(p.options.transposition, used) << given;
            EXPECT_EQ(p.options.flatNames, true);
        }
        EXPECT_EQ(parse({ "--flats", "--sharps" }).options.flatNames, false);
        EXPECT_EQ(parse({ "--fresh-notes" }).options.freshNotes, true);
        EXPECT_EQ(parse({ "--fresh-notes", "--no-fresh-notes" }).options.freshNotes, false);
        EXPECT_FALSE(parse({}).options.freshNotes);
        EXPECT_FALSE(parse({}).options.transposition);
        EXPECT_FALSE(parse({}).options.flatNames);
    }

    TEST(Options, Detector)
    {
        EXPECT_FALSE(parse({}).options.secondOpinion);
        EXPECT_EQ(parse({ "--detector", "hybrid" }).options.secondOpinion, true);
        EXPECT_EQ(parse({ "--detector=classic" }).options.secondOpinion, false);
        EXPECT_FALSE(asksForHelpOrVersion({ "--detector", "--help" }));
        EXPECT_EQ(parse({ "--names=solfege" }).options.noteNaming, NoteNaming::Solfege);
        EXPECT_FALSE(asksForHelpOrVersion({ "--names", "--help" }));
    }

    TEST(Options, SnapshotAloneWaitsTheDefaultTime)
    {
        EXPECT_EQ(parse({ "--snapshot", "x.png" }).options.quitAfter, kDefaultSnapshotSeconds);
        EXPECT_EQ(parse({ "--snapshot", "x.png", "--quit-after", "1" }).options.quitAfter, 1.0);
    }

    TEST(Options, HelpAndVersionAreFoundAnywhereBeforeTheEnd)
    {
        EXPECT_TRUE(asksForHelpOrVersion({ "--input", "x", "-h" }));
        EXPECT_TRUE(asksForHelpOrVersion({ "--version" }));
        EXPECT_FALSE(asksForHelpOrVersion({ "--", "--help" }));
        EXPECT_FALSE(asksForHelpOrVersion({ "--input", "x" }));
        EXPECT_TRUE(asksForHelp({ "--version", "--help" }));
        EXPECT_FALSE(asksForHelp({ "--version" }));
    }

    // An option that takes a value takes the next word, whatever it looks like.
    TEST(Options, TheWordAfterAnOptionIsItsValue)
    {
        EXPECT_FALSE(asksForHelpOrVersion({ "--input", "--help" }));
        EXPECT_FALSE(asksForHelpOrVersion({ "--snapshot", "-h", "--quit-after", "--version" }));
        EXPECT_FALSE(asksForHelp({ "--version", "--input", "-h" }));
        EXPECT_TRUE(asksForHelpOrVersion({ "--input=x", "--help" }));
        EXPECT_TRUE(asksForHelpOrVersion({ "--close-enough", "--help" }));
        EXPECT_EQ(parse({ "--input", "--help" }).options.input, u"--help");
        EXPECT_EQ(parse({ "--snapshot", "-h" }).options.snapshot, u"-h");
    }

    // The same numbers as the terminal tools take for the same settings.
    TEST(Options, NumbersReadAsTheTerminalToolsReadThem)
    {
        EXPECT_EQ(parse({ "--reference", "+440" }).options.referencePitch, 440);
        EXPECT_EQ(parse({ "--transpose", "+2" }).options.transposition, 2);
        EXPECT_EQ(parse({ "--quit-after", ".5" }).options.quitAfter, 0.5);
        EXPECT_EQ(parse({ "--quit-after", "5." }).options.quitAfter, 5.0);
        EXPECT_EQ(parse({ "--quit-after", "86400" }).options.quitAfter, 86400.0);
    }

    struct BadCase {
        std::vector<const char*> args;
        const char* messageContains;
        friend void PrintTo(const BadCase& c, std::ostream* os)
        {
            for (const char* a : c.args)
                *os << a << ' ';
        }
    };

    class BadOptions : public testing::TestWithParam<BadCase> { };

    TEST_P(BadOptions, OneLineNamingTheOption)
    {
        QStringList list;
        for (const char* a : GetParam().args)
            list << QString::fromUtf8(a);
        const ParsedOptions p = parseOptions(list);
        EXPECT_TRUE(p.error.contains(QString::fromUtf8(GetParam().messageContains)))
            << p.error.toStdString();
        EXPECT_FALSE(p.error.contains(u'\n'));
    }

    INSTANTIATE_TEST_SUITE_P(Table, BadOptions,
        testing::Values(BadCase { { "--input" }, "--input needs a file name" },
            BadCase { { "--input=" }, "--input needs a file name" },
            BadCase { { "--quit-after", "soon" }, "--quit-after needs a number" },
            BadCase { { "--quit-after", "0" }, "--quit-after needs a number" },
            BadCase { { "--quit-after", "-3" }, "--quit-after needs a number" },
            BadCase { { "--quit-after", "nan" }, "--quit-after needs a number" },
            BadCase { { "--quit-after" }, "got nothing" },
            BadCase { { "--quit-after", "86401" }, "at most 86400 (a day)" },
            BadCase { { "--quit-after", "1e3" }, "--quit-after needs a number" },
            BadCase { { "--quit-after", " 2" }, "--quit-after needs a number" },
            BadCase { { "--transpose", "25" }, "semitones from -24 to 24 (got '25')" },
            BadCase { { "--transpose", "1.5" }, "--transpose needs a whole number" },
            BadCase { { "--transpose" }, "--transpose needs a whole number" },
            BadCase { { "--detector", "yin" }, "--detector needs classic or hybrid (got 'yin')" },
            BadCase { { "--detector" }, "--detector needs classic or hybrid (got nothing)" },
            BadCase { { "--names", "H" }, "--names needs letters, german or solfege (got 'H')" },
            BadCase { { "--flats=yes" }, "--flats takes no value" },
            BadCase { { "--reference", "419" }, "from 420 to 460 (got '419')" },
            BadCase { { "--reference", "461" }, "from 420 to 460" },
            BadCase { { "--reference", "440.5" }, "whole number" },
            BadCase { { "--reference", " 440" }, "from 420 to 460 (got ' 440')" },
            BadCase { { "--reference", "440 " }, "from 420 to 460 (got '440 ')" },
            BadCase { { "--transpose", "2 " }, "from -24 to 24 (got '2 ')" },
            BadCase { { "--reference" }, "from 420 to 460 (got nothing)" },
            BadCase { { "--close-enough=yes" }, "--close-enough takes no value" },
            BadCase { { "--loud" }, "unknown option '--loud'" },
            BadCase { { "-" }, "unexpected argument '-'" },
            BadCase {
                { "a.wav", "b.wav" }, "one file at a time, please (got 'a.wav' and 'b.wav')" },
            BadCase { { "--input", "a.wav", "--", "-b.wav" }, "(got 'a.wav' and '-b.wav')" }));

    struct StatusCase {
        CaptureState state;
        const char* detail;
        bool serverConnected;
        const char* expected;
        friend void PrintTo(const StatusCase& c, std::ostream* os)
        {
            *os << static_cast<int>(c.state) << ' ' << c.serverConnected;
        }
    };

    class CaptureStatusText : public testing::TestWithParam<StatusCase> { };

    TEST_P(CaptureStatusText, SaysWhyNothingIsHeard)
    {
        const StatusCase& c = GetParam();
        EXPECT_EQ(
            captureStatusText(c.state, c.detail, c.serverConnected).toStdString(), c.expected);
    }

    INSTANTIATE_TEST_SUITE_P(Table, CaptureStatusText,
        testing::Values(StatusCase { CaptureState::Running, "", true, "" },
            StatusCase { CaptureState::Stopped, "", false, "" },
            StatusCase { CaptureState::Terminated, "", false, "" },
            StatusCase {
                CaptureState::NoDevice, "no input device", false, "Waiting for the sound server…" },
            StatusCase { CaptureState::NoDevice, "no input device", true,
                "No input device: choose one in Sound Settings…" },
            StatusCase { CaptureState::FormatUnusable, "the input device's format cannot be read",
                true, "Cannot listen: the input device's format cannot be read" },
            StatusCase { CaptureState::Running, kRecordingEndedDetail, true,
                "The sound server ended the recording; listening again" },
            StatusCase { CaptureState::Running, kDigitalSilenceDetail, true,
                "The input device has given only digital silence for 2 seconds; listening again" },
            StatusCase { CaptureState::Running, kSilentInputDetail, true,
                "The input device gives only digital silence; is it muted?" }));

} // namespace
} // namespace clefmark
