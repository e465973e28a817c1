// clefmark-cli listen end to end: the built program playing short files in
// real time, stopped by the file's end, by --duration and by signals, and
// without a sound server.
#include "tests/cli/RunCli.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Eventually.h"
#include "tests/support/Signals.h"
#include "tests/support/SoundServer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <pty.h>
#include <signal.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace clefmark::test {
namespace {

    using namespace std::chrono_literals;

    constexpr int kRate = 44100;

    // Two plucked notes, 0.8 s each: A2, then E4.
    std::string writeTwoNotes(const TempDir& dir)
    {
        const std::string path = dir.file("two-notes.wav");
        std::vector<float> samples = pluck16(110.0, kRate, 0.8, 0.8);
        const std::vector<float> second = pluck16(329.63, kRate, 0.8, 0.8);
        samples.insert(samples.end(), second.begin(), second.end());
        write16BitFile(path, samples, 1, kRate);
        return path;
    }

    // The command line that runs clefmark-cli with `args`.
    std::vector<std::string> cli(std::vector<std::string> args)
    {
        args.insert(args.begin(), CLEFMARK_CLI_PATH);
        return args;
    }

    /// Waits until `child`'s standard output has `count` lines.
    bool waitForLines(const ChildProcess& child, std::size_t count)
    {
        return eventually([&] { return lines(child.out()).size() >= count; });
    }

    // What this process, and so a child it starts, does on SIGHUP while it
    // exists: nohup's SIG_IGN, or SIG_DFL whatever started the tests.
    class HangUpAs {
    public:
        explicit HangUpAs(void (*handler)(int))
        {
            struct sigaction action { };
            action.sa_handler = handler;
            sigemptyset(&action.sa_mask);
            ::sigaction(SIGHUP, &action, &previous_);
        }
        ~HangUpAs() { ::sigaction(SIGHUP, &previous_, nullptr); }
        HangUpAs(const HangUpAs&) = delete;
        HangUpAs& operator=(const HangUpAs&) = delete;

    private:
        struct sigaction previous_ { };
    };

    TEST(Listen, PlaysAFileToTheEndWithTheRecordsOfAnalyze)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        const CliRun analyzed
            = runCli(dir, { "analyze", "--format", "jsonl", "--cycle-frames", "441", path });
        ASSERT_EQ(analyzed.status, 0) << analyzed.err;

