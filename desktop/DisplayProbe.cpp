#include "desktop/DisplayProbe.h"

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace clefmark {

namespace {

    std::string lower(std::string text)
    {
        for (char& c : text)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return text;
    }

    std::string valueOf(const std::function<const char*(const char*)>& env, const char* name)
    {
        const char* value = env(name);
        return value != nullptr ? value : "";
    }

} // namespace

std::vector<DisplayCandidate> displayCandidates(const std::function<const char*(const char*)>& env)
{
    using Kind = DisplayCandidate::Kind;
    const std::string x11 = valueOf(env, "DISPLAY");
    std::string wayland = valueOf(env, "WAYLAND_DISPLAY");
    if (wayland.empty())
        wayland = "wayland-0"; // where a Wayland client looks when not told
    const auto candidate = [&](const std::string& platform) {
        if (platform == "xcb")
            return DisplayCandidate { Kind::X11, x11 };
        if (platform.rfind("wayland", 0) == 0) // wayland, wayland-egl, ...
            return DisplayCandidate { Kind::Wayland, wayland };
        return DisplayCandidate {};
    };

    std::vector<DisplayCandidate> candidates;
    const std::string named = valueOf(env, "QT_QPA_PLATFORM");
    if (!named.empty()) {
        std::istringstream list(named);
        std::string entry;
        while (std::getline(list, entry, ';')) {
            // "xcb:option=value" passes options to the plugin.
            const std::string platform = entry.substr(0, entry.find(':'));
            if (!platform.empty())
                candidates.push_back(candidate(platform));
        }
        return candidates;
    }
    // Qt keeps X11 on a GNOME Wayland session, where XWayland serves it.
    const bool gnome = lower(valueOf(env, "XDG_CURRENT_DESKTOP")).find("gnome") != std::string::npos
        || lower(valueOf(env, "XDG_SESSION_DESKTOP")).find("gnome") != std::string::npos;
    if (valueOf(env, "XDG_SESSION_TYPE") == "wayland" && !gnome)
        candidates.push_back(candidate("wayland"));
    candidates.push_back(candidate("xcb"));
    return candidates;
}

bool waylandDisplayAnswers(const std::string& display)
{
    // A compositor handed over an open socket.
    if (std::getenv("WAYLAND_SOCKET") != nullptr)
        return true;
    std::string path = display;
    if (path.empty() || path.front() != '/') {
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime == nullptr)
            return false;
        path = std::string(runtime) + "/" + display;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers
        = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

DisplayProbe::DisplayProbe()
{
    const std::vector<DisplayCandidate> candidates
        = displayCandidates([](const char* name) { return std::getenv(name); });
    for (const DisplayCandidate& c : candidates) {
        switch (c.kind) {
        case DisplayCandidate::Kind::NoDisplay:
            return;
        case DisplayCandidate::Kind::X11:
            if (!c.display.empty()) {
                xcb_connection_t* connection = xcb_connect(c.display.c_str(), nullptr);
                if (xcb_connection_has_error(connection) == 0) {
                    held_ = connection;
                    return;
                }
                xcb_disconnect(connection);
            }
            break;
        case DisplayCandidate::Kind::Wayland:
            if (waylandDisplayAnswers(c.display))
                return;
            break;
        }
    }
    unanswered_ = candidates.empty() ? DisplayCandidate {} : candidates.front();
}

DisplayProbe::~DisplayProbe()
{
    release();
}

void DisplayProbe::release()
{
    if (held_ != nullptr)
        xcb_disconnect(held_);
    held_ = nullptr;
}

} // namespace clefmark
