#include "tests/support/ChildProcess.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace clefmark::test {

namespace {

    using Clock = std::chrono::steady_clock;

    constexpr const char* kReadyVariable = "CLEFMARK_READY_FD";

    std::string nameOf(const std::string& entry)
    {
        return entry.substr(0, entry.find('='));
    }

    /// Milliseconds left until `deadline`, rounded up so that a poll does not
    /// wake just before it; 0 once it has passed.
    int millisecondsUntil(Clock::time_point deadline)
    {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return 0;
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
        return static_cast<int>(std::min<long long>(ms, 60'000));
    }

    /// The descriptors opened while starting a child, closed whatever happens.
    class Descriptors {
    public:
        ~Descriptors()
        {
            for (const int fd : fds_)
                ::close(fd);
        }
        /// `fd`, or the error of the call that did not make it. Never 0 to 2,
        /// which the child's own standard streams are about to take.
        int add(int fd)
        {
            if (fd < 0)
                throw std::runtime_error(
                    std::string("cannot prepare the child: ") + std::strerror(errno));
            if (fd <= STDERR_FILENO) {
                const int moved = ::fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
                ::close(fd);
                return add(moved);
            }
            fds_.push_back(fd);
            return fd;
        }
        /// A pipe, both ends close-on-exec: {read, write}.
        std::pair<int, int> pipe()
        {
            int fds[2];
            if (::pipe2(fds, O_CLOEXEC) != 0)
                throw std::runtime_error(
                    std::string("cannot prepare the child: ") + std::strerror(errno));
            const int read = add(fds[0]);
            return { read, add(fds[1]) };
        }
        /// Hands `fd` over to the caller: it is no longer closed here.
        int release(int fd)
        {
            std::erase(fds_, fd);
            return fd;
        }

    private:
        std::vector<int> fds_;
    };

    /// The descriptor the child's stream goes to (-1: with standard output);
    /// `captureRead` is the read end when it is captured.
    int openOutput(Descriptors& fds, const ChildOutput& output, int& captureRead)
    {
        using Kind = ChildOutput::Kind;
        switch (output.kind) {
        case Kind::Capture: {
            const auto [read, write] = fds.pipe();
            captureRead = read;
            return write;
        }
        case Kind::Discard:
            return fds.add(::open("/dev/null", O_WRONLY | O_CLOEXEC));
        case Kind::File:
        case Kind::AppendFile: {
            const int mode = output.kind == Kind::File ? O_TRUNC : O_APPEND;
            return fds.add(
                ::open(output.path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | mode, 0644));
        }
        case Kind::WithStandardOutput:
            break;
        }
        return -1;
    }

} // namespace

std::string findOnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    const std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
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

std::vector<char*> execPointers(std::vector<std::string>& strings)
{
    std::vector<char*> result;
    for (std::string& s : strings)
        result.push_back(s.data());
    result.push_back(nullptr);
    return result;
}

std::vector<std::string> environmentWith(const std::vector<std::string>& changes)
{
    std::vector<std::string> names;
    for (const std::string& change : changes)
        names.push_back(nameOf(change));
    std::vector<std::string> result;
    for (char** e = environ; *e != nullptr; ++e) {
        std::string entry = *e;
        if (std::find(names.begin(), names.end(), nameOf(entry)) == names.end())
            result.push_back(std::move(entry));
    }
    for (const std::string& change : changes)
        if (change.find('=') != std::string::npos)
            result.push_back(change);
    return result;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const ChildOptions& options)
{
    try {
        spawn(argv, options);
    } catch (const std::exception& e) {
        startError_ = e.what();
        pid_ = -1;
    }
}

void ChildProcess::spawn(const std::vector<std::string>& arguments, const ChildOptions& options)
{
    if (arguments.empty())
        throw std::invalid_argument("no program to run");
    std::string program = arguments[0];
    if (program.find('/') == std::string::npos) {
        program = findOnPath(program);
        if (program.empty())
            throw std::runtime_error(arguments[0] + ": not on PATH");
    }
    for (const int fd : options.keepOpen)
        if (fd <= STDERR_FILENO)
            throw std::invalid_argument("only descriptors above 2 can be kept open");

    // Everything the child needs is made here: after the fork, in a process
    // whose other threads are gone mid-step, it may not allocate.
    Descriptors fds;
    const int input = fds.add(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    int outRead = -1;
    int errRead = -1;
    const int output = openOutput(fds, options.out, outRead);
    const int error = openOutput(fds, options.err, errRead);
    if (output < 0)
        throw std::invalid_argument("standard output cannot go with itself");

    std::vector<std::string> changes = options.environment;
    changes.emplace_back(kReadyVariable);
    std::vector<int> inherited = options.keepOpen;
    int readyRead = -1;
    if (options.readiness) {
        const auto [read, write] = fds.pipe();
        readyRead = read;
        inherited.push_back(write);
        changes.push_back(std::string(kReadyVariable) + "=" + std::to_string(write));
    }
    std::vector<std::string> environment = environmentWith(changes);
    std::vector<std::string> argvStrings = arguments;
    const std::vector<char*> argv = execPointers(argvStrings);
    const std::vector<char*> envp = execPointers(environment);
    const char* const directory
        = options.workingDirectory.empty() ? nullptr : options.workingDirectory.c_str();
    // The child reports a failure before its program runs here; the pipe
    // closes without a word once exec succeeds.
    const auto [failureRead, failureEnd] = fds.pipe();
    const int failureWrite = failureEnd; // a lambda cannot capture a binding
    sigset_t noSignals;
    sigemptyset(&noSignals);
    const pid_t parent = ::getpid();
    const std::optional<rlimit> fileSizeLimit = options.fileSizeLimit
        ? std::optional<rlimit>(rlimit { *options.fileSizeLimit, *options.fileSizeLimit })
        : std::nullopt;

    const pid_t pid = ::fork();
    if (pid == 0) {
        // Only async-signal-safe calls from here to exec.
        const auto fail = [failureWrite] {
            const int code = errno;
            [[maybe_unused]] const ssize_t ignored = ::write(failureWrite, &code, sizeof code);
            ::_exit(127);
        };
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127); // the starting thread ended before the line above
        ::sigprocmask(SIG_SETMASK, &noSignals, nullptr);
        if (directory != nullptr && ::chdir(directory) != 0)
            fail();
        if (fileSizeLimit && ::setrlimit(RLIMIT_FSIZE, &*fileSizeLimit) != 0)
            fail();
        if (::dup2(input, STDIN_FILENO) < 0 || ::dup2(output, STDOUT_FILENO) < 0
            || ::dup2(error < 0 ? STDOUT_FILENO : error, STDERR_FILENO) < 0)
            fail();
        for (const int fd : inherited)
            if (::fcntl(fd, F_SETFD, 0) != 0)
                fail();
        ::execve(program.c_str(), argv.data(), envp.data());
        fail();
    }
    if (pid < 0)
        throw std::runtime_error(std::string("cannot fork: ") + std::strerror(errno));

    ::close(fds.release(failureWrite));
    int failure = 0;
    ssize_t got;
    do
        got = ::read(failureRead, &failure, sizeof failure);
    while (got < 0 && errno == EINTR);
    if (got == sizeof failure) {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) { }
        throw std::runtime_error(arguments[0] + ": " + std::strerror(failure));
    }
    pid_ = pid;
#ifdef SYS_pidfd_open
    pidFd_ = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#endif
    if (readyRead >= 0)
        readyFd_ = fds.release(readyRead);
    if (outRead >= 0 || errRead >= 0) {
        const auto [wakeRead, wakeWrite] = fds.pipe();
        wakeFds_[0] = fds.release(wakeRead);
        wakeFds_[1] = fds.release(wakeWrite);
        if (outRead >= 0)
            fds.release(outRead);
        if (errRead >= 0)
            fds.release(errRead);
        drainer_ = std::thread([this, outRead, errRead] { drain(outRead, errRead); });
    }
    // The child's ends, and everything else, close with `fds`.
}

ChildProcess::~ChildProcess()
{
    if (started() && !collect(false)) {
        ::kill(pid_, SIGKILL);
        collect(true);
    }
    stopDraining();
    if (readyFd_ >= 0)
        ::close(readyFd_);
}

bool ChildProcess::collect(bool block)
{
    if (status_)
        return true;
    if (!started())
        return false;
    int status = 0;
    pid_t got;
    do
        got = ::wait4(pid_, &status, block ? 0 : WNOHANG, &usage_);
    while (got < 0 && errno == EINTR);
    if (got == 0)
        return false;
    // Anything but our child (ECHILD: someone else collected it) ends it too.
    status_ = got == pid_ ? status : -1;
    if (pidFd_ >= 0)
        ::close(pidFd_);
    pidFd_ = -1;
    return true;
}

bool ChildProcess::running()
{
    return started() && !collect(false);
}

void ChildProcess::signal(int number)
{
    // Until collected, the process id cannot have gone to another process.
    if (started() && !status_)
        ::kill(pid_, number);
}

bool ChildProcess::waitUntilReady(std::chrono::milliseconds timeout)
{
    if (ready_ || readyFd_ < 0)
        return ready_;
    const auto deadline = Clock::now() + timeout;
    std::string said;
    for (;;) {
        pollfd p { readyFd_, POLLIN, 0 };
        const int polled = ::poll(&p, 1, millisecondsUntil(deadline));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            return false;
        char buffer[16];
        const ssize_t got = ::read(readyFd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got > 0)
            said.append(buffer, static_cast<std::size_t>(got));
        if (got <= 0 || said.size() >= 6) {
            ::close(readyFd_);
            readyFd_ = -1;
            ready_ = said == "ready\n";
            return ready_;
        }
    }
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (started() && !collect(false)) {
        const int left = millisecondsUntil(deadline);
        if (left == 0) {
            ::kill(pid_, SIGKILL);
            collect(true);
            break;
        }
        if (pidFd_ >= 0) {
            // Readable once the child has ended.
            pollfd p { pidFd_, POLLIN, 0 };
            ::poll(&p, 1, left);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::min(left, 2)));
        }
    }
    if (drainer_.joinable()) {
        // The pipes end with the child, unless something it started keeps
        // them open: then what came within a second has to do.
        std::unique_lock lock(mutex_);
        drained_.wait_for(lock, std::chrono::seconds(1), [this] { return finished_; });
        lock.unlock();
        stopDraining();
    }
    if (!status_ || !WIFEXITED(*status_))
        return std::nullopt;
    return WEXITSTATUS(*status_);
}

