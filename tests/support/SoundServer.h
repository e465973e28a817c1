// What the capture tests need of a sound server, whichever serves the
// PulseAudio protocol: PulseAudio itself (PulseDaemon.h) or PipeWire through
// pipewire-pulse (PipeWireServer.h). Each is private to its fixture, with the
// same two null sinks under the same names, so that one test runs unchanged
// against either.
#pragma once

#include "tests/support/ChildProcess.h"
#include "tests/support/Eventually.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <optional>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace clefmark::test {

enum class SoundServerKind { PulseAudio, PipeWire };

/// A sound server of the test's own, reached through PULSE_SERVER. Creating
/// one points this process's environment at it, so do it before creating any
/// client, and keep one alive at a time.
///
/// Two null sinks, `kSink44` at 44100 Hz and `kSink48` at 48000 Hz, whose
/// monitors `kSource44`/`kSource48` are the sources; the default sink and
/// source are the 44100 Hz ones. start() returns once all of that is in place.
class SoundServer {
public:
    static constexpr const char* kSink44 = "clefmark_44k";
    static constexpr const char* kSink48 = "clefmark_48k";
    static constexpr const char* kSource44 = "clefmark_44k.monitor";
    static constexpr const char* kSource48 = "clefmark_48k.monitor";

    virtual ~SoundServer() = default;

    /// Starts the server and waits until it is ready. Throws with its log
    /// when it does not come up. Its processes are killed when the calling
    /// thread ends: call it from the thread that runs the test.
    virtual void start() = 0;

    /// Ends the server with `signal` (SIGKILL: as if it crashed) and waits
    /// until it is gone. Harmless when it is not running.
    virtual void kill(int signal = SIGKILL) = 0;

    /// Freezes (SIGSTOP) or thaws (SIGCONT) the process that answers the
    /// clients: a server that accepts requests but never answers.
    virtual void freeze() = 0;
    virtual void thaw() = 0;

    virtual bool running() const = 0;

    /// The server's logs so far, for failure messages.
    virtual std::string log() const = 0;

    /// Runs `pactl` with `args` against this server; true when it succeeded.
    /// Its output is in `lastOutput()`.
    bool pactl(std::initializer_list<std::string> args) { return pactl(std::vector(args)); }
    bool pactl(const std::vector<std::string>& args)
    {
        std::vector<std::string> argv { "pactl" };
        argv.insert(argv.end(), args.begin(), args.end());
        ChildProcess pactl(argv, { .err = ChildOutput::withStandardOutput() });
        const std::optional<int> status = pactl.wait(std::chrono::seconds(30));
        lastOutput_ = pactl.out();
        return status == 0;
    }
    const std::string& lastOutput() const { return lastOutput_; }

    /// The index that starts the first line holding `text` in `pactl list
    /// short what` ("modules", "source-outputs", ...); empty when none does.
    std::string indexOf(const std::string& what, const std::string& text)
    {
        if (!pactl({ "list", "short", what }))
            return {};
        std::istringstream lines(lastOutput_);
        for (std::string line; std::getline(lines, line);)
            if (line.find(text) != std::string::npos)
                return line.substr(0, line.find('\t'));
        return {};
    }

protected:
    SoundServer() = default;
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    /// A socket connected to the one at `path`, or -1.
    static int connectTo(const std::string& path)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return -1;
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    static bool acceptsConnections(const std::string& socket)
    {
        const int fd = connectTo(socket);
        if (fd >= 0)
            ::close(fd);
        return fd >= 0;
    }

    /// Polls `done` until it holds, `gone` holds, or `limit` passes; true
    /// only for the first.
    static bool waitUntil(const std::function<bool()>& done, const std::function<bool()>& gone)
    {
        bool left = false;
        return eventually([&] { return done() || (left = gone()); }) && !left;
    }

    // What the last command run against the server answered.
    std::string lastOutput_;
};

/// The name tests are told apart by: "PulseAudio" or "PipeWire".
inline const char* soundServerName(SoundServerKind kind)
{
    return kind == SoundServerKind::PulseAudio ? "PulseAudio" : "PipeWire";
}

/// True when this machine is meant to run every server's tests, so that one
/// that cannot run is a failure rather than a skip (scripts/test sets
/// CLEFMARK_REQUIRE_SERVERS=1).
inline bool soundServersRequired()
{
    const char* value = std::getenv("CLEFMARK_REQUIRE_SERVERS");
    return value != nullptr && std::string(value) == "1";
}

} // namespace clefmark::test
