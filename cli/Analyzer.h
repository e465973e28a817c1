// `clefmark-cli analyze`: runs the tuner's analysis over audio files.
#pragma once

#include "cli/AnalyzeOptions.h"
#include "cli/AnalyzeOutput.h"

#include <span>
#include <string>
#include <string_view>

namespace clefmark::cli {

/// The outcome of one file.
struct FileAnalysis {
    bool ok = false;
    /// Why it failed, naming the file, without the program name.
    std::string error;
    /// Standard output could not be written (and the reason was told): the
    /// whole command is over.
    bool outputFailed = false;
};

/// Analyses the file at `path` with a tuner of its own, handing its records
/// to `output` as they are made. A file that fails part way leaves the
/// records made before the fault in `output`.
FileAnalysis analyzeFile(
    const std::string& path, const AnalyzeOptions& options, AnalyzeOutput& output);

/// The whole command: parses `args` (those after "analyze"), analyses every
/// file and writes the records to standard output and problems to standard
/// error. Returns the exit status: 0 when every file was analysed, 1 when
/// some were, 2 when none was, the arguments were wrong or the results could
/// not be written.
int runAnalyze(std::span<const std::string_view> args);

} // namespace clefmark::cli