std::string ChildProcess::out() const
{
    std::lock_guard lock(mutex_);
    return out_;
}

std::string ChildProcess::err() const
{
    std::lock_guard lock(mutex_);
    return err_;
}

double ChildProcess::cpuSeconds() const
{
    if (!status_)
        return -1.0;
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage_.ru_utime) + seconds(usage_.ru_stime);
}

void ChildProcess::drain(int outFd, int errFd)
{
    int fds[2] = { outFd, errFd };
    std::string* buffers[2] = { &out_, &err_ };
    bool stopping = false;
    char buffer[65536];
    for (;;) {
        pollfd p[3];
        int streams[2];
        nfds_t count = 0;
        for (int i = 0; i < 2; ++i)
            if (fds[i] >= 0) {
                streams[count] = i;
                p[count++] = { fds[i], POLLIN, 0 };
            }
        if (count == 0)
            break;
        p[count] = { wakeFds_[0], POLLIN, 0 };
        // Once told to stop, only what is there already is read.
        const int polled = ::poll(p, stopping ? count : count + 1, stopping ? 0 : -1);
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled < 0)
            break;
        for (nfds_t i = 0; i < count; ++i) {
            if (p[i].revents == 0)
                continue;
            int& fd = fds[streams[i]];
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got > 0) {
                std::lock_guard lock(mutex_);
                buffers[streams[i]]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                ::close(fd);
                fd = -1;
            }
        }
        if (stopping)
            break;
        stopping = p[count].revents != 0;
    }
    for (const int fd : fds)
        if (fd >= 0)
            ::close(fd);
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    drained_.notify_all();
}

void ChildProcess::stopDraining()
{
    if (drainer_.joinable()) {
        const char stop = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(wakeFds_[1], &stop, 1);
        drainer_.join();
    }
    for (int& fd : wakeFds_) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace clefmark::test
