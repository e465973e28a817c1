#include "desktop/Readiness.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace clefmark {
namespace {

    std::string readAll(int fd)
    {
        std::string text;
        char buffer[64];
        ssize_t n;
        while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<std::size_t>(n));
        return text;
    }

    TEST(Readiness, AnnouncesOnceOnTheNamedDescriptorAndHidesItFromChildren)
    {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        ::setenv("CLEFMARK_READY_FD", std::to_string(fds[1]).c_str(), 1);
        Readiness readiness = Readiness::fromEnvironment();
        EXPECT_EQ(std::getenv("CLEFMARK_READY_FD"), nullptr);
        readiness.announce();
        readiness.announce();
        // Both ends of the write side are closed now, so the read ends.
        EXPECT_EQ(readAll(fds[0]), "ready\n");
        ::close(fds[0]);
    }

    TEST(Readiness, IgnoresValuesThatNameNoChannel)
    {
        for (const char* value : { "", "x", "7x", "1", "2", "-5" }) {
            ::setenv("CLEFMARK_READY_FD", value, 1);
            Readiness readiness = Readiness::fromEnvironment();
            readiness.announce(); // must not write to standard output or error
            EXPECT_EQ(std::getenv("CLEFMARK_READY_FD"), nullptr) << value;
        }
    }

} // namespace
} // namespace clefmark
