// clefmark-cli listen end to end: the built program playing short files in
// real time, stopped by the file's end, by --duration and by signals, and
// without a sound server.
#include "tests/cli/RunCli.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Signals.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace clefmark::test {
namespace {

    using namespace std::chrono_literals;
    using Clock = std::chrono::steady_clock;

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

    // The environment of this process with `overrides` ("NAME=value") in place
    // of any variables of the same names.
    std::vector<std::string> environmentWith(const std::vector<std::string>& overrides)
    {
        std::vector<std::string> result;
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            bool replaced = false;
            for (const std::string& o : overrides)
                replaced = replaced || entry.starts_with(o.substr(0, o.find('=') + 1));
            if (!replaced)
                result.push_back(entry);
        }
        result.insert(result.end(), overrides.begin(), overrides.end());
        return result;
    }

    std::vector<char*> pointers(std::vector<std::string>& strings)
    {
        std::vector<char*> result;
        for (std::string& s : strings)
            result.push_back(s.data());
        result.push_back(nullptr);
        return result;
    }

    // clefmark-cli running in the background, its output going to files.
    class Background {
    public:
        Background(const TempDir& dir, std::vector<std::string> args,
            const std::vector<std::string>& overrides = {})
            : outPath_(dir.file("bg-stdout"))
            , errPath_(dir.file("bg-stderr"))
        {
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
            const int flags = O_WRONLY | O_CREAT | O_TRUNC;
            posix_spawn_file_actions_addopen(&actions, 1, outPath_.c_str(), flags, 0600);
            posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(), flags, 0600);
            args.insert(args.begin(), CLEFMARK_CLI_PATH);
            std::vector<std::string> env = environmentWith(overrides);
            const std::vector<char*> argv = pointers(args);
            const std::vector<char*> envp = pointers(env);
            if (posix_spawn(&pid_, CLEFMARK_CLI_PATH, &actions, nullptr, argv.data(), envp.data())
                != 0)
                pid_ = -1;
            posix_spawn_file_actions_destroy(&actions);
        }
        ~Background()
        {
            if (pid_ > 0) {
                ::kill(pid_, SIGKILL);
                wait();
            }
        }

        bool started() const { return pid_ > 0; }
        std::string out() const { return readBytes(outPath_); }
        std::string err() const { return readBytes(errPath_); }
        void signal(int number) const { ::kill(pid_, number); }

        /// Waits until its standard output has `lines` lines, or `timeout`.
        bool waitForLines(std::size_t count, std::chrono::milliseconds timeout) const
        {
            const auto end = Clock::now() + timeout;
            while (lines(out()).size() < count) {
                if (Clock::now() > end)
                    return false;
                std::this_thread::sleep_for(20ms);
            }
            return true;
        }

        /// Its exit status, or -1 when a signal ended it.
        int wait()
        {
            int status = 0;
            while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) { }
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }

    private:
        std::string outPath_;
        std::string errPath_;
        pid_t pid_ = -1;
    };

    TEST(Listen, PlaysAFileToTheEndWithTheRecordsOfAnalyze)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        const CliRun analyzed
            = runCli(dir, { "analyze", "--format", "jsonl", "--cycle-frames", "441", path });
        ASSERT_EQ(analyzed.status, 0) << analyzed.err;

        const auto begin = Clock::now();
        const CliRun run = runCli(
            dir, { "listen", "--input", path, "--format", "jsonl", "--cycle-frames", "441" });
        const auto elapsed = Clock::now() - begin;
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, analyzed.out);
        EXPECT_NE(run.out.find("\"name\":\"A2\""), std::string::npos);
        EXPECT_NE(run.out.find("\"name\":\"E4\""), std::string::npos);
        EXPECT_GT(elapsed, 1200ms) << "played in real time, not read at once";
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
            EXPECT_EQ(line.size(), 69u) << line;
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const std::string& line) {
            return line.starts_with("A2 ");
        })) << run.out;
        EXPECT_TRUE(shown.back().starts_with("E4 ")) << shown.back();
        EXPECT_LE(shown.size(), 12u) << "at most five a second";
    }

    TEST(Listen, DurationEndsIt)
    {
        TempDir dir;
        const std::string path = writeTwoNotes(dir);
        const auto begin = Clock::now();
        const CliRun run = runCli(
            dir, { "listen", "--input", path, "--loop", "--duration", "1", "--format", "jsonl" });
        const auto elapsed = Clock::now() - begin;
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_GE(elapsed, 900ms);
        EXPECT_LT(elapsed, 10s);
        // 1 s is 22 blocks of 1/22 s; the last may not be done yet.
        const std::size_t records = lines(run.out).size();
        EXPECT_GE(records, 5u);
        EXPECT_LE(records, 22u);
    }

    TEST(Listen, SignalsStopItInOrder)
    {
        for (const int number : { SIGINT, SIGTERM }) {
            SCOPED_TRACE(strsignal(number));
            TempDir dir;
            const std::string path = writeTwoNotes(dir);
            Background listen(dir, { "listen", "--input", path, "--loop", "--format", "jsonl" });
            ASSERT_TRUE(listen.started());
            ASSERT_TRUE(listen.waitForLines(3, 10000ms)) << listen.err();
            listen.signal(number);
            EXPECT_EQ(listen.wait(), 0) << listen.err();
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
        Background listen(dir, { "listen", "--duration", "1", "--format", "jsonl" }, noServer);
        ASSERT_TRUE(listen.started());
        EXPECT_EQ(listen.wait(), 1);
        EXPECT_EQ(listen.err(), "clefmark-cli: waiting for a sound server...\n");
        EXPECT_EQ(listen.out(), "");

        // Without a duration it waits, until told to stop.
        Background waiting(dir, { "listen", "--format", "jsonl" }, noServer);
        ASSERT_TRUE(waiting.started());
        const auto end = Clock::now() + 10s;
        while (waiting.err().empty() && Clock::now() < end)
            std::this_thread::sleep_for(20ms);
        EXPECT_EQ(waiting.err(), "clefmark-cli: waiting for a sound server...\n");
        waiting.signal(SIGINT);
        EXPECT_EQ(waiting.wait(), 0);
    }

    TEST(Listen, AFileThatCannotBePlayedIsOneLine)
    {
        TempDir dir;
        writeBytes(dir.file("notes.txt"), "E2 A2 D3 G3 B3 E4\n");
        struct Case {
            std::string file;
            std::string error;
        };
        const Case cases[] = {
            { dir.file("missing.wav"),
                "clefmark-cli: " + dir.file("missing.wav") + ": no such file\n" },
            { dir.file("notes.txt"),
                "clefmark-cli: " + dir.file("notes.txt") + ": not an audio file (" },
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
        std::vector<std::string> env = environmentWith({ "TERM=xterm" });
        std::erase_if(env, [](const std::string& e) { return e.starts_with("NO_COLOR="); });
        const std::vector<char*> argv = pointers(args);
        const std::vector<char*> envp = pointers(env);
        int terminal = -1;
        const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, &size);
        ASSERT_GE(pid, 0);
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
