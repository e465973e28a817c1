// A private PipeWire for tests: the graph (pipewire), its session manager
// (wireplumber) and the PulseAudio protocol server (pipewire-pulse), on a
// session bus of their own, in a temporary directory of their own. The sinks
// and sources are those of SoundServer, made through pipewire-pulse as a
// desktop's settings would make them.
#pragma once

#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/SoundServer.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace clefmark::test {

/// PipeWire serving the PulseAudio protocol, as a desktop runs it, but with
/// nothing of the machine's or the user's configuration or state, no device
/// monitors (so a real sound card never shows up among the sources), and the
/// dummy driver clocking the graph.
///
/// Creating one points this process's environment at it (PULSE_SERVER,
/// XDG_RUNTIME_DIR, XDG_CONFIG_HOME, XDG_STATE_HOME, HOME).
class PipeWireServer final : public SoundServer {
public:
    /// Where Debian's wireplumber package keeps its configuration.
    static constexpr const char* kSessionConfig = "/usr/share/wireplumber";

    /// Why it cannot run here, or empty when it can.
    static std::string unavailableReason()
    {
        for (const auto& [program, package] : {
                 std::pair { "pipewire", "pipewire-bin" },
                 std::pair { "wireplumber", "wireplumber" },
                 std::pair { "pipewire-pulse", "pipewire-pulse" },
                 std::pair { "dbus-daemon", "dbus-daemon" },
                 std::pair { "pactl", "pulseaudio-utils" },
             }) {
            if (!onPath(program))
                return std::string("no ") + program + " on PATH (Debian package " + package + ")";
        }
        if (!std::filesystem::is_directory(kSessionConfig))
            return std::string("no ") + kSessionConfig + " (Debian package wireplumber)";
        return {};
    }

