// The output of `clefmark-cli analyze` as it is made: records go to standard
// output in pieces, so that memory does not grow with the length of a file.
#pragma once

#include "cli/RecordFormat.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace clefmark::cli {

/// Formats one output of any number of files and writes it to standard
/// output: whenever kFlushBytes have collected, and at `flush`.
///
/// Threads: one thread only.
class AnalyzeOutput {
public:
    static constexpr std::size_t kFlushBytes = 64 * 1024;

    explicit AnalyzeOutput(const RecordFormatter& formatter)
        : formatter_(formatter)
    {
    }

    /// Before a file's first record: the tsv header once in the whole output,
    /// a blank line between the text sections of files, the text heading.
    void beginFile(std::string_view file, const FileSummary& summary);
    void record(std::string_view file, const BlockRecord& record);
    /// After the last record of a file read through.
    void endFile(std::int64_t recordsWithNote);

    /// Writes out what has collected once it has reached kFlushBytes. Returns
    /// false, having reported why, when standard output could not take it.
    bool flushIfFull();
    /// Writes out all that has collected and flushes standard output, so that
    /// it is out before anything said on standard error. False as above.
    bool flush();

private:
    const RecordFormatter& formatter_;
    std::string pending_;
    bool started_ = false; // a file's section has begun
};

} // namespace clefmark::cli
