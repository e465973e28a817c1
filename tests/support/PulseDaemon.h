// A private PulseAudio daemon for tests and benchmarks: one per fixture, in a
// temporary directory of its own, with two null sinks whose monitors are the
// input devices. Nothing of the user's own sound server is touched, and
// tests running in parallel each have their own daemon.
#pragma once

#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace clefmark::test {

/// A PulseAudio daemon of the test's own.
///
/// Creating one points this process's environment at it (PULSE_SERVER,
/// PULSE_RUNTIME_PATH, PULSE_STATE_PATH, HOME), so do it before creating any
/// client, and keep one alive at a time. The daemon runs as the current user
/// (root included) with no autospawn, no idle exit, and this script:
/// two null sinks, `kSink44` at 44100 Hz and `kSink48` at 48000 Hz (both
/// s16le stereo, without rewinds, so a recorder joining does not push the
/// next sound a second back), whose monitors `kSource44`/`kSource48` are the
/// sources; the default sink and source are the 44100 Hz ones.
class PulseDaemon {
public:
    static constexpr const char* kSink44 = "clefmark_44k";
    static constexpr const char* kSink48 = "clefmark_48k";
    static constexpr const char* kSource44 = "clefmark_44k.monitor";
    static constexpr const char* kSource48 = "clefmark_48k.monitor";

    /// Why the daemon cannot run here, or empty when it can.
    static std::string unavailableReason()
    {
        if (!onPath("pulseaudio"))
            return "no pulseaudio binary on PATH (Debian package pulseaudio)";
        if (!onPath("pactl"))
            return "no pactl on PATH (Debian package pulseaudio-utils)";
        return {};
    }

    /// Prepares the directory and the environment; starts the daemon unless
    /// `startNow` is false (to test a client that comes first).
    explicit PulseDaemon(bool startNow = true)
    {
        namespace fs = std::filesystem;
        for (const char* sub : { "runtime", "state", "home/.config/pulse" })
            fs::create_directories(dir_.path() / sub);
        // Sockets may not have paths of more than about 100 bytes.
        socket_ = dir_.file("runtime/native");
        if (socket_.size() >= sizeof(sockaddr_un {}.sun_path))
            throw std::runtime_error("temporary directory path too long for a socket: " + socket_);
        std::ofstream(dir_.file("home/.config/pulse/client.conf")) << "autospawn = no\n";
        std::ofstream script(dir_.file("daemon.pa"));
        script << "load-module module-null-sink sink_name=" << kSink44
               << " rate=44100 norewinds=1\n"
               << "load-module module-null-sink sink_name=" << kSink48
               << " rate=48000 norewinds=1\n"
               << "set-default-sink " << kSink44 << "\n"
               << "set-default-source " << kSource44
               << "\n"
               // Last: a client that can connect finds everything above done.
               << "load-module module-native-protocol-unix auth-anonymous=1 socket=" << socket_
               << "\n";
        script.close();

        ::setenv("PULSE_SERVER", ("unix:" + socket_).c_str(), 1);
        ::setenv("PULSE_RUNTIME_PATH", dir_.file("runtime").c_str(), 1);
        ::setenv("PULSE_STATE_PATH", dir_.file("state").c_str(), 1);
        ::setenv("HOME", dir_.file("home").c_str(), 1);
        ::unsetenv("PULSE_COOKIE");
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");

        if (startNow)
            start();
    }

    ~PulseDaemon() { kill(SIGTERM); }

    PulseDaemon(const PulseDaemon&) = delete;
    PulseDaemon& operator=(const PulseDaemon&) = delete;

    /// Starts the daemon and waits until it accepts connections. Throws with
    /// the daemon's log when it does not come up within 10 s. The daemon is
    /// killed when the calling thread ends, so a test that crashes or is
    /// killed by its timeout leaves no daemon behind: call it from the
    /// thread that runs the test.
    void start()
    {
        if (daemon_)
            return;
        const std::string log = dir_.file("daemon.log");
        daemon_ = std::make_unique<ChildProcess>(
            std::vector<std::string> { "pulseaudio", "-n", "-F", dir_.file("daemon.pa"),
                "--daemonize=no", "--system=false", "--exit-idle-time=-1", "--use-pid-file=no",
                "--realtime=no", "--high-priority=no", "--disallow-exit=yes", "--log-target=stderr",
                "--log-level=notice" },
            ChildOptions {
                .out = ChildOutput::file(log, true), .err = ChildOutput::withStandardOutput() });
        if (!daemon_->started()) {
            const std::string why = daemon_->startError();
            daemon_.reset();
            throw std::runtime_error("cannot run pulseaudio: " + why);
        }

        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!acceptsConnections()) {
            if (!daemon_->running()) {
                daemon_.reset();
                throw std::runtime_error("pulseaudio exited at start:\n" + readBytes(log));
            }
            if (std::chrono::steady_clock::now() > deadline) {
                kill(SIGKILL);
                throw std::runtime_error(
                    "pulseaudio did not come up within 10 s:\n" + readBytes(log));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    /// Ends the daemon with `signal` (SIGKILL: as if it crashed) and waits
    /// until it is gone. Harmless when it is not running.
    void kill(int signal = SIGKILL)
    {
        if (!daemon_)
            return;
        daemon_->signal(signal);
        daemon_->wait(std::chrono::seconds(5)); // then killed outright
        daemon_.reset();
    }

    /// Freezes (SIGSTOP) or thaws (SIGCONT) the running daemon: a server
    /// that accepts requests but never answers.
    void freeze()
    {
        if (daemon_)
            daemon_->signal(SIGSTOP);
    }
    void thaw()
    {
        if (daemon_)
            daemon_->signal(SIGCONT);
    }

    bool running() const { return daemon_ != nullptr; }

    /// Runs `pactl` with `args` against this daemon; true when it succeeded.
    /// Its output is in `lastOutput()`.
    bool pactl(std::initializer_list<std::string> args)
    {
        std::vector<std::string> argv { "pactl" };
        argv.insert(argv.end(), args.begin(), args.end());
        ChildProcess pactl(argv, { .err = ChildOutput::withStandardOutput() });
        const std::optional<int> status = pactl.wait(std::chrono::seconds(30));
        lastOutput_ = pactl.out();
        return status == 0;
    }
    const std::string& lastOutput() const { return lastOutput_; }

    /// The daemon's log so far, for failure messages.
    std::string log() const { return readBytes(dir_.file("daemon.log")); }

private:
    bool acceptsConnections() const
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, socket_.c_str(), sizeof(address.sun_path) - 1);
        const bool ok
            = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
        ::close(fd);
        return ok;
    }

    TempDir dir_;
    std::string socket_;
    std::unique_ptr<ChildProcess> daemon_;
    std::string lastOutput_;
};

} // namespace clefmark::test
