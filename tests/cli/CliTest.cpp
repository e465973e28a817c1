// clefmark-cli end to end: the built program on files in a temporary
// directory.
#include "tests/cli/RunCli.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Signals.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace clefmark::test {
namespace {

    constexpr int kRate = 44100;
    constexpr std::size_t kBlockFrames = 2004; // 1/22 s at 44100 Hz

    // 441 Hz at 44100 Hz is a period of exactly 100 samples.
    std::vector<float> sine441(std::size_t frames)
    {
        return periodicSine(100, 0.5f, frames);
    }

    constexpr const char* kFirstBlock
        = "{\"block\":0,\"time\":0.045442,\"level\":5,\"detected\":441,"
          "\"frequency\":441,\"note\":57,\"name\":\"A4\",\"tune\":2,"
          "\"in_tune\":false}";

    TEST(Cli, SineOfFourHundredFortyOneHertz)
    {
        TempDir dir;
        const std::string path = dir.file("sine441.wav");
        // Five whole blocks and part of a sixth, which is not analysed.
        writeFloatFile(path, sine441(5 * kBlockFrames + 1000), 1, kRate);

        const CliRun run = runCli(dir, { "analyze", "--format", "jsonl", path });
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const std::vector<std::string> records = lines(run.out);
        ASSERT_EQ(records.size(), 5u) << run.out;
        EXPECT_EQ(records[0], kFirstBlock);
        EXPECT_TRUE(records[1].starts_with("{\"block\":1,\"time\":0.090884,\"level\":5,"))
            << records[1];
        EXPECT_NE(records[1].find("\"note\":57,\"name\":\"A4\""), std::string::npos) << records[1];
        EXPECT_TRUE(records[4].starts_with("{\"block\":4,\"time\":0.227211,")) << records[4];
    }

    TEST(Cli, StereoWithEqualChannelsIsTheSameAsMono)
    {
        TempDir dir;
        const std::vector<float> mono = sine441(3 * kBlockFrames);
        writeFloatFile(dir.file("mono.wav"), mono, 1, kRate);
        writeFloatFile(dir.file("stereo.wav"), duplicated(mono, 2), 2, kRate);

        const CliRun monoRun = runCli(dir, { "analyze", "--format=jsonl", dir.file("mono.wav") });
        const CliRun stereoRun
            = runCli(dir, { "analyze", "--format=jsonl", dir.file("stereo.wav") });
        EXPECT_EQ(monoRun.status, 0);
        EXPECT_EQ(stereoRun.status, 0);
        ASSERT_FALSE(monoRun.out.empty());
        EXPECT_EQ(stereoRun.out, monoRun.out);
    }

    TEST(Cli, CycleSizeDoesNotChangeTheRecords)
    {
        TempDir dir;
        const std::string path = dir.file("two-notes.wav");
        std::vector<float> samples = pluck16(110.0, kRate, 0.8, 0.5);
        const std::vector<float> second = pluck16(329.63, kRate, 0.8, 0.5);
        samples.insert(samples.end(), second.begin(), second.end());
        write16BitFile(path, samples, 1, kRate);

        const CliRun reference = runCli(dir, { "analyze", "--format", "jsonl", path });
        ASSERT_EQ(reference.status, 0) << reference.err;
        ASSERT_EQ(lines(reference.out).size(), samples.size() / kBlockFrames);
        for (const char* cycle : { "1", "4096", "65536" }) {
            const CliRun run
                = runCli(dir, { "analyze", "--format", "jsonl", "--cycle-frames", cycle, path });
            EXPECT_EQ(run.status, 0) << cycle;
            EXPECT_EQ(run.out, reference.out) << "--cycle-frames " << cycle;
        }
    }

