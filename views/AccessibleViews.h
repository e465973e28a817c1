// What a screen reader finds in the main window: each display as an object
// with a role, a name and, where it has one, a value; the picture behind
// them as a named panel.
//
// A tuner's values change some twenty times a second, far faster than
// anyone can listen, so a screen reader is told of a change only when the
// note or the flat / in tune / sharp judgement changes, or (the readout)
// when a note's cents come to rest, and by each element at most twice a
// second. While no assistive technology listens (QAccessible::isActive() is
// false) the displays test that one flag and nothing more: no text is
// formatted and no event is made.
#pragma once

#include "views/OneShotTimer.h"

#include <QAccessibleWidget>
#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace clefmark {

/// What the displays' announcements run on: the time, a timer for a second
/// look, whether a screen reader listens, and where events go. Qt's and the
/// steady clock's, unless a test gives its own.
struct AnnouncementServices {
    std::function<std::chrono::steady_clock::time_point()> clock;
    std::function<std::unique_ptr<OneShotTimer>()> makeTimer;
    std::function<bool()> listening;
    std::function<void(QAccessibleEvent*)> send;
};

/// Installs the displays' accessible interfaces; call once the application
/// object exists. Calling it again changes only the services, for the
/// interfaces made after it.
void installViewAccessibility(AnnouncementServices services = {});

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

/// Whether a live note's cents have come to rest: held within ±1 cent for
/// half a second. Counts each time they do, so that a screen reader hears a
/// note once as it starts and again at the value it settles on.
class CentsSettling {
public:
    using Clock = AnnouncementGate::Clock;
    static constexpr double kWithin = 1.0;
    static constexpr std::chrono::milliseconds kHeldFor { 500 };

    /// The cents of the live note `note` at `now`, or none while no note is
    /// live. Another note starts afresh.
    void update(const std::string& note, std::optional<double> cents, Clock::time_point now);
    /// How many times the cents have come to rest.
    int restings() const { return restings_; }
    /// When they come to rest if nothing changes before; none when they are
    /// at rest or no note is live.
    std::optional<Clock::time_point> due() const;

private:
    std::string note_;
    std::optional<double> anchor_;
    Clock::time_point since_ {};
    bool resting_ = false;
    int restings_ = 0;
};

/// The accessible interface of a display that tells changes: the gate and
/// the deferred second look are here, the key and the event in the display's
/// own interface.
class AccessibleView : public QAccessibleWidget {
public:
    AccessibleView(QWidget* view, QAccessible::Role role);

    /// What the view shows may have changed, or time has passed;
    /// accessibility is active.
    void viewChanged();

protected:
    /// What must change for the element to tell (the note, the judgement),
    /// as the view shows it at `now`.
    virtual AnnouncementGate::Key announcementKey(AnnouncementGate::Clock::time_point now) = 0;
    /// When the key may change with no news from the view; none by default.
    virtual std::optional<AnnouncementGate::Clock::time_point> keyDue() const
    {
        return std::nullopt;
    }
    /// Sends the element's event, through `send`.
    virtual void announce() = 0;
    void send(QAccessibleEvent& event) const { services_.send(&event); }

private:
    AnnouncementServices services_;
    AnnouncementGate gate_;
    std::unique_ptr<OneShotTimer> timer_; // the second look, made on first use
};

} // namespace clefmark
