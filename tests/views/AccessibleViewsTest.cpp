#include "views/AccessibleViews.h"

#include "ViewTestSupport.h"
#include "views/AccessibleReadout.h"
#include "views/Clefmark.h"
#include "views/GuitarTunerView.h"
#include "views/LevelMeter.h"
#include "views/StatusIndicator.h"
#include "views/TunerMeter.h"

#include <QAccessibleValueInterface>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;

    TEST(AccessibleViews, needlePositionsAreCentsToOneDecimal)
    {
        const std::pair<int, double> cases[] = {
            { 32, 0.0 },
            { 42, 19.6 }, // 445 Hz against A4 at 440 Hz
            { 22, -19.6 },
            { 33, 2.0 },
            { 31, -2.0 },
            { 0, -62.7 },
            { 64, 62.7 },
        };
        for (const auto& [position, cents] : cases)
            EXPECT_DOUBLE_EQ(needleCents(position), cents) << position;
    }

    TEST(AccessibleViews, theGateTellsNewKeysAtMostTwiceASecondAndTheLastThatStands)
    {
        using Action = AnnouncementGate::Action;
        struct Step {
            std::chrono::milliseconds at;
            int key;
            Action action;
        };
        struct Case {
            const char* name;
            std::vector<Step> steps;
        };
        const Case cases[] = {
            { "the first key is told at once", { { 0ms, 57, Action::TellNow } } },
            { "the same key again is not told",
                { { 0ms, 57, Action::TellNow }, { 100ms, 57, Action::None },
                    { 2000ms, 57, Action::None } } },
            { "a new key within half a second waits, then is told",
                { { 0ms, 57, Action::TellNow }, { 200ms, 58, Action::TellLater },
                    { 499ms, 58, Action::TellLater }, { 500ms, 58, Action::TellNow } } },
            { "a key that changes back before its turn is not told",
                { { 0ms, 57, Action::TellNow }, { 100ms, 58, Action::TellLater },
                    { 500ms, 57, Action::None } } },
            { "a new key long after is told at once",
                { { 0ms, 57, Action::TellNow }, { 3000ms, 45, Action::TellNow },
                    { 3400ms, 57, Action::TellLater } } },
        };
        const auto start = AnnouncementGate::Clock::time_point() + 1h;
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            AnnouncementGate gate;
            for (const Step& s : c.steps)
                EXPECT_EQ(gate.update(s.key, start + s.at), s.action) << s.at.count() << " ms";
        }
    }

    /// The main window's displays over their picture, as the window lays
    /// them out, offscreen.
    struct Window {
        Window()
        {
            installViewAccessibility();
            background.resize(181, 378);
            needle = new TunerMeter(QRectF(58, 13, 65, 34), &background);
            staff = new Clefmark(QRectF(88, 64, 70, 270), &background);
            level = new LevelMeter(QRectF(16, 354, 90, 8), &background);
            status = new StatusIndicator(QRectF(115, 351, 50, 14), &background);
            background.show();
        }
        test::TestResources resources;
        GuitarTunerView background;
        TunerMeter* needle;
        Clefmark* staff;
        LevelMeter* level;
        StatusIndicator* status;
    };

    struct Expected {
        QAccessible::Role role;
        QString name;
        std::optional<double> value = std::nullopt;
        QString words = {};
    };

    TEST(AccessibleViews, eachDisplayHasItsRoleNameAndValue)
    {
        struct Case {
            const char* name;
            std::function<void(Window&)> set;
            std::function<QWidget*(Window&)> element;
            Expected expected;
        };
        const Case cases[] = {
            { "the needle before any note", [](Window&) {}, [](Window& w) { return w.needle; },
                { QAccessible::Indicator, QStringLiteral("Deviation in cents"), std::nullopt,
                    QStringLiteral("No note yet") } },
            { "the needle 10 steps sharp", [](Window& w) { w.needle->setTune(10, false); },
                [](Window& w) { return w.needle; },
                { QAccessible::Indicator, QStringLiteral("Deviation in cents"), 19.6,
                    QStringLiteral("+19.6 cents, sharp") } },
            { "the needle one step flat, close enough",
                [](Window& w) { w.needle->setTune(-1, true); }, [](Window& w) { return w.needle; },
                { QAccessible::Indicator, QStringLiteral("Deviation in cents"), -2.0,
                    QStringLiteral("\u22122.0 cents, in tune") } },
            { "the needle in tune", [](Window& w) { w.needle->setTune(0, true); },
                [](Window& w) { return w.needle; },
                { QAccessible::Indicator, QStringLiteral("Deviation in cents"), 0.0,
                    QStringLiteral("0.0 cents, in tune") } },
            { "the needle off the scale", [](Window& w) { w.needle->setTune(-40, false); },
                [](Window& w) { return w.needle; },
                { QAccessible::Indicator, QStringLiteral("Deviation in cents"), -62.7,
                    QStringLiteral("\u221262.7 cents, flat") } },
            { "the staff before any note", [](Window&) {}, [](Window& w) { return w.staff; },
                { QAccessible::Graphic, QStringLiteral("No note yet") } },
            { "the staff with A#4", [](Window& w) { w.staff->setNote(58); },
                [](Window& w) { return w.staff; },
                { QAccessible::Graphic, QStringLiteral("A\u266F4") } },
            { "the staff with E1, drawn as E4", [](Window& w) { w.staff->setNote(16); },
                [](Window& w) { return w.staff; }, { QAccessible::Graphic, QStringLiteral("E1") } },
            { "the level meter", [](Window& w) { w.level->setLevel(5); },
                [](Window& w) { return w.level; },
                { QAccessible::ProgressBar, QStringLiteral("Input level"), 5.0 } },
            { "the status picture", [](Window&) {}, [](Window& w) { return w.status; },
                { QAccessible::Animation, QStringLiteral("Pitch detection"), std::nullopt,
                    QStringLiteral("Steps each time a pitch is found") } },
            { "the status picture naming the device",
                [](Window& w) { w.status->setToolTip(QStringLiteral("Listening to Mic")); },
                [](Window& w) { return w.status; },
                { QAccessible::Animation, QStringLiteral("Pitch detection"), std::nullopt,
                    QStringLiteral("Listening to Mic") } },
            { "the picture behind them", [](Window&) {}, [](Window& w) { return &w.background; },
                { QAccessible::Pane, QStringLiteral("Tuner") } },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            Window window;
            c.set(window);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(c.element(window));
            ASSERT_NE(iface, nullptr);
            EXPECT_EQ(iface->role(), c.expected.role);
            EXPECT_EQ(iface->text(QAccessible::Name), c.expected.name);
            // The needle's words are its value; the others' their description.
            const QAccessible::Text words = c.expected.role == QAccessible::Indicator
                ? QAccessible::Value
                : QAccessible::Description;
            if (!c.expected.words.isEmpty()) {
                EXPECT_EQ(iface->text(words), c.expected.words);
            }
            QAccessibleValueInterface* value = iface->valueInterface();
            if (c.expected.role == QAccessible::Indicator
                || c.expected.role == QAccessible::ProgressBar) {
                ASSERT_NE(value, nullptr);
                const QVariant current = value->currentValue();
                EXPECT_EQ(current.isValid(), c.expected.value.has_value());
                if (c.expected.value) {
                    EXPECT_DOUBLE_EQ(current.toDouble(), *c.expected.value);
                }
            } else {
                EXPECT_EQ(value, nullptr);
            }
        }
    }

    TEST(AccessibleViews, theWindowHoldsNoUnnamedObject)
    {
        Window window;
        QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(&window.background);
        ASSERT_EQ(pane->childCount(), 4);
        for (int i = 0; i < pane->childCount(); ++i)
            EXPECT_FALSE(pane->child(i)->text(QAccessible::Name).isEmpty()) << i;
    }

    /// What the readout template needs of its view.
    class StandInReadout : public QWidget {
    public:
        const Readout::Text& text() const { return shown; }
        QString accessibleText() const { return sentence; }
        Readout::Text shown;
        QString sentence;
    };

    TEST(AccessibleViews, theReadoutIsFocusableStaticTextThatReadsAsItsSentence)
    {
        StandInReadout view;
        view.setFocusPolicy(Qt::TabFocus);
        view.sentence = QStringLiteral("A4, 19.6 cents sharp, 445.0 hertz");
        auto* iface = new AccessibleReadout<StandInReadout>(&view);
        QAccessible::registerAccessibleInterface(iface);
        EXPECT_EQ(iface->role(), QAccessible::StaticText);
        EXPECT_EQ(iface->text(QAccessible::Name), view.sentence);
        EXPECT_TRUE(iface->state().focusable);
        QAccessibleTextInterface* text = iface->textInterface();
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->text(0, text->characterCount()), view.sentence);
    }

} // namespace
} // namespace clefmark
