#include "cli/StopSignals.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace clefmark::cli {

StopSignals::StopSignals(std::chrono::milliseconds grace, int blockedStatus)
    : grace_(grace)
    , blockedStatus_(blockedStatus)
{
    sigemptyset(&set_);
    sigaddset(&set_, SIGINT);
    sigaddset(&set_, SIGTERM);
    // A hang-up ignored by whoever started us (nohup) stays ignored: blocked,
    // it would be queued for the signalfd instead of discarded.
    struct sigaction hangUp { };
    if (::sigaction(SIGHUP, nullptr, &hangUp) == 0 && hangUp.sa_handler != SIG_IGN)
        sigaddset(&set_, SIGHUP);
    signalFd_ = ::signalfd(-1, &set_, SFD_CLOEXEC);
    doneFd_ = ::eventfd(0, EFD_CLOEXEC);
    if (signalFd_ < 0 || doneFd_ < 0)
        return;
    pthread_sigmask(SIG_BLOCK, &set_, &previous_);
    watcher_ = std::thread([this] { watch(); });
}

StopSignals::~StopSignals()
{
    if (watcher_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_all();
        const std::uint64_t one = 1;
        while (::write(doneFd_, &one, sizeof one) < 0 && errno == EINTR) { }
        watcher_.join();
        const timespec now { 0, 0 };
        while (sigtimedwait(&set_, nullptr, &now) > 0) { }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    if (signalFd_ >= 0)
        ::close(signalFd_);
    if (doneFd_ >= 0)
        ::close(doneFd_);
}

bool StopSignals::wait(Clock::duration timeout)
{
    std::unique_lock lock(mutex_);
    if (!watching()) {
        lock.unlock();
        std::this_thread::sleep_for(timeout);
        return false;
    }
    return changed_.wait_for(lock, timeout, [this] { return stopped_; });
}

bool StopSignals::waitForDone(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return done_; });
}

void StopSignals::watch()
{
    pollfd fds[2] = { { signalFd_, POLLIN, 0 }, { doneFd_, POLLIN, 0 } };
    for (;;) {
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[1].revents != 0)
            return;
        signalfd_siginfo info;
        if (::read(signalFd_, &info, sizeof info) == sizeof info)
            break;
    }
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    changed_.notify_all();

    std::uint64_t seen = writes_.load(std::memory_order_relaxed);
    while (!waitForDone(grace_)) {
        const std::uint64_t now = writes_.load(std::memory_order_relaxed);
        // The system call itself, not even _exit: a sanitizer's _exit flushes
        // the standard streams, and would wait for the very one that blocks.
        if (now == seen && now % 2 == 1)
            ::syscall(SYS_exit_group, blockedStatus_);
        seen = now;
    }
}

} // namespace clefmark::cli
