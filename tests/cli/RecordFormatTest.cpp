#include "cli/RecordFormat.h"

#include "tests/support/AudioFiles.h"
#include "tests/support/SoundServer.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace clefmark::cli {
namespace {

    // Block 0 of a 441 Hz sine at 44100 Hz: blocks of 2004 frames.
    BlockRecord sineBlock()
    {
        BlockRecord record;
        record.block = 0;
        record.time = 2004.0 / 44100.0;
        record.report.level = 5;
        record.report.detected = 441.0f;
        record.report.frequency = 441.0f;
        record.report.update = DisplayUpdate { 2, false, 57 };
        return record;
    }

    BlockRecord quietBlock()
    {
        BlockRecord record;
        record.block = 3;
        record.time = 4 * 2004.0 / 44100.0;
        record.report.level = 0;
        return record;
    }

    std::string format(OutputFormat format, bool withFiles, const BlockRecord& record,
        std::string_view file = "a.wav")
    {
        std::string out;
        RecordFormatter(format, withFiles).appendRecord(out, file, record);
        return out;
    }

    constexpr const char* kSineJsonl
        = "{\"block\":0,\"time\":0.045442,\"level\":5,\"detected\":441,"
          "\"frequency\":441,\"note\":57,\"name\":\"A4\",\"tune\":2,"
          "\"in_tune\":false}\n";

    TEST(RecordFormat, JsonlRecord)
    {
        EXPECT_EQ(format(OutputFormat::Jsonl, false, sineBlock()), kSineJsonl);

        EXPECT_EQ(format(OutputFormat::Jsonl, false, quietBlock()),
            "{\"block\":3,\"time\":0.181769,\"level\":0,\"detected\":null,\"frequency\":null,"
            "\"note\":null,\"name\":null,\"tune\":null,\"in_tune\":null}\n");

        // A detection the note mapping could not place, and an in-tune note.
        BlockRecord unmapped = sineBlock();
        unmapped.report.update.reset();
        EXPECT_EQ(format(OutputFormat::Jsonl, false, unmapped),
            "{\"block\":0,\"time\":0.045442,\"level\":5,\"detected\":441,\"frequency\":441,"
            "\"note\":null,\"name\":null,\"tune\":null,\"in_tune\":null}\n");
        BlockRecord inTune = sineBlock();
        inTune.report.update = DisplayUpdate { -1, true, 46 };
        EXPECT_NE(format(OutputFormat::Jsonl, false, inTune)
                      .find("\"note\":46,\"name\":\"A#3\",\"tune\":-1,\"in_tune\":true}"),
            std::string::npos);
    }

    TEST(RecordFormat, JsonlWithFileStartsWithTheEscapedName)
    {
        EXPECT_EQ(format(OutputFormat::Jsonl, true, sineBlock(), "take \"2\"\\a.wav"),
            std::string("{\"file\":\"take \\\"2\\\"\\\\a.wav\",") + (kSineJsonl + 1));
    }

    TEST(RecordFormat, Tsv)
    {
        std::string header;
        RecordFormatter(OutputFormat::Tsv, false).appendHeader(header);
        EXPECT_EQ(header, "block\ttime\tlevel\tdetected\tfrequency\tnote\tname\ttune\tin_tune\n");
        header.clear();
        RecordFormatter(OutputFormat::Tsv, true).appendHeader(header);
        EXPECT_EQ(
            header, "file\tblock\ttime\tlevel\tdetected\tfrequency\tnote\tname\ttune\tin_tune\n");

        EXPECT_EQ(format(OutputFormat::Tsv, false, sineBlock()),
            "0\t0.045442\t5\t441\t441\t57\tA4\t2\tfalse\n");
        EXPECT_EQ(format(OutputFormat::Tsv, false, quietBlock()), "3\t0.181769\t0\t\t\t\t\t\t\n");
        EXPECT_EQ(format(OutputFormat::Tsv, true, quietBlock(), "a\tb\\c\nd.wav"),
            "a\\tb\\\\c\\nd.wav\t3\t0.181769\t0\t\t\t\t\t\t\n");

        // Only jsonl and text have nothing before their records.
        for (const OutputFormat other : { OutputFormat::Jsonl, OutputFormat::Text }) {
            std::string none;
            RecordFormatter(other, true).appendHeader(none);
            EXPECT_EQ(none, "");
        }
    }

