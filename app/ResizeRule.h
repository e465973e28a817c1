// How the main window's size follows the user's resizing.
#pragma once

namespace clefmark {

/// A window size in single precision, as the rules compute it.
struct WindowSize {
    float width = 0;
    float height = 0;

    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

/// With Alt held, the window snaps to whole multiples of its minimum size:
/// k = the proposed height over the minimum height, rounded half to even,
/// and the size is k times the minimum; the proposed width plays no part.
/// Without Alt, the proposed size is returned as it is. k is at least 1, so
/// a height under half the minimum never collapses the window; a minimum
/// without a positive size leaves the proposal as it is.
WindowSize windowWillResize(WindowSize proposed, WindowSize minimum, bool altHeld);

/// The proposed size brought to the proportions of the minimum size and no
/// smaller than it: scaled by the side the user changed (from `previous`),
/// or by the larger growth when both changed.
WindowSize keepAspectRatio(WindowSize previous, WindowSize proposed, WindowSize minimum);

} // namespace clefmark
