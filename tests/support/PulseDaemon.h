// A private PulseAudio daemon for tests and benchmarks: one per fixture, in a
// temporary directory of its own, with two null sinks whose monitors are the
// input devices. Nothing of the user's own sound server is touched, and
// tests running in parallel each have their own daemon.
#pragma once

#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/SoundServer.h"

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
#include <sys/time.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace clefmark::test {

/// A PulseAudio daemon of the test's own.
///
/// Creating one points this process's environment at it (PULSE_SERVER,
/// PULSE_RUNTIME_PATH, PULSE_STATE_PATH, HOME). The daemon runs as the
/// current user (root included) with no autospawn, no idle exit, and a script
/// that sets up the sinks and sources of SoundServer (the null sinks s16le
/// stereo, without rewinds, so a recorder joining does not push the next
/// sound a second back), with its command-line interface open for `pacmd`.
class PulseDaemon final : public SoundServer {
public:
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
        cliSocket_ = dir_.file("runtime/cli");
        if (socket_.size() >= sizeof(sockaddr_un {}.sun_path))
            throw std::runtime_error("temporary directory path too long for a socket: " + socket_);
        std::ofstream(dir_.file("home/.config/pulse/client.conf")) << "autospawn = no\n";
        std::ofstream script(dir_.file("daemon.pa"));
        script << "load-module module-null-sink sink_name=" << kSink44
               << " rate=44100 norewinds=1\n"
               << "load-module module-null-sink sink_name=" << kSink48
               << " rate=48000 norewinds=1\n"
               << "set-default-sink " << kSink44 << "\n"
               << "set-default-source " << kSource44 << "\n"
               << "load-module module-cli-protocol-unix socket=" << cliSocket_
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

    ~PulseDaemon() override { kill(SIGTERM); }

    /// Starts the daemon and waits until it accepts connections, within kHangGuard.
    /// The daemon is killed when the calling thread ends, so a test that
    /// crashes or is killed by its timeout leaves no daemon behind.
    void start() override
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

        const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
        while (!acceptsConnections(socket_)) {
            if (!daemon_->running()) {
                daemon_.reset();
                throw std::runtime_error("pulseaudio exited at start:\n" + readBytes(log));
            }
            if (std::chrono::steady_clock::now() > deadline) {
                kill(SIGKILL);
                throw std::runtime_error("pulseaudio did not come up within "
                    + std::to_string(kHangGuard.count()) + " s:\n" + readBytes(log));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    void kill(int signal = SIGKILL) override
    {
        if (!daemon_)
            return;
        daemon_->signal(signal);
        daemon_->wait(std::chrono::seconds(5)); // then killed outright
        daemon_.reset();
    }

    void freeze() override
    {
        if (daemon_)
            daemon_->signal(SIGSTOP);
    }
    void thaw() override
    {
        if (daemon_)
            daemon_->signal(SIGCONT);
    }

    bool running() const override { return daemon_ != nullptr; }

    /// Has the daemon run `commands`, one a line, in one batch as `pacmd`
    /// sends them (pacmd itself insists on a pid file); returns once it has
    /// run them all, true when it could be asked. Its answers are in
    /// `lastOutput()`.
    bool pacmd(const std::string& commands)
    {
        lastOutput_.clear();
        const int fd = connectTo(cliSocket_);
        if (fd < 0)
            return false;
        const timeval limit { 30, 0 };
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof(limit));
        bool ok
            = ::write(fd, commands.data(), commands.size()) == static_cast<ssize_t>(commands.size())
            && ::shutdown(fd, SHUT_WR) == 0;
        // The daemon hangs up once it has read, and run, everything.
        char buffer[4096];
        for (ssize_t n = 0; ok && (n = ::read(fd, buffer, sizeof(buffer))) != 0;) {
            ok = n > 0;
            if (ok)
                lastOutput_.append(buffer, static_cast<std::size_t>(n));
        }
        ::close(fd);
        return ok;
    }

    /// The daemon's log so far, for failure messages.
    std::string log() const override { return readBytes(dir_.file("daemon.log")); }

private:
    TempDir dir_;
    std::string socket_;
    std::string cliSocket_;
    std::unique_ptr<ChildProcess> daemon_;
};

} // namespace clefmark::test
