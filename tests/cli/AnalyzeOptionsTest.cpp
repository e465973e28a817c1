#include "cli/AnalyzeOptions.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace clefmark::cli {
namespace {

    ParsedAnalyzeOptions parse(std::vector<std::string_view> args)
    {
        return parseAnalyzeOptions(args);
    }

    TEST(AnalyzeOptions, Defaults)
    {
        const ParsedAnalyzeOptions parsed = parse({ "take.wav" });
        ASSERT_EQ(parsed.error, "");
        const AnalyzeOptions& o = parsed.options;
        EXPECT_EQ(o.referencePitch, 440);
        EXPECT_FALSE(o.octaveRejection);
        EXPECT_FALSE(o.closeEnough);
        EXPECT_EQ(o.format, OutputFormat::Text);
        EXPECT_EQ(o.cycleFrames, 512u);
        EXPECT_EQ(o.files, (std::vector<std::string> { "take.wav" }));
        EXPECT_FALSE(o.help);
        EXPECT_FALSE(o.version);
    }

    TEST(AnalyzeOptions, Accepted)
    {
        struct Case {
            std::vector<std::string_view> args;
            int reference;
            OutputFormat format;
            std::uint32_t cycleFrames;
            std::vector<std::string> files;
        };
        const Case cases[] = {
            { { "--reference", "420", "a" }, 420, OutputFormat::Text, 512, { "a" } },
            { { "--reference=460", "a" }, 460, OutputFormat::Text, 512, { "a" } },
            { { "--reference", "+440", "a" }, 440, OutputFormat::Text, 512, { "a" } },
            { { "a", "--format", "jsonl", "b" }, 440, OutputFormat::Jsonl, 512, { "a", "b" } },
            { { "--format=tsv", "--format=text", "a" }, 440, OutputFormat::Text, 512, { "a" } },
            { { "--cycle-frames", "1", "a" }, 440, OutputFormat::Text, 1, { "a" } },
            { { "--cycle-frames=65536", "a" }, 440, OutputFormat::Text, 65536, { "a" } },
            { { "--", "--reference", "-" }, 440, OutputFormat::Text, 512, { "--reference", "-" } },
            { { "-", "x=y.wav" }, 440, OutputFormat::Text, 512, { "-", "x=y.wav" } },
        };
        for (const Case& c : cases) {
            const ParsedAnalyzeOptions parsed = parse(c.args);
            ASSERT_EQ(parsed.error, "") << c.args[0];
            EXPECT_EQ(parsed.options.referencePitch, c.reference) << c.args[0];
            EXPECT_EQ(parsed.options.format, c.format) << c.args[0];
            EXPECT_EQ(parsed.options.cycleFrames, c.cycleFrames) << c.args[0];
            EXPECT_EQ(parsed.options.files, c.files) << c.args[0];
        }

        const ParsedAnalyzeOptions switches
            = parse({ "--octave-rejection", "--close-enough", "--fresh-notes", "a" });
        EXPECT_TRUE(switches.options.octaveRejection);
        EXPECT_TRUE(switches.options.closeEnough);
        EXPECT_TRUE(switches.options.freshNotes);
        EXPECT_FALSE(parse({ "a" }).options.freshNotes);
        EXPECT_EQ(parse({ "a" }).options.transposition, 0);
        EXPECT_FALSE(parse({ "a" }).options.flats);
        EXPECT_TRUE(parse({ "--flats", "a" }).options.flats);
        EXPECT_FALSE(parse({ "a" }).options.secondOpinion);
        EXPECT_TRUE(parse({ "--detector", "hybrid", "a" }).options.secondOpinion);
        EXPECT_FALSE(
            parse({ "--detector=hybrid", "--detector=classic", "a" }).options.secondOpinion);
        EXPECT_EQ(parse({ "--names", "german", "a" }).options.naming, NoteNaming::German);
        EXPECT_EQ(parse({ "a" }).options.naming, std::nullopt);
        const std::pair<std::string_view, int> semitones[]
            = { { "2", 2 }, { "-24", -24 }, { "+24", 24 }, { "-0", 0 } };
        for (const auto& [given, used] : semitones)
            EXPECT_EQ(parse({ "--transpose", given, "a" }).options.transposition, used) << given;

        // Help and version need no file.
        EXPECT_TRUE(parse({ "--help" }).options.help);
        EXPECT_TRUE(parse({ "-h" }).options.help);
        EXPECT_TRUE(parse({ "--version" }).options.version);
        EXPECT_EQ(parse({ "--help" }).error, "");
    }

