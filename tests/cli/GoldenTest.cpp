// The analysis of a fixed recording, compared with reviewed output.
//
// A change to the analysis shows up here as a diff of the golden files. If
// the change is intended, rerun with CLEFMARK_BLESS=1 to rewrite them, and
// review the diff like any other.
#include "tests/cli/RunCli.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Signals.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace clefmark::test {
namespace {

    constexpr int kRate = 44100;

    // The open strings of a guitar, then the top string an octave up and down
    // again, each plucked and left to ring, with a short silence between notes.
    std::vector<float> guitarStrings()
    {
        const double notes[] = { 82.41, 110.0, 146.83, 196.0, 246.94, 329.63, 659.26, 329.63 };
        std::vector<float> out;
        for (const double frequency : notes) {
            const std::vector<float> note = pluck16(frequency, kRate, 0.8, 0.7);
            out.insert(out.end(), note.begin(), note.end());
            out.insert(out.end(), kRate / 10, 0.0f);
        }
        return out;
    }

    bool blessing()
    {
        const char* bless = std::getenv("CLEFMARK_BLESS");
        return bless != nullptr && std::string_view(bless) == "1";
    }

    void compareWithGolden(const std::string& name, const std::vector<std::string>& options)
    {
        TempDir dir;
        const std::string input = dir.file("guitar-strings.wav");
        write16BitFile(input, guitarStrings(), 1, kRate);

        std::vector<std::string> args { "analyze", "--format", "jsonl" };
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(input);
        const CliRun run = runCli(dir, args);
        ASSERT_EQ(run.status, 0) << run.err;

        const std::string golden = std::string(CLEFMARK_GOLDEN_DIR) + "/" + name + ".jsonl";
        if (blessing()) {
            writeBytes(golden, run.out);
            std::printf("blessed %s\n", golden.c_str());
            return;
        }
        const std::string expected = readBytes(golden);
        ASSERT_FALSE(expected.empty())
            << golden << " is missing; run with CLEFMARK_BLESS=1 to write it";

        const std::vector<std::string> want = lines(expected);
        const std::vector<std::string> got = lines(run.out);
        for (std::size_t i = 0; i < want.size() && i < got.size(); ++i)
            ASSERT_EQ(got[i], want[i]) << "first difference at line " << i + 1 << " of " << golden;
        ASSERT_EQ(got.size(), want.size()) << golden;
        EXPECT_EQ(run.out, expected);
    }

    TEST(Golden, GuitarStrings)
    {
        compareWithGolden("guitar-strings", {});
    }

    TEST(Golden, ConcertPitchAndFlatsLeaveTheRecordsAsTheyWere)
    {
        compareWithGolden("guitar-strings", { "--transpose", "0", "--flats" });
    }

    TEST(Golden, GuitarStringsWithEverySettingChanged)
    {
        compareWithGolden("guitar-strings-a442-octave-rejection-close-enough",
            { "--reference", "442", "--octave-rejection", "--close-enough" });
    }

} // namespace
} // namespace clefmark::test
