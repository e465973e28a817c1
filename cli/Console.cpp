#include "cli/Console.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

#ifndef CLEFMARK_VERSION
#error "CLEFMARK_VERSION must be defined by the build"
#endif

namespace clefmark::cli {

std::string_view programVersion()
{
    return CLEFMARK_VERSION;
}

void reportError(std::string_view message)
{
    std::string line;
    line.reserve(kProgramName.size() + message.size() + 3);
    line.append(kProgramName);
    line += ": ";
    for (const char c : message)
        line += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

bool writeOutput(std::string_view text)
{
    if (text.empty())
        return true;
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size())
        return true;
    const int error = errno;
    reportError("cannot write the results: "
        + (error != 0 ? std::generic_category().message(error) : std::string("write failed")));
    return false;
}

} // namespace clefmark::cli