    TEST(Cli, OtherFormatsAndSettings)
    {
        TempDir dir;
        const std::string path = dir.file("sine.wav");
        writeFloatFile(path, sine441(3 * kBlockFrames), 1, kRate);

        const CliRun tsv = runCli(dir, { "analyze", "--format", "tsv", path });
        EXPECT_EQ(tsv.status, 0);
        const std::vector<std::string> rows = lines(tsv.out);
        ASSERT_EQ(rows.size(), 4u) << tsv.out;
        EXPECT_EQ(rows[0], "block\ttime\tlevel\tdetected\tfrequency\tnote\tname\ttune\tin_tune");
        EXPECT_EQ(rows[1], "0\t0.045442\t5\t441\t441\t57\tA4\t2\tfalse");

        const CliRun text = runCli(dir, { "analyze", path });
        EXPECT_EQ(text.status, 0);
        EXPECT_TRUE(text.out.starts_with(path + ": ")) << text.out;
        EXPECT_NE(
            text.out.find("    0.045 s  A4      +3.9     +2     441.00 Hz\n"), std::string::npos)
            << text.out;

        // 441 Hz is 2 steps sharp of 440 and in tune for a close-enough ear;
        // against A = 441 it is exact.
        const CliRun lenient = runCli(dir, { "analyze", "--format=jsonl", "--close-enough", path });
        EXPECT_NE(lenient.out.find("\"tune\":2,\"in_tune\":false"), std::string::npos)
            << lenient.out;
        const CliRun exact
            = runCli(dir, { "analyze", "--format=jsonl", "--reference", "441", path });
        EXPECT_NE(exact.out.find("\"note\":57,\"name\":\"A4\",\"tune\":0,\"in_tune\":true"),
            std::string::npos)
            << exact.out;
    }

    // A record with its note and name taken out, and the note.
    std::pair<std::string, std::string> withoutTheNote(std::string record)
    {
        const std::size_t from = record.find("\"note\":");
        const std::size_t to = record.find(",\"tune\":");
        const std::string note = record.substr(from + 7, record.find(',', from) - from - 7);
        return { record.erase(from, to - from), note };
    }

    TEST(Cli, TranspositionChangesOnlyTheNoteAndItsName)
    {
        TempDir dir;
        const std::string path = dir.file("sine-then-silence.wav");
        std::vector<float> samples = sine441(3 * kBlockFrames);
        samples.resize(5 * kBlockFrames, 0.0f);
        writeFloatFile(path, samples, 1, kRate);
        const CliRun concert = runCli(dir, { "analyze", "--format", "jsonl", path });
        ASSERT_EQ(concert.status, 0) << concert.err;
        const std::vector<std::string> concertRecords = lines(concert.out);
        ASSERT_EQ(concertRecords.size(), 5u);

        // A4 sounding, as each player reads it; flats never reach the records.
        const std::pair<const char*, const char*> cases[]
            = { { "2", "\"note\":59,\"name\":\"B4\"" }, { "-24", "\"note\":33,\"name\":\"A2\"" },
                  { "+1", "\"note\":58,\"name\":\"A#4\"" } };
        for (const auto& [semitones, written] : cases) {
            SCOPED_TRACE(semitones);
            const CliRun run = runCli(
                dir, { "analyze", "--format", "jsonl", "--transpose", semitones, "--flats", path });
            ASSERT_EQ(run.status, 0) << run.err;
            const std::vector<std::string> records = lines(run.out);
            ASSERT_EQ(records.size(), concertRecords.size());
            for (std::size_t i = 0; i < records.size(); ++i) {
                const auto [rest, note] = withoutTheNote(records[i]);
                const auto [concertRest, concertNote] = withoutTheNote(concertRecords[i]);
                EXPECT_EQ(rest, concertRest);
                if (concertNote == "null")
                    EXPECT_EQ(note, "null");
                else
                    EXPECT_NE(records[i].find(written), std::string::npos) << records[i];
            }
        }
        const CliRun text = runCli(dir, { "analyze", "--transpose", "1", "--flats", path });
        EXPECT_NE(
            text.out.find("    0.045 s  Bb4     +3.9     +2     441.00 Hz\n"), std::string::npos)
            << text.out;
    }

