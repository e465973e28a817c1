#include "views/AccessibleViews.h"

#include "ViewTestSupport.h"
#include "tests/support/Pitches.h"
#include "views/AccessibleReadout.h"
#include "views/Clefmark.h"
#include "views/GuitarTunerView.h"
#include "views/LevelMeter.h"
#include "views/ReadoutView.h"
#include "views/StatusIndicator.h"
#include "views/TunerMeter.h"

#include <QAccessibleValueInterface>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <utility>
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
                { QAccessible::Slider, QStringLiteral("Deviation in cents"), std::nullopt,
                    QStringLiteral("No note yet") } },
            { "the needle 10 steps sharp", [](Window& w) { w.needle->setTune(10, false); },
                [](Window& w) { return w.needle; },
                { QAccessible::Slider, QStringLiteral("Deviation in cents"), 19.6,
                    QStringLiteral("+19.6 cents, sharp") } },
            { "the needle one step flat, close enough",
                [](Window& w) { w.needle->setTune(-1, true); }, [](Window& w) { return w.needle; },
                { QAccessible::Slider, QStringLiteral("Deviation in cents"), -2.0,
                    QStringLiteral("\u22122.0 cents, in tune") } },
            { "the needle in tune", [](Window& w) { w.needle->setTune(0, true); },
                [](Window& w) { return w.needle; },
                { QAccessible::Slider, QStringLiteral("Deviation in cents"), 0.0,
                    QStringLiteral("0.0 cents, in tune") } },
            { "the needle off the scale", [](Window& w) { w.needle->setTune(-40, false); },
                [](Window& w) { return w.needle; },
                { QAccessible::Slider, QStringLiteral("Deviation in cents"), -50.0,
                    QStringLiteral("\u221250.0 cents, flat") } },
            { "the staff before any note", [](Window&) {}, [](Window& w) { return w.staff; },
                { QAccessible::Graphic, QStringLiteral("No note yet") } },
            { "the staff with A#4", [](Window& w) { w.staff->setNote(58); },
                [](Window& w) { return w.staff; },
                { QAccessible::Graphic, QStringLiteral("A\u266F4") } },
            { "the staff with E1, drawn as E4", [](Window& w) { w.staff->setNote(16); },
                [](Window& w) { return w.staff; }, { QAccessible::Graphic, QStringLiteral("E1") } },
            { "the staff with B4 to a German reader",
                [](Window& w) {
                    w.staff->setNoteNaming(NoteNaming::German);
                    w.staff->setNote(59);
                },
                [](Window& w) { return w.staff; }, { QAccessible::Graphic, QStringLiteral("H4") } },
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
            const QAccessible::Text words = c.expected.role == QAccessible::Slider
                ? QAccessible::Value
                : QAccessible::Description;
            if (!c.expected.words.isEmpty()) {
                EXPECT_EQ(iface->text(words), c.expected.words);
            }
            QAccessibleValueInterface* value = iface->valueInterface();
            if (c.expected.role == QAccessible::Slider
                || c.expected.role == QAccessible::ProgressBar) {
                ASSERT_NE(value, nullptr);
                const QVariant current = value->currentValue();
                EXPECT_EQ(current.isValid(), c.expected.value.has_value());
                if (c.expected.value) {
                    EXPECT_DOUBLE_EQ(current.toDouble(), *c.expected.value);
                }
                // The needle's range is the deviation a note can have.
                if (c.expected.role == QAccessible::Slider) {
                    EXPECT_EQ(value->minimumValue().toDouble(), -50.0);
                    EXPECT_EQ(value->maximumValue().toDouble(), 50.0);
                    EXPECT_TRUE(iface->state().readOnly);
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

    /// A readout in a window, its announcements on a clock and timers the
    /// test moves, with every name change a screen reader is sent.
    struct HeardReadout {
        using Clock = ReadoutView::Clock;

        /// A timer due at a time of the test's clock.
        struct Timer final : OneShotTimer {
            explicit Timer(HeardReadout& owner)
                : owner(owner)
            {
            }
            void start(double seconds, std::function<void()> callback) override
            {
                due = owner.now
                    + std::chrono::round<Clock::duration>(std::chrono::duration<double>(seconds));
                pending = std::move(callback);
            }
            void cancel() override { pending = nullptr; }
            HeardReadout& owner;
            Clock::time_point due {};
            std::function<void()> pending;
        };

        HeardReadout()
        {
            installViewAccessibility({ .clock = [this] { return now; },
                .makeTimer =
                    [this] {
                        auto timer = std::make_unique<Timer>(*this);
                        timers.push_back(timer.get());
                        return timer;
                    },
                .listening = [] { return true; },
                .send =
                    [this](QAccessibleEvent* event) {
                        if (event->type() == QAccessible::NameChanged && event->object() == view)
                            events.push_back({ now - start,
                                QAccessible::queryAccessibleInterface(view)->text(
                                    QAccessible::Name) });
                    } });
            window.resize(ReadoutView::kDesignedSize);
            view = new ReadoutView(&window);
            view->setClock([this] { return now; });
            window.show();
            // Listening, told long before the first note.
            view->setCaptureState(CaptureState::Running, true, "Mic");
            events.clear();
            now = start;
        }
        ~HeardReadout() { installViewAccessibility(); }

        /// Time passes to `at`, the timers firing on the way.
        void until(std::chrono::milliseconds at)
        {
            for (bool fired = true; fired;) {
                fired = false;
                for (Timer* timer : timers) {
                    if (timer->pending && timer->due <= start + at) {
                        now = std::max(now, timer->due);
                        std::exchange(timer->pending, nullptr)();
                        fired = true;
                    }
                }
            }
            now = start + at;
        }

        struct Event {
            Clock::duration at;
            QString sentence;
        };
        const Clock::time_point start = Clock::time_point() + 1h;
        Clock::time_point now = start - 10s;
        std::vector<Timer*> timers;
        QWidget window;
        ReadoutView* view;
        std::vector<Event> events;
    };

    TEST(AccessibleViews, theReadoutIsToldAsANoteStartsAsItRestsAndAsItsJudgementChanges)
    {
        using ms = std::chrono::milliseconds;
        struct Case {
            const char* name;
            // The frequency heard at each time; 0: time passes with no news.
            std::vector<std::pair<int, float>> heard;
            std::vector<int> toldAt;
            const char* last;
        };
        // A held tone every 50 ms from `from` to `to`.
        auto held = [](float hz, int from, int to) {
            std::vector<std::pair<int, float>> out;
            for (int t = from; t < to; t += 50)
                out.emplace_back(t, hz);
            return out;
        };
        auto glide = held(440.3f, 0, 50);
        for (const float hz : { 441.6f, 443.0f, 444.1f, 444.8f })
            glide.emplace_back(static_cast<int>(glide.size()) * 50, hz);
        const auto rest = held(445.0f, 250, 2000);
        glide.insert(glide.end(), rest.begin(), rest.end());
        std::vector<std::pair<int, float>> wobbling, swapping;
        for (int t = 0; t < 2000; t += 50) {
            wobbling.emplace_back(t, t % 100 == 0 ? 445.0f : 445.8f);
            swapping.emplace_back(t, t % 200 == 0 ? 440.0f : 445.0f);
        }
        auto past = held(445.0f, 0, 1000);
        past.emplace_back(1950, 0.0f);
        const Case cases[] = {
            { "a steady note: as it starts and as it rests", held(445.0f, 0, 2000), { 0, 500 },
                "A4, 19.6 cents sharp, 445.0 hertz" },
            // Sharp from the first: told again half a second after 444.8 Hz.
            { "a glide from the first transient to where it rests", glide, { 0, 700 },
                "A4, 19.6 cents sharp, 445.0 hertz" },
            { "cents that wobble: not again until the readings stop", wobbling, { 0, 2450 },
                nullptr },
            { "a judgement that swaps 10 times a second: twice a second, then where it rests",
                swapping, { 0, 500, 1000, 1500, 2350 }, "A4, 19.6 cents sharp, 445.0 hertz" },
            { "a note gone past", past, { 0, 500, 1950 },
                "Too quiet; last heard A4, 19.6 cents sharp, 445.0 hertz" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            HeardReadout readout;
            for (const auto& [at, hz] : c.heard) {
                readout.until(ms(at));
                if (hz > 0.0f)
                    readout.view->setReading(4, test::pitchAt(hz));
                else
                    readout.view->tick();
            }
            readout.until(ms(c.heard.back().first) + 1000ms);
            std::vector<int> toldAt;
            for (const auto& e : readout.events)
                toldAt.push_back(static_cast<int>(std::chrono::duration_cast<ms>(e.at).count()));
            EXPECT_EQ(toldAt, c.toldAt);
            if (c.last != nullptr && !readout.events.empty()) {
                EXPECT_EQ(readout.events.back().sentence, QString::fromUtf8(c.last));
            }
        }
    }

} // namespace
} // namespace clefmark