        // Played at the pace of a sound card: the file device's own tests
        // hold that against their clock; here, only that nothing differs.
        const CliRun run = runCli(
            dir, { "listen", "--input", path, "--format", "jsonl", "--cycle-frames", "441" });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, analyzed.out);
        EXPECT_NE(run.out.find("\"name\":\"A2\""), std::string::npos);
        EXPECT_NE(run.out.find("\"name\":\"E4\""), std::string::npos);
    }

    TEST(Listen, ADamagedFileGivesTheRecordsAndTheFaultOfAnalyze)
    {
        TempDir dir;
        const std::string path = dir.file("damaged.flac");
        for (const double at : { 0.3, 0.5, 0.7 }) {
            SCOPED_TRACE(at);
            writeDamagedFlac(path, periodicSine(100, 0.5f, kRate), kRate, at, 300);
            const CliRun analyzed = runCli(dir, { "analyze", "--format", "jsonl", path });
            EXPECT_EQ(analyzed.status, 2);
            EXPECT_TRUE(analyzed.err.starts_with("clefmark-cli: " + path + ": read error ("))
                << analyzed.err;

            const CliRun run = runCli(dir, { "listen", "--input", path, "--format", "jsonl" });
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err, analyzed.err);
            EXPECT_EQ(run.out, analyzed.out);
        }
    }

    TEST(Listen, NotATerminalAndNoFormatMeansJsonl)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        const CliRun jsonl = runCli(dir, { "listen", "--input", path, "--format=jsonl" });
        const CliRun unspecified = runCli(dir, { "listen", "--input", path });
        EXPECT_EQ(unspecified.status, 0) << unspecified.err;
        EXPECT_EQ(unspecified.out, jsonl.out);
    }

    TEST(Listen, TextWhenNotATerminalIsALineForEachChange)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        const CliRun run = runCli(dir, { "listen", "--input", path, "--format", "text" });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find('\r'), std::string::npos);
        EXPECT_EQ(run.out.find('\033'), std::string::npos);
        const std::vector<std::string> shown = lines(run.out);
        ASSERT_FALSE(shown.empty());
        for (const std::string& line : shown)
            EXPECT_EQ(line.size(), 71u) << line;
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const std::string& line) {
            return line.starts_with("A2 ");
        })) << run.out;
        EXPECT_TRUE(shown.back().starts_with("E4 ")) << shown.back();
        EXPECT_LE(shown.size(), 12u) << "at most five a second";

        // A2 and E4 sounding, as a player a semitone above reads them.
        const CliRun written = runCli(
            dir, { "listen", "--input", path, "--format", "text", "--transpose", "1", "--flats" });
        EXPECT_EQ(written.status, 0) << written.err;
        EXPECT_NE(written.out.find("Bb2 "), std::string::npos) << written.out;
        EXPECT_TRUE(lines(written.out).back().starts_with("F4 ")) << written.out;
    }

    TEST(Listen, DurationEndsIt)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        // When it ends is the session's to keep, against its clock
        // (ListenSession's tests); a looping file would otherwise never end.
        const CliRun run = runCli(
            dir, { "listen", "--input", path, "--loop", "--duration", "1", "--format", "jsonl" });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        // How many blocks fit in that second depends on how busy the machine
        // is; that it listened at all does not.
        EXPECT_FALSE(lines(run.out).empty());
    }

    TEST(Listen, SignalsStopItInOrder)
    {
        for (const int number : { SIGINT, SIGTERM, SIGHUP }) {
            SCOPED_TRACE(strsignal(number));
            TempDir dir;
            const std::string path = writeTwoNotes(dir);
            const HangUpAs hangUp(SIG_DFL);
            ChildProcess listen(cli({ "listen", "--input", path, "--loop", "--format", "jsonl" }));
            ASSERT_TRUE(listen.started()) << listen.startError();
            ASSERT_TRUE(waitForLines(listen, 3)) << listen.err();
            listen.signal(number);
            EXPECT_EQ(listen.wait(30s), 0) << listen.err();
            EXPECT_EQ(listen.err(), "");
            const std::string out = listen.out();
            ASSERT_FALSE(out.empty());
            EXPECT_EQ(out.back(), '\n') << "no record cut short";
            const std::vector<std::string> records = lines(out);
            for (std::size_t i = 0; i < records.size(); ++i)
                EXPECT_TRUE(records[i].starts_with("{\"block\":" + std::to_string(i) + ","))
                    << records[i];
        }
    }

    // Under nohup a hang-up is not meant for it: it plays on.
    TEST(Listen, AHangUpIgnoredByWhoStartedItIsIgnored)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        std::optional<ChildProcess> listen;
        {
            const HangUpAs hangUp(SIG_IGN);
            listen.emplace(cli({ "listen", "--input", path, "--loop", "--format", "jsonl" }));
        }
        ASSERT_TRUE(listen->started()) << listen->startError();
        ASSERT_TRUE(waitForLines(*listen, 3)) << listen->err();
        listen->signal(SIGHUP);
        // A second's worth of blocks after it.
        const std::size_t heard = lines(listen->out()).size();
        EXPECT_TRUE(waitForLines(*listen, heard + 22)) << listen->err();
        listen->signal(SIGTERM);
        EXPECT_EQ(listen->wait(30s), 0) << listen->err();
    }

    // A pipe that nobody reads: once it is full every write blocks, and a
    // stop must end the run all the same.
    TEST(Listen, AStopEndsItWhileItsOutputIsBlocked)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        const std::string fifo = dir.file("out.fifo");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << std::strerror(errno);
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(reader, 0) << std::strerror(errno);
        // One page, so that it fills in a second of records.
        ASSERT_GT(::fcntl(reader, F_SETPIPE_SZ, 4096), 0) << std::strerror(errno);
        ChildProcess listen(cli({ "listen", "--input", path, "--loop", "--format", "jsonl" }),
            { .out = ChildOutput::file(fifo) });
        ASSERT_TRUE(listen.started()) << listen.startError();

        // Its main thread waits in the pipe's write, for room that never comes.
        const std::string wchan = "/proc/" + std::to_string(listen.pid()) + "/wchan";
        ASSERT_TRUE(eventually([&] { return readBytes(wchan).ends_with("pipe_write"); }))
            << readBytes(wchan);

        listen.signal(SIGTERM);
        const std::optional<int> status = listen.wait(kHangGuard);
        ::close(reader);
        ASSERT_TRUE(status.has_value()) << "still running, killed";
        EXPECT_EQ(*status, 2) << "its output was cut short";
    }

    TEST(Listen, AnOutputThatCannotBeWrittenIsOneLine)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        ChildProcess listen(cli({ "listen", "--input", path, "--format", "jsonl" }),
            { .out = ChildOutput::file("/dev/full") });
        ASSERT_TRUE(listen.started()) << listen.startError();
        EXPECT_EQ(listen.wait(30s), 2);
        EXPECT_EQ(
            listen.err(), "clefmark-cli: cannot write the results: No space left on device\n");
    }

    TEST(Listen, WithoutASoundServerItSaysSoAndGivesUpAfterItsDuration)
    {
        TempDir dir;
        // libpulse is not built for ThreadSanitizer, which then cannot see how it
        // hands its own objects between its threads and now and then reports a
        // race inside it while it retries the connection. Without a server no
        // input cycle runs, so leaving out reports through libpulse here hides
        // nothing of ours but the main loop, whose races would not pass libpulse.
        writeBytes(dir.file("tsan.supp"), "race:libpulsecommon\n");
        const char* tsanOptions = std::getenv("TSAN_OPTIONS");
        const std::vector<std::string> noServer {
            "PULSE_SERVER=unix:" + dir.file("no-such-socket"),
            "TSAN_OPTIONS=" + std::string(tsanOptions != nullptr ? tsanOptions : "")
                + ":suppressions=" + dir.file("tsan.supp"),
        };
        ChildProcess listen(
            cli({ "listen", "--duration", "1", "--format", "jsonl" }), { .environment = noServer });
        ASSERT_TRUE(listen.started()) << listen.startError();
        EXPECT_EQ(listen.wait(30s), 1);
        EXPECT_EQ(listen.err(), "clefmark-cli: waiting for a sound server...\n");
        EXPECT_EQ(listen.out(), "");

        // Without a duration it waits, until told to stop.
        ChildProcess waiting(cli({ "listen", "--format", "jsonl" }), { .environment = noServer });
        ASSERT_TRUE(waiting.started()) << waiting.startError();
        eventually([&] { return !waiting.err().empty(); });
        EXPECT_EQ(waiting.err(), "clefmark-cli: waiting for a sound server...\n");
        waiting.signal(SIGINT);
        EXPECT_EQ(waiting.wait(30s), 0);
    }

    TEST(Listen, AFileThatCannotBePlayedIsOneLine)
    {
        TempDir dir;
        writeBytes(dir.file("notes.txt"), "E2 A2 D3 G3 B3 E4\n");
        writeSparseWav(dir.file("fast.wav"), 2147483647, 1, 4096, 4096);
        // Nothing writes to it: opened as a file is, it would wait for good.
        ASSERT_EQ(::mkfifo(dir.file("fifo.wav").c_str(), 0600), 0) << std::strerror(errno);
        std::filesystem::create_symlink("/dev/zero", dir.file("zero.wav"));
        struct Case {
            std::string file;
            std::string error;
        };
        const Case cases[] = {
            { dir.file("missing.wav"),
                "clefmark-cli: " + dir.file("missing.wav") + ": no such file\n" },
            { dir.file("notes.txt"),
                "clefmark-cli: " + dir.file("notes.txt") + ": not an audio file (" },
            { dir.file("fast.wav"),
                "clefmark-cli: " + dir.file("fast.wav")
                    + ": sample rate 2147483647 Hz cannot be analysed (" },
            { dir.file("fifo.wav"),
                "clefmark-cli: " + dir.file("fifo.wav") + ": is a pipe, not a regular file\n" },
            { dir.file("zero.wav"),
                "clefmark-cli: " + dir.file("zero.wav") + ": is a device, not a regular file\n" },
        };
        for (const Case& c : cases) {
            const CliRun run = runCli(dir, { "listen", "--input", c.file });
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.starts_with(c.error)) << run.err;
            EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
            EXPECT_EQ(run.out, "");
        }
        const CliRun wrong = runCli(dir, { "listen", "--loop" });
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.err, "clefmark-cli: --loop: only with --input FILE\n");
    }

    TEST(Listen, AFileThatShrinksWhileItLoopsEndsWithOneLine)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        ChildProcess listen(cli({ "listen", "--input", path, "--loop", "--format", "jsonl" }));
        ASSERT_TRUE(listen.started()) << listen.startError();
        ASSERT_TRUE(waitForLines(listen, 1)) << listen.err();
        std::filesystem::resize_file(path, 1000);

        EXPECT_EQ(listen.wait(30s), 1);
        EXPECT_EQ(
            listen.err(), "clefmark-cli: " + path + ": the file shrank while it was being read\n");
    }

    TEST(Listen, HelpTellsEverything)
    {
        TempDir dir;
        const CliRun general = runCli(dir, { "--help" });
        EXPECT_NE(general.out.find("\n  listen "), std::string::npos) << general.out;
        const CliRun help = runCli(dir, { "listen", "--help" });
        EXPECT_EQ(help.status, 0);
        for (const char* option : { "--input FILE", "--loop", "--duration S", "--format",
                 "--reference HZ", "--octave-rejection", "--close-enough", "--cycle-frames N",
                 "SIGINT", "Exit status" })
            EXPECT_NE(help.out.find(option), std::string::npos) << option;
        EXPECT_EQ(runCli(dir, { "help", "listen" }).out, help.out);
    }

    TEST(Listen, OnATerminalItRedrawsOneStatusLine)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);

        winsize size {};
        size.ws_col = 100;
        size.ws_row = 24;
        // Made before the fork: the child only calls exec.
        std::vector<std::string> args { CLEFMARK_CLI_PATH, "listen", "--input", path };
        std::vector<std::string> env = environmentWith({ "TERM=xterm", "NO_COLOR" });
        const std::vector<char*> argv = execPointers(args);
        const std::vector<char*> envp = execPointers(env);
        int terminal = -1;
        const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, &size);
        if (pid < 0) {
            // A package build's chroot may have no /dev/pts mounted.
            const std::string missing = std::string("no pseudo-terminal to run it on (forkpty: ")
                + std::strerror(errno) + ")";
            if (test::soundServersRequired())
                FAIL() << missing << " (and CLEFMARK_REQUIRE_SERVERS=1)";
            GTEST_SKIP() << missing;
        }
        if (pid == 0) {
            ::execve(CLEFMARK_CLI_PATH, argv.data(), envp.data());
            ::_exit(127);
        }
        std::string screen;
        char buffer[4096];
        for (;;) {
            const ssize_t got = ::read(terminal, buffer, sizeof buffer);
            if (got > 0)
                screen.append(buffer, static_cast<std::size_t>(got));
            else if (got < 0 && errno == EINTR)
                continue;
            else
                break; // EIO once the program has gone
        }
        ::close(terminal);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << screen;

        // Every redraw starts at the line's start and clears what is left over;
        // the one line ends at exit (the terminal turns "\n" into "\r\n").
        EXPECT_EQ(screen.find('\n'), screen.size() - 1) << screen;
        std::size_t redraws = 0;
        for (auto at = screen.find('\r'); at != std::string::npos; at = screen.find('\r', at + 1))
            redraws += screen.compare(at, 2, "\r\n") != 0;
        EXPECT_GE(redraws, 2u);
        EXPECT_LE(redraws, 12u) << "at most five a second";
        EXPECT_NE(screen.find("\033[K"), std::string::npos);
        EXPECT_NE(screen.find("A2"), std::string::npos);
        EXPECT_NE(screen.find("E4"), std::string::npos);
        EXPECT_NE(screen.find("level ["), std::string::npos);
    }

} // namespace
} // namespace clefmark::test
