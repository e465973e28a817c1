// Where the command-line tools write: results to standard output, problems
// to standard error, each in one piece.
#pragma once

#include <string_view>

namespace clefmark::cli {

inline constexpr std::string_view kProgramName = "clefmark-cli";

/// The project's version, e.g. "0.1.0".
std::string_view programVersion();

/// Keeps standard output and standard error for the program's own writing,
/// on descriptors of their own, and points descriptors 1 and 2 at
/// /dev/null: the libraries underneath print as they see fit (libsndfile's
/// readers their debugging lines on standard output, its MPEG decoder its
/// notes on standard error), and none of that may land among the records
/// or beside our messages. A sanitizer's reports still reach the real
/// standard error. Main thread, first thing, before any other thread.
void setAsideStandardStreams();

/// The descriptor the results are written to: standard output's, or its
/// copy once set aside; -1 when standard output was closed.
int outputDescriptor();

/// Writes "clefmark-cli: MESSAGE" as one line to standard error. Control
/// characters (a newline in a file name, say) are shown as '?', so a message
/// is always exactly one line.
void reportError(std::string_view message);

/// Writes `text` to standard output in one call. Returns false, having
/// reported why, when it could not be written.
bool writeOutput(std::string_view text);

/// Writes out what standard output still holds; false, with errno saying
/// why, when it could not be written.
bool flushOutput();

} // namespace clefmark::cli
