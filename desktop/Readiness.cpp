#include "desktop/Readiness.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace clefmark {

namespace {
    constexpr const char* kVariable = "CLEFMARK_READY_FD";
}

Readiness Readiness::fromEnvironment()
{
    const char* value = std::getenv(kVariable);
    if (value == nullptr)
        return {};
    int fd = -1;
    const char* end = value + std::strlen(value);
    const auto [last, error] = std::from_chars(value, end, fd);
    ::unsetenv(kVariable);
    // Standard input, output and error are never the channel: a wrong value
    // must not make the program write "ready" into its own output.
    if (error != std::errc() || last != end || fd <= STDERR_FILENO)
        return {};
    if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0)
        return {};
    return Readiness(fd);
}

Readiness& Readiness::ofProcess()
{
    static Readiness readiness = fromEnvironment();
    return readiness;
}

Readiness::Readiness(Readiness&& other) noexcept
    : fd_(std::exchange(other.fd_, -1))
{
}

Readiness& Readiness::operator=(Readiness&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

Readiness::~Readiness()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void Readiness::announce()
{
    if (fd_ < 0)
        return;
    static constexpr char kLine[] = "ready\n";
    ssize_t written;
    do
        written = ::write(fd_, kLine, sizeof kLine - 1);
    while (written < 0 && errno == EINTR);
    ::close(fd_);
    fd_ = -1;
}

} // namespace clefmark