    /// Prepares the directory and the environment; starts the server unless
    /// `startNow` is false (to test a client that comes first).
    explicit PipeWireServer(bool startNow = true)
    {
        namespace fs = std::filesystem;
        for (const char* sub : { "runtime", "state", "home/.config/pulse", "wireplumber" })
            fs::create_directories(dir_.path() / sub);
        socket_ = dir_.file("runtime/pulse/native");
        link_ = dir_.file("native");
        if (socket_.size() >= sizeof(sockaddr_un {}.sun_path))
            throw std::runtime_error("temporary directory path too long for a socket: " + socket_);
        std::ofstream(dir_.file("home/.config/pulse/client.conf")) << "autospawn = no\n";

        // Told a directory, the session manager reads its configuration from
        // there alone; otherwise from the machine's and the user's besides the
        // packaged one. So a directory of ours: the packaged files, and ours.
        const fs::path session = dir_.path() / "wireplumber";
        for (const fs::directory_entry& entry : fs::directory_iterator(kSessionConfig)) {
            const fs::path name = entry.path().filename();
            if (name.extension() == ".conf")
                fs::create_symlink(entry.path(), session / name);
            if (name.extension() != ".d")
                continue;
            fs::create_directories(session / name);
            for (const fs::directory_entry& file : fs::directory_iterator(entry.path()))
                fs::create_symlink(file.path(), session / name / file.path().filename());
        }
        // Between the monitors' defaults (50-) and the file enabling them (90-).
        std::ofstream(session / "main.lua.d/60-clefmark-test.lua")
            << "alsa_monitor.enabled = false\n"
               "v4l2_monitor.enabled = false\n"
               "libcamera_monitor.enabled = false\n";
        std::ofstream(session / "bluetooth.lua.d/60-clefmark-test.lua")
            << "bluez_monitor.enabled = false\n";

        ::setenv("PULSE_SERVER", ("unix:" + link_).c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", dir_.file("runtime").c_str(), 1);
        ::setenv("XDG_STATE_HOME", dir_.file("state").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", dir_.file("home/.config").c_str(), 1);
        ::setenv("HOME", dir_.file("home").c_str(), 1);
        for (const char* name : { "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH", "PULSE_COOKIE",
                 "DBUS_SESSION_BUS_ADDRESS", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR" })
            ::unsetenv(name);

        if (startNow)
            start();
    }

    ~PipeWireServer() override
    {
        kill(SIGTERM);
        if (bus_) {
            bus_->signal(SIGTERM);
            bus_->wait(std::chrono::seconds(5));
        }
    }

    /// Starts the bus (once), then pipewire, wireplumber and pipewire-pulse,
    /// each when what it needs answers; then makes the null sinks and the
    /// defaults, within kHangGuard for each step. Clients reach the server only
    /// then, through a link to its socket: pipewire-pulse answers before
    /// anything is made, and a client that came as early would see the
    /// sources and defaults come one by one, where a PulseAudio daemon
    /// opens its socket with everything in place.
    void start() override
    {
        if (running())
            return;
        try {
            // The bus as dbus-run-session would start it, but a child of
            // ours, so that it goes with the test however the test ends.
            if (!bus_) {
                const std::string busSocket = dir_.file("bus");
                bus_ = spawn("bus",
                    { "dbus-daemon", "--session", "--nofork", "--nopidfile",
                        "--address=unix:path=" + busSocket });
                ready(
                    "the session bus", [&] { return acceptsConnections(busSocket); }, bus_.get());
            }
            graph_ = spawn("pipewire", { "pipewire" });
            ready(
                "pipewire", [&] { return acceptsConnections(dir_.file("runtime/pipewire-0")); },
                graph_.get());
            session_ = spawn("wireplumber", { "wireplumber" });
            pulse_ = spawn("pipewire-pulse", { "pipewire-pulse" });
            ready(
                "pipewire-pulse", [&] { return acceptsConnections(socket_); }, pulse_.get());

            for (const auto& [sink, rate] :
                { std::pair { kSink44, "44100" }, { kSink48, "48000" } })
                if (!setup({ "load-module", "module-null-sink", std::string("sink_name=") + sink,
                        std::string("rate=") + rate }))
                    throw std::runtime_error(
                        "cannot make the null sink " + std::string(sink) + ": " + lastOutput());
            // The sinks come a moment after the module's reply, and the
            // session manager decides the defaults after being told: wait
            // for each as pipewire-pulse reports it.
            ready("the null sinks", [&] {
                return setup({ "list", "short", "sources" })
                    && lastOutput().find(kSource44) != std::string::npos
                    && lastOutput().find(kSource48) != std::string::npos;
            });
            const std::string sinkLine = std::string("Default Sink: ") + kSink44 + "\n";
            const std::string sourceLine = std::string("Default Source: ") + kSource44 + "\n";
            ready("the defaults", [&] {
                if (!setup({ "info" }))
                    return false;
                const bool sink = lastOutput().find(sinkLine) != std::string::npos;
                const bool source = lastOutput().find(sourceLine) != std::string::npos;
                if (!sink)
                    setup({ "set-default-sink", kSink44 });
                if (!source)
                    setup({ "set-default-source", kSource44 });
                return sink && source;
            });
            std::filesystem::create_symlink(socket_, link_);
        } catch (...) {
            kill(SIGKILL);
            throw;
        }
    }

    /// Ends the three processes of the server (the bus stays, it is not the
    /// sound server), pipewire-pulse first, so that its clients see their
    /// connection go rather than the graph under it.
    void kill(int signal = SIGKILL) override
    {
        std::error_code ignored;
        std::filesystem::remove(link_, ignored);
        for (std::unique_ptr<ChildProcess>* process : { &pulse_, &session_, &graph_ }) {
            if (!*process)
                continue;
            (*process)->signal(signal);
            (*process)->wait(std::chrono::seconds(5)); // then killed outright
            process->reset();
        }
    }

    void freeze() override
    {
        if (pulse_)
            pulse_->signal(SIGSTOP);
    }
    void thaw() override
    {
        if (pulse_)
            pulse_->signal(SIGCONT);
    }

    bool running() const override { return pulse_ != nullptr; }

    std::string log() const override
    {
        std::string all;
        for (const char* name : { "pipewire", "wireplumber", "pipewire-pulse", "bus" })
            all += std::string("--- ") + name + ":\n"
                + readBytes(dir_.file(name + std::string(".log")));
        return all;
    }

    /// Destroys the graph node that pipewire-pulse shows as the object
    /// `index` (a source output's index is its node's object.serial), as
    /// `pw-cli destroy` does; true when it was found and destroyed.
    bool destroyNodeOf(const std::string& index)
    {
        ChildProcess dump({ "pw-dump" }, { .err = ChildOutput::discard() });
        if (dump.wait(std::chrono::seconds(30)) != 0)
            return false;
        // pw-dump's objects each start with their id, four spaces in.
        const std::string out = dump.out();
        const std::size_t serial = out.find("\"object.serial\": " + index + ",");
        const std::size_t id = out.rfind("\n    \"id\": ", serial);
        if (serial == std::string::npos || id == std::string::npos)
            return false;
        const std::size_t begin = id + 11;
        const std::string node = out.substr(begin, out.find(',', begin) - begin);
        ChildProcess destroy(
            { "pw-cli", "destroy", node }, { .err = ChildOutput::withStandardOutput() });
        const std::optional<int> status = destroy.wait(std::chrono::seconds(30));
        lastOutput_ = destroy.out();
        return status == 0;
    }

private:
    // pactl against the server's own socket, before the clients' link is there.
    bool setup(std::vector<std::string> args)
    {
        args.insert(args.begin(), { "-s", "unix:" + socket_ });
        return pactl(args);
    }

    std::unique_ptr<ChildProcess> spawn(
        const std::string& name, const std::vector<std::string>& argv)
    {
        const std::string log = dir_.file(name + ".log");
        auto process = std::make_unique<ChildProcess>(argv,
            ChildOptions { .environment
                = { "DBUS_SESSION_BUS_ADDRESS=unix:path=" + dir_.file("bus"), "PULSE_SERVER",
                    // The packaged configuration only, none from /etc.
                    "PIPEWIRE_NO_CONFIG=true", "PIPEWIRE_CONFIG_DIR",
                    "WIREPLUMBER_CONFIG_DIR=" + dir_.file("wireplumber") },
                .out = ChildOutput::file(log, true),
                .err = ChildOutput::withStandardOutput() });
        if (!process->started())
            throw std::runtime_error("cannot run " + argv[0] + ": " + process->startError());
        return process;
    }

    // Waits until `done`; throws with the logs when the step fails, or when
    // `process` (if given) exits first.
    void ready(
        const std::string& what, const std::function<bool()>& done, ChildProcess* process = nullptr)
    {
        if (!waitUntil(done, [&] { return process != nullptr && !process->running(); }))
            throw std::runtime_error(what + " did not come up within "
                + std::to_string(kHangGuard.count()) + " s:\n" + log());
    }

    TempDir dir_;
    std::string socket_; // where pipewire-pulse listens
    std::string link_; // where the clients connect, once it is set up
    std::unique_ptr<ChildProcess> bus_;
    std::unique_ptr<ChildProcess> graph_;
    std::unique_ptr<ChildProcess> session_;
    std::unique_ptr<ChildProcess> pulse_;
};

} // namespace clefmark::test
