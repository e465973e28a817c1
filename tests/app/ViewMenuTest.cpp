// The View menu's choices and the readout strip in the main window: what is
// remembered, how the window's size follows the strip, and what the strip is
// told.
#include "app/Accessibility.h"
#include "app/CaptureStatus.h"
#include "app/Controller.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "panels/HelpPanel.h"
#include "tests/app/Languages.h"
#include "tests/support/Feed.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/Signals.h"
#include "tests/support/SimulatedAudioHardware.h"
#include "tuner/Tuner.h"
#include "views/LevelMeter.h"
#include "views/ReadoutView.h"
#include "views/ScaledColumn.h"
#include "views/TunerMeter.h"
#include "views/ViewLoader.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace clefmark {
namespace {

    using test::processEventsUntil;
    using namespace std::chrono_literals;

    constexpr QSize kPicture { 181, 378 };
    constexpr QSize kWithStrip { 181, 422 };
    /// Room for every size the tests ask for.
    constexpr QRect kLargeScreen { 0, 0, 2560, 1600 };

    /// A main window laid out as the program's: the picture with its meters,
    /// and the readout strip under it.
    class ViewMenuTest : public testing::Test {
    protected:
        ViewMenuTest()
        {
            auto* column = new ScaledColumn;
            window.setCentralWidget(column);
            auto* picture = new QWidget(column);
            picture->setMinimumSize(kPicture);
            picture->resize(kPicture); // the size the meters' frames are for
            tunerMeter = new TunerMeter(QRectF(58, 13, 65, 34), picture);
            tunerMeter->setObjectName(QStringLiteral("tunerMeter"));
            levelMeter = new LevelMeter(QRectF(16, 354, 90, 8), picture);
            levelMeter->setObjectName(QStringLiteral("levelMeter"));
            readout = new ReadoutView(column);
            readout->setObjectName(QStringLiteral("readout"));
            QMenu* menu = window.menuBar()->addMenu(QStringLiteral("View"));
            for (const char* name : { "actionReadout", "actionColourBlindSafe", "actionActualSize",
                     "actionZoomIn", "actionZoomOut", "actionKeepAbove" })
                menu->addAction(QString::fromLatin1(name))
                    ->setObjectName(QString::fromLatin1(name));
            device = hardware.addDevice(test::floatFormat(22528));
            hardware.setDefaultInputDevice(device);
            hardware.waitForListeners();
        }

        std::unique_ptr<Controller> launched(bool applyResizeRule = false)
        {
            Controller::Services s;
            s.tuner = [this](Controller&) -> Tuner& {
                tuner = std::make_unique<Tuner>(defaults, mainThread, &hardware);
                return *tuner;
            };
            s.defaults = &defaults;
            s.altHeld = [this] { return altHeld; };
            s.screenAreas = [this] { return screens; };
            s.windowPlaceable = placeable;
            s.keepAboveAvailable = keepAboveAvailable;
            s.applyResizeRule = applyResizeRule;
            s.resizeSettleMilliseconds = settleMilliseconds;
            s.captureStatusDelayMilliseconds = 0;
            auto controller = std::make_unique<Controller>(std::move(s));
            controller->connectOutlets(&window);
            EXPECT_TRUE(controller->awakeFromNib());
            controller->applicationDidFinishLaunching();
            return controller;
        }

