// The options of `clefmark-cli listen`.
#pragma once

#include "cli/CommandLine.h"
#include "cli/RecordFormat.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace clefmark::cli {

struct ListenOptions : CommonOptions {
    static constexpr std::uint32_t kDefaultCycleFrames = 512;
    static constexpr std::uint32_t kMaxCycleFrames = 65536;
    /// A year: longer is surely a typing error.
    static constexpr int kMaxDurationDays = 365;
    static constexpr double kMaxDuration = kMaxDurationDays * 24.0 * 3600;

    /// The file to play instead of capturing; empty for the sound server.
    std::string input;
    bool loop = false;
    /// Seconds to listen; none for "until stopped".
    std::optional<double> duration;
    /// None: the status line on a terminal, jsonl elsewhere.
    std::optional<OutputFormat> format;
    /// Frames per input cycle of the file device.
    std::uint32_t cycleFrames = kDefaultCycleFrames;
};

struct ParsedListenOptions {
    ListenOptions options;
    /// Empty when the arguments were accepted; otherwise one line naming the
    /// option and what is wrong with it, without the program name.
    std::string error;
};

/// Parses the arguments that follow "listen".
ParsedListenOptions parseListenOptions(std::span<const std::string_view> args);

/// The text of `clefmark-cli listen --help`.
std::string listenHelp();

} // namespace clefmark::cli
