// A Wayland compositor of a test's own: Weston with its headless back-end,
// on a socket in a runtime folder of the test's, so that tests of the
// desktop program under Wayland touch neither the user's session nor each
// other's.
#pragma once

#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Eventually.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace clefmark::test {

class Weston {
public:
    /// Starts the compositor, its output in `dir`/weston.log; `display()` is
    /// empty when its socket did not appear within kHangGuard.
    explicit Weston(const TempDir& dir)
        : runtime_(dir.file("wayland-runtime"))
    {
        // Wayland clients refuse a runtime folder that others may read.
        if (::mkdir(runtime_.c_str(), 0700) != 0)
            return;
        const std::string name = "wayland-clefmark";
        server_.emplace(std::vector<std::string> { "weston", "--backend=headless-backend.so",
                            "--socket=" + name, "--idle-time=0", "--width=1280", "--height=1024" },
            ChildOptions {
                .environment = { "XDG_RUNTIME_DIR=" + runtime_, "WAYLAND_DISPLAY", "DISPLAY" },
                .out = ChildOutput::file(dir.file("weston.log")),
                .err = ChildOutput::withStandardOutput() });
        const std::filesystem::path socket = std::filesystem::path(runtime_) / name;
        if (eventually([&] { return std::filesystem::exists(socket); }))
            display_ = name;
    }

    /// The socket's name for WAYLAND_DISPLAY, or empty when none came up.
    const std::string& display() const { return display_; }
    /// The folder for XDG_RUNTIME_DIR that holds the socket.
    const std::string& runtimeDirectory() const { return runtime_; }

private:
    std::string runtime_;
    std::optional<ChildProcess> server_;
    std::string display_;
};

} // namespace clefmark::test
