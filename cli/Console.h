// Where the command-line tools write: results to standard output, problems
// to standard error, each in one piece.
#pragma once

#include <string_view>

namespace clefmark::cli {

inline constexpr std::string_view kProgramName = "clefmark-cli";

/// The project's version, e.g. "0.1.0".
std::string_view programVersion();

/// Writes "clefmark-cli: MESSAGE" as one line to standard error. Control
/// characters (a newline in a file name, say) are shown as '?', so a message
/// is always exactly one line.
void reportError(std::string_view message);

/// Writes `text` to standard output in one call. Returns false, having
/// reported why, when it could not be written.
bool writeOutput(std::string_view text);

} // namespace clefmark::cli
