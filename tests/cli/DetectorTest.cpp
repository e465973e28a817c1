// The detector choice end to end, on short piano notes rendered from a
// sampled piano (the corpus of bench/corpus, cut to 0.6 s from 0.36 s
// before the onset, on a block boundary of the original).
#include "tests/cli/RunCli.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace clefmark::test {
namespace {

    struct PianoNote {
        const char* file;
        const char* name;
        /// The blocks in which the classic detector alone shows the note.
        int classicBlocks;
        /// The least the second opinion must add to that.
        int hybridBlocks;
    };

    std::string field(const std::string& record, const std::string& key)
    {
        const std::size_t at = record.find("\"" + key + "\":");
        if (at == std::string::npos)
            return "(none)";
        const std::size_t start = at + key.size() + 3;
        return record.substr(start, record.find_first_of(",}", start) - start);
    }

    TEST(Detector, TheSecondOpinionReadsPianoNotesTheClassicDetectorCannot)
    {
        const PianoNote notes[] = {
            { "piano-a6.flac", "\"A6\"", 0, 5 },
            { "piano-f5.flac", "\"F5\"", 0, 9 },
            { "piano-g2.flac", "\"G2\"", 4, 5 },
        };
        TempDir dir;
        for (const PianoNote& note : notes) {
            SCOPED_TRACE(note.file);
            const std::string path = std::string(CLEFMARK_PIANO_DIR) + "/" + note.file;
            const CliRun plain = runCli(dir, { "analyze", "--format", "jsonl", path });
            const CliRun classic
                = runCli(dir, { "analyze", "--format", "jsonl", "--detector", "classic", path });
            const CliRun hybrid
                = runCli(dir, { "analyze", "--format", "jsonl", "--detector=hybrid", path });
            ASSERT_EQ(plain.status, 0) << plain.err;
            EXPECT_EQ(classic.out, plain.out);
            ASSERT_EQ(hybrid.status, 0) << hybrid.err;

            int classicBlocks = 0;
            for (const std::string& record : lines(plain.out)) {
                EXPECT_EQ(field(record, "detector"), "(none)");
                classicBlocks += field(record, "name") == note.name;
            }
            EXPECT_EQ(classicBlocks, note.classicBlocks);

            int hybridBlocks = 0;
            int fromYin = 0;
            for (const std::string& record : lines(hybrid.out)) {
                SCOPED_TRACE(record);
                const std::string name = field(record, "name");
                EXPECT_TRUE(name == "null" || name == note.name);
                hybridBlocks += name == note.name;
                const std::string detector = field(record, "detector");
                fromYin += detector == "\"yin\"";
                EXPECT_EQ(detector == "null", field(record, "detected") == "null");
                EXPECT_NE(record.find("\"detected\":" + field(record, "detected")
                              + ",\"detector\":" + detector + ",\"frequency\":"),
                    std::string::npos);
            }
            EXPECT_GE(hybridBlocks, note.classicBlocks + note.hybridBlocks);
            EXPECT_GE(fromYin, note.hybridBlocks);
        }
    }

} // namespace
} // namespace clefmark::test
