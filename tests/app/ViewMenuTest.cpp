// The View menu's choices and the readout strip in the main window: what is
// remembered, how the window's size follows the strip, and what the strip is
// told.
#include "app/Controller.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/NotificationCenter.h"
#include "desktop/QueuedMainThread.h"
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

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace clefmark {
namespace {

    using test::processEventsUntil;

    constexpr QSize kPicture { 181, 378 };
    constexpr QSize kWithStrip { 181, 422 };

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
            for (const char* name : { "actionReadout", "actionColourBlindSafe" })
                menu->addAction(QString::fromLatin1(name))
                    ->setObjectName(QString::fromLatin1(name));
            device = hardware.addDevice(test::floatFormat(22528));
            hardware.setDefaultInputDevice(device);
            hardware.waitForListeners();
        }

        std::unique_ptr<Controller> launched(bool applyResizeRule = false)
        {
            Controller::Services s;
            s.tuner = [this]() -> Tuner& {
                tuner = std::make_unique<Tuner>(defaults, mainThread, &hardware);
                return *tuner;
            };
            s.notifications = &notifications;
            s.defaults = &defaults;
            s.altHeld = [this] { return altHeld; };
            s.applyResizeRule = applyResizeRule;
            s.resizeSettleMilliseconds = 20;
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
        void play(double hz)
        {
            test::feed(*tuner, test::sine16(hz, 22528, 0.5, 22528));
            mainThread.runPending();
        }

        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        SimulatedAudioHardware hardware;
        AudioDeviceID device = kNoAudioDevice;
        NotificationCenter notifications;
        QMainWindow window;
        TunerMeter* tunerMeter;
        LevelMeter* levelMeter;
        ReadoutView* readout;
        std::unique_ptr<Tuner> tuner;
        bool altHeld = false;
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
        tuner->setReferencePitch(445);
        notifications.post(kTunerSettingsChangedNotification);
        EXPECT_EQ(readout->text().judgement, Readout::Judgement::InTune);

        notifications.post(kPauseNotification);
        EXPECT_EQ(readout->text().state, Readout::State::Paused);
        notifications.post(kResumeNotification);
        EXPECT_NE(readout->text().state, Readout::State::Paused);

        // Hidden, the strip is handed nothing more.
        action("actionReadout")->trigger();
        play(466.16);
        EXPECT_EQ(readout->text().note, "A4");
        action("actionReadout")->trigger();
        play(466.16);
        EXPECT_EQ(readout->text().note, "A\u266F4");

        // So do a transposition and flats.
        tuner->setTransposition(2);
        tuner->setFlatNames(true);
        notifications.post(kTunerSettingsChangedNotification);
        EXPECT_EQ(readout->text().note, "C5");
        EXPECT_EQ(readout->text().sounding, "B\u266D4");
    }

    // Titles that do not fit go behind a "»" button, where nobody looks for
    // Help; every one must show at the window's least width.
    TEST(MainMenu, everyTitleShowsAtTheLeastWidth)
    {
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

} // namespace
} // namespace clefmark