    // 450 Hz, a pause, then 441 Hz: the first block of the second note is
    // its own only with --fresh-notes; before and after, the records agree.
    TEST(Cli, FreshNotesStartTheNoteAfterAPauseAfresh)
    {
        TempDir dir;
        const std::string path = dir.file("two-plucks.wav");
        std::vector<float> samples = periodicSine(98, 0.5f, 20 * kBlockFrames);
        samples.resize(samples.size() + 6 * kBlockFrames, 0.0f);
        const std::vector<float> second = sine441(4 * kBlockFrames);
        samples.insert(samples.end(), second.begin(), second.end());
        writeFloatFile(path, samples, 1, kRate);

        const CliRun averaged = runCli(dir, { "analyze", "--format", "jsonl", path });
        const CliRun fresh = runCli(dir, { "analyze", "--format", "jsonl", "--fresh-notes", path });
        ASSERT_EQ(averaged.status, 0) << averaged.err;
        ASSERT_EQ(fresh.status, 0) << fresh.err;
        const std::vector<std::string> before = lines(averaged.out);
        const std::vector<std::string> after = lines(fresh.out);
        ASSERT_EQ(before.size(), 30u);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < 26; ++i)
            EXPECT_EQ(after[i], before[i]) << i;
        // The second note's first block reads as what was detected in it, not
        // as the first note's average pulled down by it.
        const auto detectedIsShown = [](const std::string& record) {
            const std::size_t at = record.find("\"detected\":") + 11;
            const std::string detected = record.substr(at, record.find(',', at) - at);
            return record.find("\"frequency\":" + detected + ",") != std::string::npos;
        };
        EXPECT_TRUE(detectedIsShown(after[26])) << after[26];
        EXPECT_FALSE(detectedIsShown(before[26])) << before[26];
        EXPECT_NE(after[27].find("\"frequency\":441.2"), std::string::npos) << after[27];
    }

    TEST(Cli, SameOutputInAGermanLocale)
    {
        TempDir dir;
        const std::string path = dir.file("sine.wav");
        writeFloatFile(path, sine441(2 * kBlockFrames), 1, kRate);
        const CliRun run = runCli(dir, { "analyze", "--format", "jsonl", path },
            { "LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8" });
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.starts_with(kFirstBlock)) << run.out;
    }

    struct BadFile {
        const char* name;
        void (*make)(const std::string& path);
        const char* reason;
        const char* file = "input.wav";
    };

    // Names the case in test listings instead of dumping its bytes.
    void PrintTo(const BadFile& c, std::ostream* os)
    {
        *os << c.name;
    }

    // A valid one-second WAV with `bytes` written over it at `offset`.
    void patchWav(const std::string& path, std::size_t offset, std::string_view bytes)
    {
        writeFloatFile(path, sine441(kRate), 1, kRate);
        std::string whole = readBytes(path);
        whole.replace(offset, bytes.size(), bytes);
        writeBytes(path, whole);
    }

    class CliBadFile : public testing::TestWithParam<BadFile> { };

    TEST_P(CliBadFile, OneLineOnStandardErrorAndNothingElse)
    {
        TempDir dir;
        const std::string path = dir.file(GetParam().file);
        GetParam().make(path);

        const CliRun run = runCli(dir, { "analyze", "--format", "jsonl", path });
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("clefmark-cli: " + path + ": " + GetParam().reason))
            << run.err;
        EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
        EXPECT_TRUE(run.err.ends_with("\n"));
    }

    const BadFile kBadFiles[] = {
        { "Missing", [](const std::string&) {}, "no such file" },
        { "Text", [](const std::string& p) { writeBytes(p, "not audio at all\n"); },
            "not an audio file (" },
        { "DamagedHeader", [](const std::string& p) { writeTruncatedWav(p, 30); },
            "damaged or unsupported audio header (" },
        // 1000 Hz gives blocks of 45 samples, too short to analyse.
        { "RateTooLow", [](const std::string& p) { writeFloatFile(p, sine441(4000), 1, 1000); },
            "sample rate 1000 Hz cannot be analysed" },
        // Beyond what a float holds exactly, and named as the header has it.
        { "RateOfTheLargestInteger",
            [](const std::string& p) { patchWav(p, 24, "\xff\xff\xff\x7f"); },
            "sample rate 2147483647 Hz cannot be analysed" },
        // Damaged WAV, MPEG that is not: none reaches the MPEG decoder, whose
        // own complaints would be more lines on standard error.
        { "DamagedRiffMarker", [](const std::string& p) { patchWav(p, 0, "RIFG"); },
            "not an audio file (a WAV file whose RIFF marker is damaged)" },
        { "RiffMarkerDamagedIntoAFrameSync",
            [](const std::string& p) { patchWav(p, 0, "\xff\xfb\x90\x44"); },
            "not an audio file (a WAV file whose RIFF marker is damaged)" },
        { "OneFrameHeaderThenNoise",
            [](const std::string& p) {
                writeBytes(p, "\xff\xfb\x90\x44" + std::string(5000, 'x'));
            },
            "not an audio file (it begins like MPEG audio, but no second frame follows" },
        { "NamedMp3", [](const std::string& p) { writeBytes(p, std::string(5000, '\x55')); },
            "not an audio file (not recognised as MPEG audio, despite its name)", "input.mp3" },
        // Nothing writes to the FIFO: opened as a file is, it would wait for good.
        { "Fifo", [](const std::string& p) { ::mkfifo(p.c_str(), 0600); },
            "is a pipe, not a regular file\n" },
        { "Device", [](const std::string& p) { std::filesystem::create_symlink("/dev/zero", p); },
            "is a device, not a regular file\n" },
        { "MadeUpBySystem",
            [](const std::string& p) { std::filesystem::create_symlink("/proc/self/status", p); },
            "not an audio file (a file the system makes up as it is read" },
    };

    INSTANTIATE_TEST_SUITE_P(Cli, CliBadFile, testing::ValuesIn(kBadFiles),
        [](const auto& info) { return std::string(info.param.name); });

    // Damage that libsndfile's readers tell of by printing it, not as an
    // error: the SDS reader on standard output, the MPEG decoder on standard
    // error. Neither has a place among the records, or beside our messages.
    TEST(Cli, WhatTheLibrariesPrintReachesNeitherOutput)
    {
        TempDir dir;
        const std::vector<float> samples = sine441(kRate / 2);
        const std::string sds = dir.file("damaged.sds");
        writeFloatFile(sds, samples, 1, kRate, SF_FORMAT_SDS | SF_FORMAT_PCM_16);
        std::string bytes = readBytes(sds);
        bytes[21] = 0; // the first data block's mark, 0xF0
        writeBytes(sds, bytes);
        std::vector<std::string> files { sds };
        try {
            const std::string mp3 = dir.file("damaged.mp3");
            writeFloatFile(mp3, samples, 1, kRate, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
            bytes = readBytes(mp3);
            bytes.replace(bytes.size() / 2, 300, 300, 'B'); // frame headers lost
            writeBytes(mp3, bytes);
            files.push_back(mp3);
        } catch (const std::runtime_error&) {
            // This libsndfile writes no MPEG; the SDS file is damage enough.
        }

        for (const std::string& path : files) {
            SCOPED_TRACE(path);
            const CliRun analyzed = runCli(dir, { "analyze", "--format", "jsonl", path });
            EXPECT_EQ(analyzed.status, 0) << analyzed.err;
            EXPECT_EQ(analyzed.err, "");
            const std::vector<std::string> records = lines(analyzed.out);
            // The MPEG decoder drops what it cannot find its way through.
            EXPECT_GT(records.size(), samples.size() / kBlockFrames / 2) << analyzed.out;
            for (std::size_t i = 0; i < records.size(); ++i)
                EXPECT_TRUE(records[i].starts_with("{\"block\":" + std::to_string(i) + ",")
                    && records[i].ends_with("}"))
                    << records[i];

            const CliRun listened = runCli(dir, { "listen", "--input", path, "--format", "jsonl" });
            EXPECT_EQ(listened.status, 0) << listened.err;
            EXPECT_EQ(listened.err, "");
            EXPECT_EQ(listened.out, analyzed.out);
        }
    }

    TEST(Cli, SomeFilesFailed)
    {
        TempDir dir;
        const std::string good = dir.file("good \"take\".wav");
        const std::string bad = dir.file("notes.txt");
        writeFloatFile(good, sine441(2 * kBlockFrames), 1, kRate);
        writeBytes(bad, "E A D G B E\n");

        const CliRun run = runCli(dir, { "analyze", "--format", "jsonl", bad, good });
        EXPECT_EQ(run.status, 1);
        const std::vector<std::string> records = lines(run.out);
        ASSERT_EQ(records.size(), 2u) << run.out;
        std::string escaped = good;
        escaped.replace(escaped.find("\"take\""), 6, "\\\"take\\\"");
        for (const std::string& record : records)
            EXPECT_TRUE(record.starts_with("{\"file\":\"" + escaped + "\",\"block\":")) << record;
        EXPECT_EQ(records[0], "{\"file\":\"" + escaped + "\"," + std::string(kFirstBlock + 1));
        EXPECT_TRUE(run.err.starts_with("clefmark-cli: " + bad + ": not an audio file")) << run.err;
        EXPECT_EQ(lines(run.err).size(), 1u);

        // Every file failing is a complete failure.
        const CliRun none = runCli(dir, { "analyze", bad, dir.file("missing.wav") });
        EXPECT_EQ(none.status, 2);
        EXPECT_EQ(none.out, "");
        EXPECT_EQ(lines(none.err).size(), 2u) << none.err;
    }

    TEST(Cli, AFileFailingPartWayKeepsWhatWasWrittenInEveryFormat)
    {
        TempDir dir;
        const std::string broken = dir.file("broken.flac");
        const std::string good = dir.file("good.wav");
        writeFloatFile(broken, sine441(3 * kRate), 1, kRate, SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
        std::string bytes = readBytes(broken);
        bytes.replace(bytes.size() / 2, 2000, 2000, '\x55'); // the decoder loses sync there
        writeBytes(broken, bytes);
        writeFloatFile(good, sine441(2 * kBlockFrames), 1, kRate);

        for (const char* format : { "text", "jsonl", "tsv" }) {
            SCOPED_TRACE(format);
            const CliRun run = runCli(dir, { "analyze", "--format", format, broken, good });
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.starts_with("clefmark-cli: " + broken + ": read error ("))
                << run.err;
            EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
            // Lines naming the broken file, from before the fault, then the good file's.
            const std::size_t brokenAt = run.out.find(broken);
            const std::size_t lastBroken = run.out.rfind(broken);
            const std::size_t goodAt = run.out.find(good);
            ASSERT_NE(brokenAt, std::string::npos) << run.out;
            ASSERT_NE(goodAt, std::string::npos) << run.out;
            EXPECT_LT(lastBroken, goodAt);
            EXPECT_GT(lines(run.out.substr(0, goodAt)).size(), 10u) << run.out;
            EXPECT_TRUE(run.out.ends_with("\n"));
        }
    }

    TEST(Cli, MemoryStaysSmallWhateverTheFileClaims)
    {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        GTEST_SKIP() << "the sanitizers reserve more address space than the limit allows";
#endif
        TempDir dir;
        const std::string good = dir.file("good.wav");
        writeFloatFile(good, sine441(2 * kBlockFrames), 1, kRate);
        // 1024 channels, as many as libsndfile takes; and two and a half hours
        // at the lowest rate analysed, in 64-sample blocks: 29 MB of jsonl.
        writeSparseWav(dir.file("wide.wav"), kRate, 1024, 1024 * 4000, 1024 * 4000);
        writeSparseWav(dir.file("long.wav"), 1408, 1, 12 << 20, 12 << 20);
        const std::vector<std::vector<std::string>> cases = {
            { dir.file("wide.wav") },
            { "--cycle-frames", "65536", dir.file("wide.wav") },
            { dir.file("long.wav") },
        };
        for (const auto& args : cases) {
            SCOPED_TRACE(args.back() + " " + args.front());
            // A shell sets the limit: the child cannot be given one otherwise.
            std::vector<std::string> argv { "/bin/sh", "-c",
                "ulimit -v 49152 && exec \"$0\" \"$@\"", CLEFMARK_CLI_PATH, "analyze", "--format",
                "jsonl", good };
            argv.insert(argv.end(), args.begin(), args.end());
            argv.push_back(good);
            ChildOptions options;
            options.out = ChildOutput::file(dir.file("out.jsonl"));
            ChildProcess cli(argv, options);
            ASSERT_TRUE(cli.started()) << cli.startError();
            EXPECT_EQ(cli.wait(std::chrono::seconds(60)), 0) << cli.err();
            EXPECT_EQ(cli.err(), "");
        }
    }

    TEST(Cli, TwoGoodFilesInTsvHaveOneHeaderAndAFileColumn)
    {
        TempDir dir;
        writeFloatFile(dir.file("a.wav"), sine441(2 * kBlockFrames), 1, kRate);
        writeFloatFile(dir.file("b.wav"), sine441(kBlockFrames), 1, kRate);
        const CliRun run
            = runCli(dir, { "analyze", "--format", "tsv", dir.file("a.wav"), dir.file("b.wav") });
        EXPECT_EQ(run.status, 0);
        const std::vector<std::string> rows = lines(run.out);
        ASSERT_EQ(rows.size(), 4u) << run.out;
        EXPECT_TRUE(rows[0].starts_with("file\tblock\t"));
        EXPECT_TRUE(rows[1].starts_with(dir.file("a.wav") + "\t0\t"));
        EXPECT_TRUE(rows[2].starts_with(dir.file("a.wav") + "\t1\t"));
        EXPECT_TRUE(rows[3].starts_with(dir.file("b.wav") + "\t0\t"));
    }

    TEST(Cli, BadCommandLines)
    {
        TempDir dir;
        const std::string path = dir.file("sine.wav");
        writeFloatFile(path, sine441(kBlockFrames), 1, kRate);

        const std::vector<std::vector<std::string>> cases = {
            { "analyze", "--reference", "500", path },
            { "analyze", "--cycle-frames", "0", path },
            { "analyze", "--format", "csv", path },
            { "analyze", "--loud", path },
            { "analyze" },
            { "analyse", path },
            {},
            { "help", "tune" },
        };
        for (const auto& args : cases) {
            const CliRun run = runCli(dir, args);
            const std::string context
                = args.empty() ? "(nothing)" : args[0] + " " + (args.size() > 1 ? args[1] : "");
            EXPECT_EQ(run.status, 2) << context;
            EXPECT_EQ(run.out, "") << context;
            EXPECT_TRUE(run.err.starts_with("clefmark-cli: ")) << context << ": " << run.err;
            EXPECT_EQ(lines(run.err).size(), 1u) << context << ": " << run.err;
        }
    }

    TEST(Cli, HelpAndVersion)
    {
        TempDir dir;
        const CliRun help = runCli(dir, { "analyze", "--help" });
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.out.find("--cycle-frames"), std::string::npos);
        EXPECT_EQ(runCli(dir, { "help", "analyze" }).out, help.out);

        const CliRun general = runCli(dir, { "--help" });
        EXPECT_EQ(general.status, 0);
        EXPECT_NE(general.out.find("analyze"), std::string::npos);
        EXPECT_EQ(general.err, "");

        for (const auto& args :
            { std::vector<std::string> { "--version" }, { "analyze", "--version" } }) {
            const CliRun version = runCli(dir, args);
            EXPECT_EQ(version.status, 0);
            EXPECT_EQ(version.out, "clefmark-cli " CLEFMARK_EXPECTED_VERSION "\n");
        }
    }

} // namespace
} // namespace clefmark::test