        QAction* action(const char* name)
        {
            return window.findChild<QAction*>(QString::fromLatin1(name));
        }
        QSize content() const { return window.centralWidget()->size(); }
        /// The needle's colour in tune, at twice the least size, where it
        /// covers two whole columns.
        QColor needle()
        {
            const QSize twice = window.centralWidget()->minimumSizeHint() * 2;
            window.resize(twice + window.size() - content());
            EXPECT_TRUE(processEventsUntil([&] { return content() == twice; }));
            tunerMeter->setTune(0, true);
            QImage image(tunerMeter->size(), QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            tunerMeter->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            return image.pixelColor(65, 10);
        }
        /// The controller's preferences panel, opened as from the menu.
        QWidget* preferencesPanel(Controller& controller)
        {
            controller.preferences();
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()
                    && w->findChild<QLineEdit*>(QStringLiteral("referencePitchText")))
                    return w;
            return nullptr;
        }
        void play(double hz)
        {
            test::feed(*tuner, test::sine16(hz, 22528, 0.5, 22528));
            mainThread.runPending();
        }

        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        SimulatedAudioHardware hardware;
        AudioDeviceID device = kNoAudioDevice;
        QMainWindow window;
        TunerMeter* tunerMeter;
        LevelMeter* levelMeter;
        ReadoutView* readout;
        std::unique_ptr<Tuner> tuner;
        bool altHeld = false;
        ReadoutView::Clock::time_point now = ReadoutView::Clock::time_point() + 1h;
        QList<QRect> screens { kLargeScreen };
        bool placeable = true;
        bool keepAboveAvailable = true;
        int settleMilliseconds = 20;
    };

    TEST_F(ViewMenuTest, theChoicesAreRememberedAndShapeTheWindow)
    {
        struct Case {
            const char* name;
            std::optional<bool> storedReadout;
            std::optional<bool> storedSafe;
            bool readoutShown;
            QColor needle;
        };
        const Case cases[] = {
            { "first run", std::nullopt, std::nullopt, true, TunerMeter::green },
            { "readout hidden", false, std::nullopt, false, TunerMeter::green },
            { "colour-blind safe", true, true, true, MeterPalette::colourBlindSafe().inTune },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            MemoryUserDefaults fresh;
            std::swap(defaults, fresh);
            if (c.storedReadout)
                defaults.setBool(kReadoutShownKey, *c.storedReadout);
            if (c.storedSafe)
                defaults.setBool(kColourBlindSafeKey, *c.storedSafe);
            window.resize(1, 1); // comes up at its least size
            auto controller = launched();
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            EXPECT_EQ(action("actionReadout")->isChecked(), c.readoutShown);
            EXPECT_EQ(readout->isVisible(), c.readoutShown);
            // Hidden, the window is the picture alone, as it always was.
            const QSize least = c.readoutShown ? kWithStrip : kPicture;
            EXPECT_EQ(window.centralWidget()->minimumSizeHint(), least);
            EXPECT_EQ(content().height(), least.height());
            EXPECT_EQ(action("actionColourBlindSafe")->isChecked(), c.storedSafe.value_or(false));
            EXPECT_EQ(needle(), c.needle);
            controller->applicationWillTerminate();
            controller.reset();
            tuner.reset();
            window.hide();
            readout->show();
        }
    }

