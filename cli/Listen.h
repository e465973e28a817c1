// `clefmark-cli listen`: the tuner in a terminal, live.
#pragma once

#include "cli/ListenOptions.h"

#include <span>
#include <string_view>

namespace clefmark::cli {

/// The whole command: parses `args` (those after "listen"), captures from the
/// sound server or plays `--input`, and shows the tuner until told to stop.
/// Returns the exit status (see `listenHelp`).
///
/// Threads: this thread is the tuner's main thread. It blocks SIGINT and
/// SIGTERM before any other thread starts, so that they reach only its own
/// wait, and runs the tuner's deliveries and the session (`ListenSession`)
/// between waits of 50 ms at most. The input thread only formats records and
/// posts them here; it writes nothing.
int runListen(std::span<const std::string_view> args);

} // namespace clefmark::cli
