#include "cli/Console.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define CLEFMARK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define CLEFMARK_SANITIZED 1
#endif
#endif

#ifndef CLEFMARK_VERSION
#error "CLEFMARK_VERSION must be defined by the build"
#endif

namespace clefmark::cli {

namespace {

    // Until they are set aside, the standard streams are used as they are
    // at each write (a test may point stdout elsewhere for a while).
    struct Streams {
        bool setAside = false;
        std::FILE* out = nullptr; // null when standard output was closed
        std::FILE* err = nullptr;
        int outFd = -1;
        std::atomic<int> errFd { -1 };
    };

    Streams& streams()
    {
        static Streams kept;
        return kept;
    }

    std::FILE* outputStream()
    {
        return streams().setAside ? streams().out : stdout;
    }

    std::FILE* errorStream()
    {
        return streams().setAside ? streams().err : stderr;
    }

    // A copy of `fd` above the standard three, as a stream; null when `fd`
    // is not open.
    std::FILE* keep(int fd, int& copy)
    {
        copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
        if (copy < 0)
            return nullptr;
        std::FILE* stream = ::fdopen(copy, "w");
        if (stream == nullptr) {
            ::close(copy);
            copy = -1;
        }
        return stream;
    }

} // namespace

std::string_view programVersion()
{
    return CLEFMARK_VERSION;
}

void setAsideStandardStreams()
{
    Streams& kept = streams();
    int errCopy = -1;
    kept.out = keep(STDOUT_FILENO, kept.outFd);
    kept.err = keep(STDERR_FILENO, errCopy);
    // Each message in one write, as it is made, as standard error would.
    if (kept.err != nullptr)
        std::setvbuf(kept.err, nullptr, _IONBF, 0);
    kept.errFd.store(errCopy);
    kept.setAside = true;
    // Also when they were closed: a file opened later must not take their
    // place and be written to.
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        if (null > STDERR_FILENO)
            ::close(null);
    }
}

int outputDescriptor()
{
    return streams().setAside ? streams().outFd : STDOUT_FILENO;
}

void reportError(std::string_view message)
{
    std::FILE* err = errorStream();
    if (err == nullptr)
        return;
    std::string line;
    line.reserve(kProgramName.size() + message.size() + 3);
    line.append(kProgramName);
    line += ": ";
    for (const char c : message)
        line += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), err);
}

bool writeOutput(std::string_view text)
{
    if (text.empty())
        return true;
    errno = 0;
    std::FILE* out = outputStream();
    if (out != nullptr && std::fwrite(text.data(), 1, text.size(), out) == text.size())
        return true;
    const int error = out == nullptr ? EBADF : errno;
    reportError("cannot write the results: "
        + (error != 0 ? std::generic_category().message(error) : std::string("write failed")));
    return false;
}

bool flushOutput()
{
    // Without standard output nothing is held: every write already failed.
    std::FILE* out = outputStream();
    return out == nullptr || std::fflush(out) == 0;
}

} // namespace clefmark::cli

#ifdef CLEFMARK_SANITIZED
// The sanitizers write their reports to descriptor 2, now /dev/null, and
// hand every piece of them to this hook as well, which the runtimes define
// weakly for a program to replace: so the reports reach the real standard
// error. (Telling the runtimes another descriptor is not enough: GCC's
// UBSan starts up at its first report and goes back to descriptor 2.)
extern "C" void __sanitizer_on_print(const char* text)
{
    const int fd = clefmark::cli::streams().errFd.load();
    if (fd < 0)
        return;
    for (std::size_t left = std::strlen(text); left > 0;) {
        const ssize_t written = ::write(fd, text, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}
#endif
