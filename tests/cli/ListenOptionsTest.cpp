#include "cli/ListenOptions.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace clefmark::cli {
namespace {

    ParsedListenOptions parse(std::vector<std::string_view> args)
    {
        return parseListenOptions(args);
    }

    TEST(ListenOptions, Defaults)
    {
        const ParsedListenOptions parsed = parse({});
        ASSERT_EQ(parsed.error, "");
        const ListenOptions& o = parsed.options;
        EXPECT_EQ(o.input, "");
        EXPECT_FALSE(o.loop);
        EXPECT_EQ(o.duration, std::nullopt);
        EXPECT_EQ(o.format, std::nullopt) << "chosen by whether the output is a terminal";
        EXPECT_EQ(o.cycleFrames, 512u);
        EXPECT_EQ(o.referencePitch, 440);
        EXPECT_FALSE(o.octaveRejection);
        EXPECT_FALSE(o.closeEnough);
    }

    TEST(ListenOptions, Accepted)
    {
        struct Case {
            std::vector<std::string_view> args;
            std::string input;
            bool loop;
            std::optional<double> duration;
            std::optional<OutputFormat> format;
            std::uint32_t cycleFrames;
            int reference;
        };
        const Case cases[] = {
            { { "--input", "take.wav" }, "take.wav", false, {}, {}, 512, 440 },
            { { "--input=a b.flac", "--loop" }, "a b.flac", true, {}, {}, 512, 440 },
            { { "--loop", "--input", "-x.wav" }, "-x.wav", true, {}, {}, 512, 440 },
            { { "--duration", "10" }, "", false, 10.0, {}, 512, 440 },
            { { "--duration=2.5" }, "", false, 2.5, {}, 512, 440 },
            { { "--duration", "0.05" }, "", false, 0.05, {}, 512, 440 },
            { { "--duration", ".5" }, "", false, 0.5, {}, 512, 440 },
            { { "--duration", "5." }, "", false, 5.0, {}, 512, 440 },
            { { "--duration", "31536000" }, "", false, 31536000.0, {}, 512, 440 },
            { { "--reference", "+442" }, "", false, {}, {}, 512, 442 },
            { { "--format", "jsonl" }, "", false, {}, OutputFormat::Jsonl, 512, 440 },
            { { "--format=text" }, "", false, {}, OutputFormat::Text, 512, 440 },
            { { "--input", "f", "--cycle-frames", "4096" }, "f", false, {}, {}, 4096, 440 },
            { { "--reference", "432", "--format", "jsonl", "--duration", "1" }, "", false, 1.0,
                OutputFormat::Jsonl, 512, 432 },
        };
        for (const Case& c : cases) {
            const ParsedListenOptions parsed = parse(c.args);
            ASSERT_EQ(parsed.error, "") << c.args[0];
            const ListenOptions& o = parsed.options;
            EXPECT_EQ(o.input, c.input) << c.args[0];
            EXPECT_EQ(o.loop, c.loop) << c.args[0];
            EXPECT_EQ(o.duration, c.duration) << c.args[0];
            EXPECT_EQ(o.format, c.format) << c.args[0];
            EXPECT_EQ(o.cycleFrames, c.cycleFrames) << c.args[0];
            EXPECT_EQ(o.referencePitch, c.reference) << c.args[0];
        }

        const ParsedListenOptions switches
            = parse({ "--octave-rejection", "--close-enough", "--fresh-notes" });
        EXPECT_TRUE(switches.options.octaveRejection);
        EXPECT_TRUE(switches.options.closeEnough);
        EXPECT_TRUE(switches.options.freshNotes);
        EXPECT_TRUE(parse({ "-h" }).options.help);
        EXPECT_TRUE(parse({ "--version" }).options.version);
        // Help wins over a combination that would otherwise be refused.
        EXPECT_EQ(parse({ "--loop", "--help" }).error, "");
    }

    TEST(ListenOptions, Refused)
    {
        struct Case {
            std::vector<std::string_view> args;
            const char* error; // the start of the one-line message
        };
        const Case cases[] = {
            { { "take.wav" },
                "'take.wav': listen takes no file argument (to play a file, use --input FILE)" },
            { { "--input" }, "--input: needs an audio file" },
            { { "--input=" }, "--input: needs an audio file" },
            { { "--loop" }, "--loop: only with --input FILE" },
            { { "--loop=yes", "--input", "f" }, "--loop: takes no value" },
            { { "--cycle-frames", "256" }, "--cycle-frames: only with --input FILE" },
            { { "--input", "f", "--cycle-frames", "0" },
                "--cycle-frames: '0' is not a whole number from 1 to 65536" },
            { { "--duration" }, "--duration: needs a number of seconds" },
            { { "--duration", "0" }, "--duration: '0' is not a number of seconds above 0" },
            { { "--duration", "-1" }, "--duration: '-1' is not a number of seconds above 0" },
            { { "--duration", "1e3" }, "--duration: '1e3' is not a number of seconds (such as" },
            { { "--duration", "10s" }, "--duration: '10s' is not a number of seconds (such as" },
            { { "--duration", "." }, "--duration: '.' is not a number of seconds (such as" },
            { { "--duration", "inf" }, "--duration: 'inf' is not a number of seconds (such as" },
            { { "--duration", "31536001" },
                "--duration: '31536001' is more than 365 days (31536000 seconds)" },
            { { "--duration", "99999999999" }, "--duration: '99999999999' is more than 365 days" },
            { { "--reference", " 440" },
                "--reference: ' 440' is not a whole number of Hz from 420 to 460" },
            { { "--format", "tsv" }, "--format: 'tsv' is not one of text, jsonl" },
            { { "--format" }, "--format: needs one of text, jsonl" },
            { { "--reference", "470" },
                "--reference: '470' is not a whole number of Hz from 420 to 460" },
            { { "--close-enough=1" }, "--close-enough: takes no value" },
            { { "--device", "x" },
                "'--device': unknown option (see 'clefmark-cli listen --help')" },
        };
        for (const Case& c : cases) {
            const ParsedListenOptions parsed = parse(c.args);
            EXPECT_TRUE(parsed.error.starts_with(c.error)) << c.args[0] << " -> " << parsed.error;
            EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << c.args[0];
        }
    }

} // namespace
} // namespace clefmark::cli
