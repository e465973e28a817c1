// Whether the window system answers, asked before the toolkit starts.
//
// Qt's platform plugins abort the process (a core dump after several lines
// of plugin names) when the display they are told to use does not answer,
// and that happens inside QApplication's constructor, where nothing can
// catch it. So the program asks first, the way Qt would choose: the
// platforms named in QT_QPA_PLATFORM, in order, or else Wayland for a
// Wayland session that is not GNOME's, then X11. The first that answers
// wins; a platform that needs no display (offscreen, minimal, ...) always
// answers.
//
// Only the standard library and libxcb: no toolkit exists yet.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace clefmark {

/// A platform Qt would try, and the display it would open there.
struct DisplayCandidate {
    enum class Kind { X11, Wayland, NoDisplay };
    Kind kind = Kind::NoDisplay;
    /// As the user would name it: ":0", "wayland-0"; empty when the variable
    /// that names it is not set.
    std::string display;

    friend bool operator==(const DisplayCandidate&, const DisplayCandidate&) = default;
};

/// The platforms Qt would try, in order, given the environment variable
/// lookup `env` (null for unset).
std::vector<DisplayCandidate> displayCandidates(const std::function<const char*(const char*)>& env);

/// Whether the Wayland compositor's socket accepts a connection; `display`
/// is WAYLAND_DISPLAY's value (a name in XDG_RUNTIME_DIR, or a path).
bool waylandDisplayAnswers(const std::string& display);

/// Asks the candidates in turn whether the window can open. An X server
/// that answers is kept connected until release(): one that resets when its
/// last client leaves (Xorg's and Xvfb's default) would otherwise reset
/// between the probe leaving and Qt arriving, and close Qt's connection
/// half made, which Qt answers by aborting.
class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    /// The first candidate when none of them answers, naming the display
    /// the user would look for; nothing when the window can open.
    const std::optional<DisplayCandidate>& unanswered() const { return unanswered_; }
    /// Lets go of the X server, once Qt is connected to it.
    void release();

private:
    std::optional<DisplayCandidate> unanswered_;
    xcb_connection_t* held_ = nullptr;
};

} // namespace clefmark