    TEST(RecordFormat, NumbersLikePrintf)
    {
        struct Case {
            float value;
            const char* general9;
        };
        const Case cases[] = {
            { 441.0f, "441" },
            { 440.5f, "440.5" },
            { 1.0f / 3.0f, "0.333333343" },
            { 82.4068985f, "82.4068985" },
            { 1e-5f, "9.99999975e-06" },
            { 123456792.0f, "123456792" },
            { 1e10f, "1e+10" },
            { -27.5f, "-27.5" },
        };
        for (const Case& c : cases) {
            std::string out;
            appendGeneral(out, c.value);
            EXPECT_EQ(out, c.general9);
        }

        std::string fixed;
        appendFixed(fixed, 0.0454421768707483, 6);
        fixed += ' ';
        appendFixed(fixed, 300.0, 6);
        fixed += ' ';
        appendFixed(fixed, 0.0000005, 6);
        EXPECT_EQ(fixed, "0.045442 300.000000 0.000000");
    }

    TEST(RecordFormat, JsonStringEscaping)
    {
        struct Case {
            std::string_view text;
            const char* json;
        };
        const Case cases[] = {
            { "plain.wav", "\"plain.wav\"" },
            { "say \"hi\"", "\"say \\\"hi\\\"\"" },
            { "C:\\music", "\"C:\\\\music\"" },
            { "a\nb\tc\rd\be\f", "\"a\\nb\\tc\\rd\\be\\f\"" },
            { std::string_view("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\"" },
            { std::string_view("nul\0x", 5), "\"nul\\u0000x\"" },
            { "caf\xc3\xa9 \xe2\x99\xaf \xf0\x9d\x84\x9e",
                "\"caf\xc3\xa9 \xe2\x99\xaf \xf0\x9d\x84\x9e\"" },
            // Not UTF-8: a stray byte, a sequence cut short, an overlong '/', a
            // surrogate and a code point beyond U+10FFFF.
            { "\xff.wav", "\"\\ufffd.wav\"" },
            { "end\xc3", "\"end\\ufffd\"" },
            { "\xc0\xaf", "\"\\ufffd\\ufffd\"" },
            { "\xed\xa0\x80", "\"\\ufffd\\ufffd\\ufffd\"" },
            { "\xf4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\"" },
        };
        for (const Case& c : cases) {
            std::string out;
            appendJsonString(out, c.text);
            EXPECT_EQ(out, c.json) << c.text;
        }
    }

    TEST(RecordFormat, Cents)
    {
        struct Case {
            int tune;
            const char* cents;
        };
        const Case cases[] = {
            { 0, "0.0" },
            { 1, "+2.0" },
            { 2, "+3.9" },
            { -2, "-3.9" },
            { 13, "+25.5" },
            { 25, "+49.0" },
            { -25, "-49.0" },
        };
        for (const Case& c : cases)
            EXPECT_EQ(centsText(c.tune), c.cents) << c.tune;
    }

    TEST(RecordFormat, TextShowsNotesOnlyInAlignedColumns)
    {
        EXPECT_EQ(format(OutputFormat::Text, true, quietBlock()), "");

        const std::string sharp = format(OutputFormat::Text, false, sineBlock());
        EXPECT_EQ(sharp, "    0.045 s  A4      +3.9     +2     441.00 Hz\n");

        BlockRecord other = sineBlock();
        other.block = 5000;
        other.time = 227.3;
        other.report.frequency = 1108.73f;
        other.report.update = DisplayUpdate { 0, true, 61 };
        const std::string inTune = format(OutputFormat::Text, false, other);
        EXPECT_EQ(inTune, "  227.300 s  C#5      0.0      0    1108.73 Hz  in tune\n");
        EXPECT_EQ(sharp.find("Hz"), inTune.find("Hz"));

        std::string heading;
        RecordFormatter(OutputFormat::Text, false)
            .beginFile(heading, "take.wav", { "WAV (Microsoft), 32 bit float", 44100, 1, 44100 });
        EXPECT_EQ(heading,
            "take.wav: WAV (Microsoft), 32 bit float, 44100 Hz, 1 channel, 1.000 s\n"
            "       time  note   cents   tune     frequency\n");
        const auto titles = heading.substr(heading.find('\n') + 1);
        EXPECT_EQ(titles.find("frequency") + 9, sharp.find("Hz") + 2)
            << "titles end with their columns";

        std::string none;
        RecordFormatter(OutputFormat::Text, false).endFile(none, 0);
        EXPECT_EQ(none, "  (no pitch detected)\n");
    }

    // A locale whose decimal separator is a comma: an installed one, or else one
    // compiled into `dir` with localedef and found through LOCPATH, which glibc
    // reads on every setlocale. Null when neither works.
    const char* setCommaLocale(const test::TempDir& dir)
    {
        const auto commaNow = [] { return std::localeconv()->decimal_point[0] == ','; };
        const char* const installed[] = { "de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8",
            "fr_FR.utf8", "nl_NL.UTF-8", "ru_RU.UTF-8" };
        for (const char* name : installed)
            if (std::setlocale(LC_ALL, name) != nullptr && commaNow())
                return name;

        const std::string command
            = "localedef -i de_DE -f UTF-8 '" + dir.file("de_DE.UTF-8") + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) == -1)
            return nullptr;
        ::setenv("LOCPATH", dir.path().c_str(), 1);
        const bool set = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr && commaNow();
        ::unsetenv("LOCPATH");
        return set ? "de_DE.UTF-8 (compiled for the test)" : nullptr;
    }

    // The output must not change with the user's locale; a German locale writes
    // "0,045442" wherever printf or iostreams are asked for a number.
    TEST(RecordFormat, DecimalPointInAnyLocale)
    {
        test::TempDir dir;
        const char* chosen = setCommaLocale(dir);
        if (chosen == nullptr) {
            std::setlocale(LC_ALL, "C");
            // A bare build machine, a package build's chroot say, may lack
            // them; where scripts/deps has run they are there, and their
            // absence is a fault.
            constexpr const char* missing
                = "no locale with a decimal comma could be set or compiled (localedef needs "
                  "the locale sources of Debian's locales package, which scripts/deps "
                  "installs)";
            if (test::soundServersRequired())
                FAIL() << missing << " (and CLEFMARK_REQUIRE_SERVERS=1)";
            GTEST_SKIP() << missing;
        }

        BlockRecord record = sineBlock();
        record.report.frequency = 440.5f;
        const std::string jsonl = format(OutputFormat::Jsonl, false, record);
        const std::string tsv = format(OutputFormat::Tsv, false, record);
        const std::string text = format(OutputFormat::Text, false, record);
        std::setlocale(LC_ALL, "C");

        EXPECT_NE(jsonl.find("\"time\":0.045442,"), std::string::npos) << chosen << ": " << jsonl;
        EXPECT_NE(jsonl.find("\"frequency\":440.5,"), std::string::npos) << chosen << ": " << jsonl;
        EXPECT_EQ(tsv, "0\t0.045442\t5\t441\t440.5\t57\tA4\t2\tfalse\n") << chosen;
        EXPECT_NE(text.find("0.045 s"), std::string::npos) << chosen << ": " << text;
        EXPECT_NE(text.find("440.50 Hz"), std::string::npos) << chosen << ": " << text;
    }

} // namespace
} // namespace clefmark::cli
