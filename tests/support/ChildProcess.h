// A program run as a child process, for the tests and benchmarks that drive
// whole programs or servers: what goes in, what comes out, how it ended, and
// what it cost. The one place that forks, so that every caller gets the same
// care: no deadlock on full pipes, no child outliving its test, no guessing
// when a child is ready.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <thread>
#include <utility>
#include <vector>

namespace clefmark::test {

/// The path of `program` on PATH, or empty when it is not there.
std::string findOnPath(const std::string& program);

inline bool onPath(const std::string& program)
{
    return !findOnPath(program).empty();
}

/// This process's environment changed by `changes`: "NAME=value" sets a
/// variable (in place of any of the same name), a bare "NAME" removes it.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes);

/// The null-terminated array of `strings`' characters that execve takes; it
/// points into `strings`, which must outlive it.
std::vector<char*> execPointers(std::vector<std::string>& strings);

/// Where one of the child's output streams goes.
struct ChildOutput {
    enum class Kind { Capture, Discard, File, AppendFile, WithStandardOutput };

    /// Kept in memory, read with ChildProcess::out() and err().
    static ChildOutput capture() { return { Kind::Capture, {} }; }
    static ChildOutput discard() { return { Kind::Discard, {} }; }
    /// Into the file at `path`, replaced or appended to.
    static ChildOutput file(std::string path, bool append = false)
    {
        return { append ? Kind::AppendFile : Kind::File, std::move(path) };
    }
    /// For standard error: wherever standard output goes, interleaved.
    static ChildOutput withStandardOutput() { return { Kind::WithStandardOutput, {} }; }

    Kind kind;
    std::string path;
};

struct ChildOptions {
    /// Changes to this process's environment, as for environmentWith().
    std::vector<std::string> environment {};
    /// Empty: this process's.
    std::string workingDirectory {};
    ChildOutput out = ChildOutput::capture();
    ChildOutput err = ChildOutput::capture();
    /// Descriptors the child inherits under the same numbers (each above 2).
    std::vector<int> keepOpen {};
    /// Opens the CLEFMARK_READY_FD channel, for waitUntilReady().
    bool readiness = false;
    /// The largest file the child may write (RLIMIT_FSIZE), in bytes.
    std::optional<rlim_t> fileSizeLimit {};
};

/// One child, started by the constructor, standard input empty. It is killed
/// when the object goes, and also (by the kernel) when the thread that
/// started it ends, so that a test killed by its timeout leaves nothing
/// running: start it from the thread that runs the test.
class ChildProcess {
public:
    /// `argv[0]` is looked up on PATH when it holds no '/'.
    explicit ChildProcess(const std::vector<std::string>& argv, const ChildOptions& options = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    /// False when it could not be run; `startError()` says why.
    bool started() const { return pid_ > 0; }
    const std::string& startError() const { return startError_; }
    /// Its process id, while it runs.
    pid_t pid() const { return pid_; }

    /// True until it has ended (and has been collected).
    bool running();

    /// Sends `number` while it runs.
    void signal(int number);

    /// Waits until the child announces it is ready, or `timeout`; false when
    /// it ended or went quiet first, or readiness was not asked for.
    bool waitUntilReady(std::chrono::milliseconds timeout);

    /// Waits until it ends, or kills it after `timeout`. Its exit status, or
    /// nothing when a signal (the killing included) ended it. Captured output
    /// is complete afterwards. Here and in `waitUntilReady`, `timeout` only
    /// guards against a hang: give many times what the child should need.
    std::optional<int> wait(std::chrono::milliseconds timeout);

    /// What it has written so far, when captured.
    std::string out() const;
    std::string err() const;

    /// User and system CPU time, as the kernel counted it for the child
    /// alone; negative until it has been waited for.
    double cpuSeconds() const;

private:
    void spawn(const std::vector<std::string>& argv, const ChildOptions& options);
    bool collect(bool block);
    void drain(int outFd, int errFd);
    void stopDraining();

    pid_t pid_ = -1;
    int pidFd_ = -1;
    int readyFd_ = -1;
    bool ready_ = false;
    std::string startError_;
    std::optional<int> status_; // waitpid's, once collected
    rusage usage_ {};

    // A thread reads the captured streams as they come, so that the child
    // never waits for a full pipe.
    int wakeFds_[2] = { -1, -1 };
    std::thread drainer_;
    mutable std::mutex mutex_;
    std::condition_variable drained_;
    bool finished_ = false;
    std::string out_;
    std::string err_;
};

} // namespace clefmark::test
