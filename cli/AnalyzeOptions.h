// The options of `clefmark-cli analyze`.
#pragma once

#include "cli/CommandLine.h"
#include "cli/RecordFormat.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace clefmark::cli {

struct AnalyzeOptions : CommonOptions {
    static constexpr std::uint32_t kDefaultCycleFrames = 512;
    static constexpr std::uint32_t kMaxCycleFrames = 65536;

    OutputFormat format = OutputFormat::Text;
    std::uint32_t cycleFrames = kDefaultCycleFrames;
    std::vector<std::string> files;
};

struct ParsedAnalyzeOptions {
    AnalyzeOptions options;
    /// Empty when the arguments were accepted; otherwise one line naming the
    /// option and what is wrong with it, without the program name.
    std::string error;
};

/// Parses the arguments that follow "analyze". Options and files may be
/// mixed; "--" ends the options. "--help" and "--version" make a missing file
/// no error.
ParsedAnalyzeOptions parseAnalyzeOptions(std::span<const std::string_view> args);

/// The text of `clefmark-cli analyze --help`.
std::string analyzeHelp();

} // namespace clefmark::cli