    TEST_F(ViewMenuTest, togglingTheReadoutResizesByTheStripAtTheScaleOfTheWindow)
    {
        auto controller = launched(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QSize chrome = window.size() - content();
        window.resize(kWithStrip * 2 + chrome);
        ASSERT_TRUE(processEventsUntil([&] { return content() == kWithStrip * 2; }));

        action("actionReadout")->trigger();
        EXPECT_TRUE(processEventsUntil([&] { return content() == kPicture * 2; }))
            << content().width() << "x" << content().height();
        EXPECT_FALSE(defaults.boolForKey(kReadoutShownKey));
        EXPECT_FALSE(readout->isVisible());
        // The picture alone is the unit of Alt-snapping, and its proportions hold.
        altHeld = true;
        EXPECT_EQ(controller->windowWillResize({ 900.0f, 3.4f * 378 + chrome.height() }),
            (WindowSize { 3.0f * 181 + chrome.width(), 3.0f * 378 + chrome.height() }));
        altHeld = false;

        action("actionReadout")->trigger();
        EXPECT_TRUE(processEventsUntil([&] { return content() == kWithStrip * 2; }))
            << content().width() << "x" << content().height();
        EXPECT_TRUE(defaults.boolForKey(kReadoutShownKey));
        altHeld = true;
        EXPECT_EQ(controller->windowWillResize({ 900.0f, 3.4f * 422 + chrome.height() }),
            (WindowSize { 3.0f * 181 + chrome.width(), 3.0f * 422 + chrome.height() }));
        altHeld = false;
        // Without Alt, the proportions that hold include the strip.
        window.resize(QSize(543, 900) + chrome);
        EXPECT_TRUE(processEventsUntil([&] { return content() == kWithStrip * 3; }))
            << content().width() << "x" << content().height();
    }

    TEST_F(ViewMenuTest, theReadoutHearsTheTunerItsSettingsAndThePause)
    {
        auto controller = launched();
        play(445.0);
        EXPECT_EQ(readout->text().note, "A4");
        EXPECT_EQ(readout->text().cents.substr(0, 4), "+19.");
        EXPECT_EQ(readout->text().judgement, Readout::Judgement::Sharp);

        // A reference changed in the preferences re-maps the note at once.
        QWidget* panel = preferencesPanel(*controller);
        ASSERT_NE(panel, nullptr);
        auto* pitch = panel->findChild<QLineEdit*>(QStringLiteral("referencePitchText"));
        pitch->setText(QStringLiteral("445"));
        emit pitch->editingFinished();
        EXPECT_EQ(tuner->referencePitch(), 445);
        EXPECT_EQ(readout->text().judgement, Readout::Judgement::InTune);

        controller->pause();
        EXPECT_EQ(readout->text().state, Readout::State::Paused);
        controller->resume();
        EXPECT_NE(readout->text().state, Readout::State::Paused);

        // Hidden, the strip is handed nothing more.
        action("actionReadout")->trigger();
        play(466.16);
        EXPECT_EQ(readout->text().note, "A4");
        action("actionReadout")->trigger();
        play(466.16);
        EXPECT_EQ(readout->text().note, "A\u266F4");

        // So do a transposition and flats.
        panel->findChild<QSpinBox*>(QStringLiteral("transpositionSpin"))->setValue(2);
        panel->findChild<QAbstractButton*>(QStringLiteral("flatsRadio"))->click();
        EXPECT_EQ(readout->text().note, "C5");
        EXPECT_EQ(readout->text().sounding, "B\u266D4");
    }

    // A needle left where the last note put it, green at the centre, would
    // pass for a note in tune: with the readout shown, the needle and the
    // meter follow it in telling a past note from a live one.
    TEST_F(ViewMenuTest, aNoteGonePastDimsTheNeedleAndEmptiesTheLevelMeter)
    {
        struct Case {
            const char* name;
            bool readoutShown;
            std::function<void(Controller&)> then;
        };
        auto later = [this](Controller&) {
            now += 1100ms;
            readout->tick();
        };
        auto paused = [](Controller& c) { c.pause(); };
        auto serverGone
            = [](Controller& c) { c.showCaptureState(CaptureState::NoDevice, false, {}); };
        const Case cases[] = {
            { "a second of silence", true, later },
            { "paused", true, paused },
            { "the sound server gone", true, serverGone },
            { "a second of silence, no readout", false, later },
            { "paused, no readout", false, paused },
            { "the sound server gone, no readout", false, serverGone },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            MemoryUserDefaults fresh;
            std::swap(defaults, fresh);
            defaults.setBool(kReadoutShownKey, c.readoutShown);
            readout->setClock([this] { return now; });
            auto controller = launched();
            play(440.0);
            EXPECT_FALSE(tunerMeter->isDimmed());
            EXPECT_GT(levelMeter->level(), 0);
            c.then(*controller);
            EXPECT_EQ(tunerMeter->isDimmed(), c.readoutShown);
            EXPECT_EQ(levelMeter->level() == 0 && levelMeter->peak() == 0, c.readoutShown)
                << levelMeter->level() << " " << levelMeter->peak();
            if (c.readoutShown) {
                // A note heard again is live again, and so is the needle.
                controller->resume();
                controller->showCaptureState(CaptureState::Running, true, {});
                play(440.0);
                EXPECT_FALSE(tunerMeter->isDimmed());
                // Hidden, the readout leaves the needle as the tuner set it.
                controller->pause();
                action("actionReadout")->trigger();
                EXPECT_FALSE(tunerMeter->isDimmed());
                controller->resume();
            }
            controller->applicationWillTerminate();
            controller.reset();
            tuner.reset();
            readout->show();
        }
    }

    TEST_F(ViewMenuTest, zoomStepsThroughWholeMultiplesThatFitAndIsRemembered)
    {
        screens = { QRect(0, 0, 1280, 1024) }; // room for twice the least size, not three times
        window.resize(1, 1);
        auto controller = launched(true);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        struct Step {
            const char* what;
            QKeyCombination key;
            int multiple;
        };
        const Step steps[] = {
            { "actual size at it", Qt::CTRL | Qt::Key_0, 1 },
            { "in", Qt::CTRL | Qt::Key_Plus, 2 },
            { "in past the screen", Qt::CTRL | Qt::Key_Equal, 2 },
            { "out", Qt::CTRL | Qt::Key_Minus, 1 },
            { "out past the least size", Qt::CTRL | Qt::Key_Minus, 1 },
            { "in without Shift", Qt::CTRL | Qt::Key_Equal, 2 },
            { "actual size", Qt::CTRL | Qt::Key_0, 1 },
        };
        for (const Step& step : steps) {
            SCOPED_TRACE(step.what);
            QTest::keyClick(&window, step.key.key(), step.key.keyboardModifiers());
            EXPECT_TRUE(processEventsUntil([&] {
                return content() == kWithStrip * step.multiple
                    && defaults.integerForKey(kWindowScaleKey) == 1000 * step.multiple;
            })) << content().width()
                << "x" << content().height();
            EXPECT_TRUE(action("actionZoomIn")->isEnabled());
            EXPECT_TRUE(action("actionZoomOut")->isEnabled());
        }
        EXPECT_EQ(
            QPoint(defaults.integerForKey(kWindowLeftKey), defaults.integerForKey(kWindowTopKey)),
            window.pos());
    }

    // Quitting straight after a zoom, a resize or a move, before the window
    // has settled, still remembers where it went. The settling never ends
    // by itself here: only termination can save it.
    TEST_F(ViewMenuTest, aSizeOrPlaceChangedJustBeforeQuittingIsRemembered)
    {
        struct Case {
            const char* what;
            std::function<void()> change;
            bool waitForTheWindow; // false: terminated before any event runs
            int scale;
            std::optional<QPoint> place;
        };
        screens = { QRect(0, 0, 1280, 1024) };
        settleMilliseconds = 3'600'000;
        const QSize chrome = [&] {
            window.layout()->activate();
            return window.size() - content();
        }();
        const Case cases[] = {
            { "zoom in", [&] { action("actionZoomIn")->trigger(); }, false, 2000, std::nullopt },
            { "resized", [&] { window.resize(kWithStrip * 2 + chrome); }, true, 2000,
                std::nullopt },
            { "moved", [&] { window.move(240, 130); }, true, 1000, QPoint(240, 130) },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            MemoryUserDefaults fresh;
            std::swap(defaults, fresh);
            window.resize(1, 1);
            window.move(40, 30);
            auto controller = launched(true);
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            const QSize before = content();
            const QPoint was = window.pos();
            c.change();
            if (c.waitForTheWindow) {
                ASSERT_TRUE(
                    processEventsUntil([&] { return content() != before || window.pos() != was; }));
            }
            controller->applicationWillTerminate();
            EXPECT_EQ(defaults.integerForKey(kWindowScaleKey), c.scale);
            if (c.place) {
                EXPECT_EQ(QPoint(defaults.integerForKey(kWindowLeftKey),
                              defaults.integerForKey(kWindowTopKey)),
                    *c.place);
            }
            controller.reset();
            tuner.reset();
            window.hide();
        }
    }

    TEST_F(ViewMenuTest, theSizeAndPlaceComeBackOnlyOntoAScreenThatIsThere)
    {
        struct Case {
            const char* what;
            std::optional<int> scale;
            std::optional<QPoint> place;
            bool placeable;
            QSize content;
            std::optional<QPoint> placed;
        };
        screens = { QRect(0, 0, 1280, 1024) };
        const QPoint unplaced = window.pos();
        window.layout()->activate();
        // The menu bar and the window's frame.
        const QSize chrome = window.frameGeometry().size() - content();
        const QPoint place(300, 100);
        const QSize twice = kWithStrip * 2;
        const Case cases[] = {
            { "nothing remembered", std::nullopt, std::nullopt, true, kWithStrip, std::nullopt },
            { "twice, at its place", 2000, place, true, twice, place },
            { "past the screen's foot: pulled up", 2000, QPoint(300, 600), true, twice,
                QPoint(300, 1024 - 844 - chrome.height()) },
            { "on a screen gone", 2000, QPoint(3000, 100), true, twice, std::nullopt },
            { "where the program cannot place its window", 2000, place, false, twice,
                std::nullopt },
            { "more than the screen has room for", 2500, place, true, {}, QPoint(300, 0) },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            MemoryUserDefaults fresh;
            std::swap(defaults, fresh);
            if (c.scale)
                defaults.setInteger(kWindowScaleKey, *c.scale);
            if (c.place) {
                defaults.setInteger(kWindowLeftKey, c.place->x());
                defaults.setInteger(kWindowTopKey, c.place->y());
            }
            placeable = c.placeable;
            window.resize(1, 1);
            window.move(unplaced);
            auto controller = launched();
            const QSize frame = window.frameGeometry().size();
            if (c.content.isEmpty()) { // held to the screen's height, in proportion
                EXPECT_EQ(frame.height(), 1024);
                EXPECT_NEAR((frame - chrome).width() * 422.0 / (frame - chrome).height(), 181, 0.5);
            } else {
                EXPECT_EQ(frame, c.content + chrome);
            }
            EXPECT_EQ(window.pos(), c.placed.value_or(unplaced));
            controller->applicationWillTerminate();
            controller.reset();
            tuner.reset();
        }
    }

    TEST_F(ViewMenuTest, whateverAsksTheContentKeepsItsProportionsOnTheScreen)
    {
        screens = { QRect(0, 0, 1280, 1024) };
        auto controller = launched(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Asked for 900x500: its proportions make it taller than the screen.
        window.resize(900, 500);
        EXPECT_TRUE(processEventsUntil([&] { return window.frameGeometry().height() == 1024; }))
            << window.width() << "x" << window.height();
        EXPECT_NEAR(content().width() * 422.0 / content().height(), 181.0, 0.5);
        EXPECT_TRUE(screens[0].contains(window.frameGeometry()));

        // Maximised, the picture keeps its shape, centred across the window.
        window.showMaximized();
        ASSERT_TRUE(processEventsUntil([&] { return window.isMaximized(); }));
        const QWidget* picture = tunerMeter->parentWidget();
        EXPECT_TRUE(processEventsUntil([&] {
            return picture->geometry().center().x() - content().width() / 2 <= 1
                && std::abs(picture->width() * 378.0 / picture->height() - 181.0) < 0.5;
        })) << picture->width()
            << "x" << picture->height() << " in " << content().width();
        window.showNormal();
        EXPECT_TRUE(processEventsUntil([&] { return picture->width() == content().width(); }));
    }

    // Every line the window can show on why nothing is heard, the longest
    // first, whole in every language at Actual Size, and in English at every
    // zoom step: wrapped as the label wraps it (Japanese and Chinese between
    // any two characters), each line within its width and all within its
    // height, by the font's own measure.
    TEST_F(ViewMenuTest, theStatusLineShowsEveryMessageWholeAtEverySize)
    {
        window.resize(1, 1); // comes up at its least size
        auto controller = launched(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QLabel* label = controller->captureStatusLabel();
        const QWidget* picture = tunerMeter->parentWidget();
        for (const QString& language : test::windowLanguages()) {
            const test::InLanguage speaking(language);
            std::vector<QString> messages;
            for (const char* detail : { kDigitalSilenceDetail, kInputStalledDetail,
                     kRecordingEndedDetail, kSilentInputDetail })
                messages.push_back(captureStatusText(CaptureState::Running, detail, true));
            for (const bool server : { false, true })
                messages.push_back(captureStatusText(CaptureState::NoDevice, {}, server));
            messages.push_back(captureStatusText(CaptureState::FormatUnusable, {}, true));
            std::sort(messages.begin(), messages.end(),
                [](const QString& a, const QString& b) { return a.size() > b.size(); });
            for (const int multiple : { 1, 2, 3 }) {
                if (multiple > 1 && language != u"en")
                    break;
                controller->zoom(multiple == 1 ? Zoom::ActualSize : Zoom::In);
                ASSERT_TRUE(processEventsUntil([&] { return content() == kWithStrip * multiple; }));
                for (const QString& message : messages) {
                    SCOPED_TRACE(message.toStdString() + " at " + std::to_string(multiple));
                    controller->showCaptureStatus(message);
                    ASSERT_TRUE(processEventsUntil([&] { return label->isVisible(); }));
                    EXPECT_TRUE(
                        test::wrapsWithin(message, label->font(), label->contentsRect().size()))
                        << label->contentsRect().width() << "x" << label->contentsRect().height();
                    EXPECT_TRUE(picture->rect().contains(label->geometry()));
                    controller->showCaptureStatus({});
                }
            }
        }
    }

    // QT_SCALE_FACTOR=3 on a 1280 x 1024 screen leaves 427 x 341 units: less
    // than the least size, which the window must then go below.
    TEST_F(ViewMenuTest, onAScreenSmallerThanTheLeastSizeTheWindowShrinksInProportion)
    {
        screens = { QRect(0, 0, 427, 341) };
        window.resize(1, 1);
        auto controller = launched(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        auto fits = [&](double width, double height) {
            return processEventsUntil([&] {
                return screens[0].contains(window.frameGeometry())
                    && std::abs(content().width() * height / content().height() - width) < 0.6
                    && content().height() > 300;
            });
        };
        EXPECT_TRUE(fits(181, 422)) << content().width() << "x" << content().height();
        // The strip keeps its share, to the pixel.
        EXPECT_NEAR(readout->height() * 378.0 / tunerMeter->parentWidget()->height(), 44.0, 1.5);
        // Without the strip, and at Actual Size, it still fits.
        action("actionReadout")->trigger();
        EXPECT_TRUE(fits(181, 378)) << content().width() << "x" << content().height();
        action("actionReadout")->trigger();
        controller->zoom(Zoom::ActualSize);
        window.resize(900, 900);
        EXPECT_TRUE(fits(181, 422)) << content().width() << "x" << content().height();
        // A screen with room again: the least size holds as before.
        screens = { kLargeScreen };
        controller->zoom(Zoom::ActualSize);
        EXPECT_TRUE(processEventsUntil([&] { return content() == kWithStrip; }))
            << content().width() << "x" << content().height();
    }

    TEST_F(ViewMenuTest, keepAboveOthersIsRememberedWhereThePlatformHasIt)
    {
        struct Case {
            bool available;
            bool stored;
            bool triggered;
            bool above;
        };
        const Case cases[] = {
            { true, false, false, false },
            { true, false, true, true },
            { true, true, false, true },
            { true, true, true, false },
            { false, true, false, false },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.available << c.stored << c.triggered);
            MemoryUserDefaults fresh;
            std::swap(defaults, fresh);
            defaults.setBool(kKeepAboveKey, c.stored);
            keepAboveAvailable = c.available;
            auto controller = launched();
            window.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            QAction* keepAbove = action("actionKeepAbove");
            EXPECT_TRUE(keepAbove->isVisible());
            EXPECT_EQ(keepAbove->isEnabled(), c.available);
            EXPECT_EQ(keepAbove->toolTip().contains(u"does not let"), !c.available);
            if (c.triggered)
                keepAbove->trigger();
            EXPECT_EQ(keepAbove->isChecked(), c.above);
            EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.above);
            EXPECT_EQ(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), c.above);
            EXPECT_TRUE(window.isVisible());
            EXPECT_EQ(defaults.boolForKey(kKeepAboveKey), c.triggered != c.stored);
            controller->applicationWillTerminate();
            controller.reset();
            tuner.reset();
            window.hide();
            window.setWindowFlag(Qt::WindowStaysOnTopHint, false);
        }
    }

    // Titles that do not fit go behind a "»" button, where nobody looks for
    // Help; every one must show at the window's least width, in every
    // language.
    TEST(MainMenu, everyTitleShowsAtTheLeastWidth)
    {
        for (const QString& language : test::windowLanguages()) {
            SCOPED_TRACE(language.toStdString());
            const test::InLanguage speaking(language);
            LoadedInterface loaded = ViewLoader().loadInterface(QStringLiteral("MainMenu"));
            ASSERT_TRUE(loaded) << loaded.error.toStdString();
            auto* window = qobject_cast<QMainWindow*>(loaded.widget.get());
            ASSERT_NE(window, nullptr);
            window->resize(window->minimumSizeHint());
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
            ASSERT_EQ(window->width(), kPicture.width());
            QMenuBar* bar = window->menuBar();
            for (QAction* menu : bar->actions()) {
                const QRect title = bar->actionGeometry(menu);
                EXPECT_FALSE(title.isEmpty()) << menu->text().toStdString();
                EXPECT_TRUE(bar->rect().contains(title)) << menu->text().toStdString();
            }
        }
    }

    /// Every object a screen reader can land on in `window`, with no name.
    QStringList unnamedFocusStops(QWidget* window)
    {
        QStringList unnamed;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* iface) {
            if (iface == nullptr)
                return;
            const QAccessible::State state = iface->state();
            if (state.focusable && !state.invisible && iface->text(QAccessible::Name).isEmpty())
                unnamed << QStringLiteral("%1 (role %2)")
                               .arg(iface->object() != nullptr ? iface->object()->objectName()
                                                               : QString())
                               .arg(iface->role());
            for (int i = 0; i < iface->childCount(); ++i)
                walk(iface->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(window));
        return unnamed;
    }

    TEST_F(ViewMenuTest, thePanelsNameEveryPlaceAScreenReaderLandsOn)
    {
        installAccessibility();
        auto controller = launched();
        QWidget* preferences = preferencesPanel(*controller);
        ASSERT_NE(preferences, nullptr);
        EXPECT_EQ(unnamedFocusStops(preferences).join(u", ").toStdString(), "");
        // Named for what it chooses, not by the choice it shows.
        auto* transposition
            = preferences->findChild<QWidget*>(QStringLiteral("transpositionCombo"));
        ASSERT_NE(transposition, nullptr);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(transposition)
                      ->text(QAccessible::Name)
                      .toStdString(),
            "Transposition");

        HelpPanel help;
        help.showPanel();
        ASSERT_NE(help.window(), nullptr);
        EXPECT_EQ(unnamedFocusStops(help.window()).join(u", ").toStdString(), "");
        auto* text = help.window()->findChild<QWidget*>(QStringLiteral("helpText"));
        ASSERT_NE(text, nullptr);
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(text)->text(QAccessible::Name).isEmpty());
    }

    // Alt and a letter reach one item only where no two items of a menu
    // share it: a shared one merely cycles between them.
    TEST(MainMenu, everyMenuGivesEachItemALetterOfItsOwn)
    {
        for (const QString& language : test::windowLanguages()) {
            SCOPED_TRACE(language.toStdString());
            const test::InLanguage speaking(language);
            LoadedInterface loaded = ViewLoader().loadInterface(QStringLiteral("MainMenu"));
            ASSERT_TRUE(loaded) << loaded.error.toStdString();
            auto* window = qobject_cast<QMainWindow*>(loaded.widget.get());
            ASSERT_NE(window, nullptr);
            QList<QWidget*> menus { window->menuBar() };
            for (QMenu* menu : window->findChildren<QMenu*>())
                menus.append(menu);
            for (const QWidget* menu : menus) {
                QStringList texts;
                for (const QAction* a : menu->actions())
                    if (!a->isSeparator())
                        texts << (a->menu() != nullptr ? a->menu()->title() : a->text());
                EXPECT_EQ(test::sharedLetters(texts).toStdString(), "");
            }
        }
    }

} // namespace
} // namespace clefmark
