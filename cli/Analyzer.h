// `clefmark-cli analyze`: runs the tuner's analysis over audio files.
#pragma once

#include "cli/AnalyzeOptions.h"
#include "cli/RecordFormat.h"

#include <span>
#include <string>
#include <string_view>

namespace clefmark::cli {

/// The outcome of one file.
struct FileAnalysis {
    bool ok = false;
    /// The file's formatted records; empty when it failed.
    std::string output;
    /// Why it failed, naming the file, without the program name.
    std::string error;
};

/// Analyses the file at `path` with a tuner of its own, formatting its
/// records with `formatter`. Nothing is written anywhere.
FileAnalysis analyzeFile(
    const std::string& path, const AnalyzeOptions& options, const RecordFormatter& formatter);

/// The whole command: parses `args` (those after "analyze"), analyses every
/// file and writes the records to standard output and problems to standard
/// error. Returns the exit status: 0 when every file was analysed, 1 when
/// some were, 2 when none was or the arguments were wrong.
int runAnalyze(std::span<const std::string_view> args);

} // namespace clefmark::cli
