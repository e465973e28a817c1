// A private PulseAudio daemon for tests and benchmarks: one per fixture, in a
// temporary directory of its own, with two null sinks whose monitors are the
// input devices. Nothing of the user's own sound server is touched, and
// tests running in parallel each have their own daemon.
#pragma once

#include "tests/support/AudioFiles.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace clefmark::test {

/// The path of `program` on PATH, or empty when it is not there.
inline std::string findOnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const std::string candidate = dirs.substr(start, end - start) + "/" + program;
        if (end > start && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

inline bool onPath(const std::string& program)
{
    return !findOnPath(program).empty();
}

/// Runs `argv` with the process's environment and waits for it; its standard
/// output and error go to `outputPath`. Returns the exit status, or -1 when
/// it could not run or was killed.
inline int runProgram(const std::vector<std::string>& argv, const std::string& outputPath)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(
        &actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

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
        if (pid_ > 0)
            return;
        const std::string program = findOnPath("pulseaudio");
        const std::vector<std::string> argv
            = { program, "-n", "-F", dir_.file("daemon.pa"), "--daemonize=no", "--system=false",
                  "--exit-idle-time=-1", "--use-pid-file=no", "--realtime=no", "--high-priority=no",
                  "--disallow-exit=yes", "--log-target=stderr", "--log-level=notice" };
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        const std::string log = dir_.file("daemon.log");
        const int logFd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        const int nullFd = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (logFd < 0 || nullFd < 0 || program.empty())
            throw std::runtime_error("cannot prepare to run pulseaudio");
        const pid_t parent = ::getpid();
        pid_ = ::fork();
        if (pid_ == 0) {
            // The parent has threads: nothing but async-signal-safe calls
            // until exec.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent)
                ::_exit(127);
            ::dup2(nullFd, 0);
            ::dup2(logFd, 1);
            ::dup2(logFd, 2);
            ::execve(args[0], args.data(), environ);
            ::_exit(127);
        }
        const int forkError = errno;
        ::close(logFd);
        ::close(nullFd);
        if (pid_ < 0) {
            pid_ = 0;
            throw std::runtime_error(
                std::string("cannot run pulseaudio: ") + std::strerror(forkError));
        }

        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!acceptsConnections()) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = 0;
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
        if (pid_ <= 0)
            return;
        ::kill(pid_, signal);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        pid_ = 0;
    }

    /// Freezes (SIGSTOP) or thaws (SIGCONT) the running daemon: a server
    /// that accepts requests but never answers.
    void freeze() { ::kill(pid_, SIGSTOP); }
    void thaw() { ::kill(pid_, SIGCONT); }

    bool running() const { return pid_ > 0; }

    /// Runs `pactl` with `args` against this daemon; true when it succeeded.
    /// Its output is in `lastOutput()`.
    bool pactl(std::initializer_list<std::string> args)
    {
        std::vector<std::string> argv { "pactl" };
        argv.insert(argv.end(), args.begin(), args.end());
        const std::string out = dir_.file("pactl.out");
        const int status = runProgram(argv, out);
        lastOutput_ = readBytes(out);
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
    pid_t pid_ = 0;
    std::string lastOutput_;
};

} // namespace clefmark::test
