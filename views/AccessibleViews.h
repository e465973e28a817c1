// What a screen reader finds in the main window: each display as an object
// with a role, a name and, where it has one, a value; the picture behind
// them as a named panel.
//
// A tuner's values change some twenty times a second, far faster than
// anyone can listen, so a screen reader is told of a change only when the
// note or the flat / in tune / sharp judgement changes, and by each element
// at most twice a second. While no assistive technology listens
// (QAccessible::isActive() is false) the displays test that one flag and
// nothing more: no text is formatted and no event is made.
#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>

namespace clefmark {

/// Installs the displays' accessible interfaces; call once the application
/// object exists. Calling it again changes nothing.
void installViewAccessibility();

/// Tells a listening screen reader that what `view` shows may have changed.
/// Costs one flag test when none listens.
void accessibleViewChanged(QWidget* view);

/// A needle position's deviation from the note in cents, to one decimal
/// (tune steps are 1/51 semitone): position 42 is +19.6.
double needleCents(int position);

/// When an element may tell a screen reader that what it shows has changed:
/// only when its key (the note, or the judgement) differs from the one it
/// told last, and never sooner than `kMinimumInterval` after the last time.
/// A change that comes too soon waits for the interval to end, and is told
/// then only if it still stands.
class AnnouncementGate {
public:
    using Clock = std::chrono::steady_clock;
    /// What an element shows that is worth telling: a number, or a hash.
    using Key = std::uint64_t;
    static constexpr std::chrono::milliseconds kMinimumInterval { 500 };

    enum class Action {
        None, // nothing new to tell
        TellNow, // tell it; the gate counts it as told
        TellLater, // ask again at `nextAllowed()`
    };

    Action update(Key key, Clock::time_point now);
    Clock::time_point nextAllowed() const { return lastTold_ + kMinimumInterval; }

private:
    std::optional<Key> told_;
    Clock::time_point lastTold_ {};
};

/// The accessible interface of a display that tells changes: the gate and
/// the deferred second look are here, the key and the event in the display's
/// own interface.
class AccessibleView : public QAccessibleWidget {
public:
    AccessibleView(QWidget* view, QAccessible::Role role)
        : QAccessibleWidget(view, role)
    {
    }

    /// What the view shows may have changed; accessibility is active.
    void viewChanged();

protected:
    /// What must change for the element to tell: the note, or the judgement.
    virtual AnnouncementGate::Key announcementKey() const = 0;
    /// Sends the element's event.
    virtual void announce() = 0;

private:
    AnnouncementGate gate_;
    bool secondLookPending_ = false;
};

} // namespace clefmark
