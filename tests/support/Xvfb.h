// An X server of a test's own, on a display number it picks itself, so that
// tests of the desktop program never touch the user's display nor each
// other's.
#pragma once

#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Eventually.h"

#include <chrono>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace clefmark::test {

class Xvfb {
public:
    /// Whether the server starts afresh each time its last client leaves,
    /// as Xorg and Xvfb do unless told -noreset.
    enum class Reset { Never, WhenLastClientLeaves };

    /// Starts the server, its output in `dir`/xvfb.log, where it names each
    /// client as it comes and goes; `display()` is empty when it did not
    /// come up within kHangGuard.
    explicit Xvfb(const TempDir& dir, Reset reset = Reset::Never)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return;
        std::vector<std::string> argv = { "Xvfb", "-displayfd", std::to_string(fds[1]), "-screen",
            "0", "1280x1024x24", "-nolisten", "tcp", "-audit", "2" };
        if (reset == Reset::Never)
            argv.push_back("-noreset");
        ChildOptions options { .out = ChildOutput::file(dir.file("xvfb.log")),
            .err = ChildOutput::withStandardOutput() };
        options.keepOpen = { fds[1] };
        server_.emplace(argv, options);
        ::close(fds[1]);
        std::string number;
        pollfd p { fds[0], POLLIN, 0 };
        while (::poll(&p, 1, static_cast<int>(std::chrono::milliseconds(kHangGuard).count())) > 0) {
            char c = 0;
            if (::read(fds[0], &c, 1) != 1 || c == '\n')
                break;
            number += c;
        }
        ::close(fds[0]);
        if (!number.empty())
            display_ = ":" + number;
    }

    /// ":N", or empty when the server did not come up.
    const std::string& display() const { return display_; }

private:
    std::optional<ChildProcess> server_;
    std::string display_;
};

} // namespace clefmark::test
