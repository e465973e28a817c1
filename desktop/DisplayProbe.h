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

/// Whether the X server at `display` (":0"; empty for none) accepts a
/// connection, authentication included.
bool x11DisplayAnswers(const std::string& display);
/// Whether the Wayland compositor's socket accepts a connection; `display`
/// is WAYLAND_DISPLAY's value (a name in XDG_RUNTIME_DIR, or a path).
bool waylandDisplayAnswers(const std::string& display);

/// The first candidate when none of them answers, naming the display the
/// user would look for; nothing when the window can open.
std::optional<DisplayCandidate> unansweredDisplay();

} // namespace clefmark
