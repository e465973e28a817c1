// The readout strip as a screen reader finds it: static text, named by the
// whole readout as one would say it ("A4, 19.6 cents sharp, 445.0 hertz"),
// with the same sentence behind a text interface, and a name change told
// when a note is first heard, when its cents come to rest and when the
// judgement changes (at most twice a second, like every display): the first
// detection of a note is seldom where it settles. A template on the view, which gives the sentence
// as `accessibleText()` and the readout model's text as `text()`; the view calls
// `accessibleViewChanged(this)` whenever what it shows changes.
#pragma once

#include "tuner/Readout.h"
#include "views/AccessibleViews.h"

#include <QAccessible>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace clefmark {

template <typename View>
class AccessibleReadout final : public AccessibleView, public QAccessibleTextInterface {
public:
    explicit AccessibleReadout(View* view)
        : AccessibleView(view, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return sentence();
        return AccessibleView::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return AccessibleView::interface_cast(t);
    }

    // The sentence, read only: no selection, no caret.
    QString text(int start, int end) const override { return sentence().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(sentence().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

protected:
    AnnouncementGate::Key announcementKey(AnnouncementGate::Clock::time_point now) override
    {
        const Readout::Text& shown = view()->text();
        std::optional<double> cents;
        if (shown.state == Readout::State::Live && !shown.cents.empty())
            cents = QString::fromStdString(shown.cents).replace(QChar(0x2212), u'-').toDouble();
        settling_.update(shown.note, cents, now);
        return (std::hash<std::string> {}(shown.note) * 5
                   + static_cast<std::size_t>(shown.judgement))
            ^ (static_cast<AnnouncementGate::Key>(settling_.restings()) << 40);
    }

    std::optional<AnnouncementGate::Clock::time_point> keyDue() const override
    {
        return settling_.due();
    }

    void announce() override
    {
        // The name is the sentence, and readers keep the name they were last
        // told: a name change, one event per change, updates what they hold
        // (a text update alone left the first name in their cache).
        QAccessibleEvent event(object(), QAccessible::NameChanged);
        send(event);
    }

private:
    CentsSettling settling_;
    View* view() const { return static_cast<View*>(object()); }
    QString sentence() const { return view()->accessibleText(); }
};

} // namespace clefmark
