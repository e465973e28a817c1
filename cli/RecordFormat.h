// The analyser's output records: one per analysis block, as JSON lines,
// tab-separated values or text for people.
//
// Every number is formatted with std::to_chars, which never consults the
// locale: the output has a decimal point whatever LC_NUMERIC says, so the
// records read back the same everywhere.
#pragma once

#include "tuner/NoteMapper.h"
#include "tuner/NoteNames.h"
#include "tuner/Tuner.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace clefmark::cli {

enum class OutputFormat { Text, Jsonl, Tsv };

/// One analysis block's results, positioned in the input.
struct BlockRecord {
    std::int64_t block = 0; ///< 0-based index in the file
    double time = 0.0; ///< end of the block, in seconds of input
    BlockReport report;
};

/// Numbers analysis blocks and places them in the input: a block ends
/// `blockFrames` after the previous one at the sample rate of its capture
/// set-up. A set-up with another block size or rate goes on counting from
/// where the previous one left off.
class BlockClock {
public:
    /// The position of the next block, analysed in blocks of `blockFrames`
    /// at `sampleRate`, with its report.
    BlockRecord next(const BlockReport& report, std::uint32_t blockFrames, double sampleRate);

private:
    std::int64_t blocks_ = 0;
    std::int64_t segmentBlocks_ = 0;
    double segmentStart_ = 0.0;
    double lastTime_ = 0.0;
    std::uint32_t blockFrames_ = 0;
    double sampleRate_ = 0.0;
};

/// What the text format says about a file before its records.
struct FileSummary {
    std::string_view description; ///< container and encoding
    int sampleRate = 0;
    int channels = 0;
    std::int64_t frames = 0;
};

/// Formats the records of one output. `withFileNames` adds the file to every
/// record (jsonl, tsv); text always names each file in a heading, and names
/// notes as `textSpelling` and `textNaming` say, where jsonl and tsv, read by
/// programs, always use sharps and letters. `withDetector` adds to every jsonl record which
/// detector found the block's frequency, for runs with the second opinion.
class RecordFormatter {
public:
    RecordFormatter(OutputFormat format, bool withFileNames,
        NoteSpelling textSpelling = NoteSpelling::Sharps, bool withDetector = false,
        NoteNaming textNaming = NoteNaming::Letters)
        : format_(format)
        , withFileNames_(withFileNames)
        , textSpelling_(textSpelling)
        , withDetector_(withDetector)
        , textNaming_(textNaming)
    {
    }

    OutputFormat format() const { return format_; }

    /// Once, before the first record of the whole output: tsv's header.
    void appendHeader(std::string& out) const;

    /// Before a file's records: text's heading and column titles.
    void beginFile(std::string& out, std::string_view file, const FileSummary& summary) const;

    /// One record. Text skips blocks without a note.
    void appendRecord(std::string& out, std::string_view file, const BlockRecord& record) const;

    /// After a file's records: text says when no note was heard.
    void endFile(std::string& out, std::int64_t recordsWithNote) const;

private:
    void appendJsonl(std::string& out, std::string_view file, const BlockRecord& record) const;
    void appendTsv(std::string& out, std::string_view file, const BlockRecord& record) const;
    void appendText(std::string& out, const BlockRecord& record) const;
    std::size_t noteColumn() const;

    OutputFormat format_;
    bool withFileNames_;
    NoteSpelling textSpelling_;
    bool withDetector_;
    NoteNaming textNaming_;
};

// The pieces, for reuse by other commands.

/// `value` like printf's "%.9g".
void appendGeneral(std::string& out, float value);
/// `value` like printf's "%.*f".
void appendFixed(std::string& out, double value, int decimals);
void appendInteger(std::string& out, std::int64_t value);
/// `text` as a JSON string, quotes included. Bytes that are not UTF-8 become
/// U+FFFD, since JSON text must be UTF-8.
void appendJsonString(std::string& out, std::string_view text);
/// `text` as one tsv field: backslash, tab, newline and carriage return are
/// escaped as \\, \t, \n and \r.
void appendTsvField(std::string& out, std::string_view text);
/// The deviation in cents, one decimal, signed: tune 2 is "+3.9".
std::string centsText(int tune);

} // namespace clefmark::cli