    TEST(AnalyzeOptions, Refused)
    {
        struct Case {
            std::vector<std::string_view> args;
            const char* error; // the start of the one-line message
        };
        const Case cases[] = {
            { { "--reference", "419", "a" },
                "--reference: '419' is not a whole number of Hz from 420 to 460" },
            { { "--reference", "461", "a" }, "--reference: '461'" },
            { { "--reference=440.5", "a" }, "--reference: '440.5'" },
            { { "--reference", " 440", "a" }, "--reference: ' 440'" },
            { { "--reference", "440Hz", "a" }, "--reference: '440Hz'" },
            { { "--reference", "", "a" }, "--reference: ''" },
            { { "--reference", "99999999999999999999999", "a" }, "--reference: '9999" },
            { { "a", "--reference" }, "--reference: needs a whole number of Hz from 420 to 460" },
            { { "--cycle-frames", "0", "a" },
                "--cycle-frames: '0' is not a whole number from 1 to 65536" },
            { { "--cycle-frames", "65537", "a" }, "--cycle-frames: '65537'" },
            { { "--cycle-frames", "-1", "a" }, "--cycle-frames: '-1'" },
            { { "--cycle-frames" }, "--cycle-frames: needs a number" },
            { { "--format", "xml", "a" }, "--format: 'xml' is not one of text, jsonl, tsv" },
            { { "--format", "JSONL", "a" }, "--format: 'JSONL'" },
            { { "--format" }, "--format: needs one of" },
            { { "--close-enough=yes", "a" }, "--close-enough: takes no value" },
            { { "--transpose", "25", "a" },
                "--transpose: '25' is not a whole number of semitones from -24 to 24" },
            { { "--transpose=-25", "a" }, "--transpose: '-25'" },
            { { "--transpose", "2.5", "a" }, "--transpose: '2.5'" },
            { { "--transpose", "--", "a" }, "--transpose: '--'" },
            { { "a", "--transpose" }, "--transpose: needs a whole number" },
            { { "--flats=yes", "a" }, "--flats: takes no value" },
            { { "--detector", "yin", "a" }, "--detector: 'yin' is not classic or hybrid" },
            { { "--detector", "Hybrid", "a" }, "--detector: 'Hybrid'" },
            { { "a", "--detector" }, "--detector: needs classic or hybrid" },
            { { "--names", "Solfège", "a" },
                "--names: 'Solfège' is not letters, german or solfege" },
            { { "--help=1" }, "--help: takes no value" },
            { { "--bogus", "a" }, "'--bogus': unknown option" },
            { { "-x", "a" }, "'-x': unknown option" },
            { { "--reference440", "a" }, "'--reference440': unknown option" },
            { {}, "analyze: no audio file given" },
            { { "--format", "jsonl", "--close-enough" }, "analyze: no audio file given" },
        };
        for (const Case& c : cases) {
            const ParsedAnalyzeOptions parsed = parse(c.args);
            const std::string context = c.args.empty() ? "(none)" : std::string(c.args[0]);
            EXPECT_TRUE(parsed.error.starts_with(c.error)) << context << " -> " << parsed.error;
            EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << context;
        }
    }

} // namespace
} // namespace clefmark::cli
