#include "app/Controller.h"

#include "app/CaptureStatus.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "desktop/SoundSettings.h"
#include "tests/support/Feed.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/Signals.h"
#include "tests/support/SimulatedAudioHardware.h"
#include "tuner/Tuner.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace clefmark {
namespace {

    using test::processEventsUntil;

    // Stand-ins for the four views: plain widgets that record what they receive.
    struct FakeLevelMeter : QWidget, LevelDisplay {
        std::vector<int> levels;
        void setLevel(int level) override { levels.push_back(level); }
    };
    struct FakeTunerMeter : QWidget, TuneDisplay {
        std::vector<std::pair<int, bool>> tunes;
        void setTune(int tune, bool inTune) override { tunes.emplace_back(tune, inTune); }
    };
    struct FakeClefmark : QWidget, NoteDisplay {
        std::vector<int> notes;
        void setNote(int note) override { notes.push_back(note); }
    };
    struct FakeStatusIndicator : QWidget, StatusDisplay {
        int steps = 0;
        void increment() override { ++steps; }
    };

    constexpr QSize kMinimum { 320, 200 };
    /// Room for every size the tests ask for.
    constexpr QRect kLargeScreen { 0, 0, 2560, 1600 };

    class ControllerTest : public testing::Test {
    protected:
        ControllerTest()
        {
            auto* content = new QWidget;
            content->setMinimumSize(kMinimum);
            window.setCentralWidget(content);
            levelMeter = named(new FakeLevelMeter, "levelMeter", content);
            tunerMeter = named(new FakeTunerMeter, "tunerMeter", content);
            clefmark = named(new FakeClefmark, "clefmark", content);
            statusIndicator = named(new FakeStatusIndicator, "statusIndicator", content);
            QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Tuner"));
            for (const char* name : { "actionSoundSettings", "actionPreferences", "actionAbout",
                     "actionHelp", "actionPause", "actionResume", "actionQuit" }) {
                QAction* action = menu->addAction(QString::fromLatin1(name));
                action->setObjectName(QString::fromLatin1(name));
            }
            device = hardware.addDevice(test::floatFormat(22528));
            hardware.setDefaultInputDevice(device);
            hardware.waitForListeners();
        }

        template <typename View> View* named(View* view, const char* name, QWidget* parent)
        {
            view->setObjectName(QString::fromLatin1(name));
            view->setParent(parent);
            return view;
        }

        Controller::Services services()
        {
            Controller::Services s;
            s.tuner = [this](Controller&) -> Tuner& {
                ++tunerRequests;
                if (tuner == nullptr)
                    tuner = std::make_unique<Tuner>(defaults, mainThread, &hardware);
                return *tuner;
            };
            s.alert = [this](const QString& title) { alerts.push_back(title); };
            s.openSoundSettings = [this] { return soundSettingsOpen; };
            s.showPanel = [this](Panel panel) { panels.push_back(panel); };
            s.altHeld = [this] { return altHeld; };
            s.screenAreas = [] { return QList<QRect> { kLargeScreen }; };
            return s;
        }

        /// A controller started as the program starts it.
        std::unique_ptr<Controller> launched(Controller::Services s)
        {
            auto controller = std::make_unique<Controller>(std::move(s));
            controller->connectOutlets(&window);
            EXPECT_TRUE(controller->awakeFromNib());
            controller->applicationDidFinishLaunching();
            return controller;
        }
        std::unique_ptr<Controller> launched() { return launched(services()); }

        QAction* action(const char* name)
        {
            return window.findChild<QAction*>(QString::fromLatin1(name));
        }

        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        SimulatedAudioHardware hardware;
        AudioDeviceID device = kNoAudioDevice;
        QMainWindow window;
        FakeLevelMeter* levelMeter;
        FakeTunerMeter* tunerMeter;
        FakeClefmark* clefmark;
        FakeStatusIndicator* statusIndicator;
        std::unique_ptr<Tuner> tuner; // outlives nothing above it needs
        int tunerRequests = 0;
        std::vector<QString> alerts;
        std::vector<Panel> panels;
        bool soundSettingsOpen = true;
        bool altHeld = false;
    };

    TEST_F(ControllerTest, StartUpHandsTheTunerItsViewsAndStartsCapture)
    {
        auto controller = launched();
        ASSERT_NE(tuner, nullptr);
        EXPECT_EQ(controller->tuner(), tuner.get());
        EXPECT_EQ(controller->mainWindow(), &window);
        EXPECT_EQ(tuner->captureState(), CaptureState::Running);
        EXPECT_TRUE(hardware.isRunning(device));
        EXPECT_TRUE(alerts.empty());

        // A note played reaches every view.
        test::feed(*tuner, test::sine16(440.0, 22528, 0.5, 22528));
        mainThread.runPending();
        EXPECT_FALSE(levelMeter->levels.empty());
        ASSERT_FALSE(tunerMeter->tunes.empty());
        ASSERT_FALSE(clefmark->notes.empty());
        EXPECT_EQ(clefmark->notes.back(), 57);
        EXPECT_LE(
            std::abs(tunerMeter->tunes.back().first), 1); // a whole period is not a whole sample
        EXPECT_GT(statusIndicator->steps, 0);
    }

    TEST_F(ControllerTest, AWindowWithoutViewsStillStarts)
    {
        QMainWindow bare;
        auto controller = std::make_unique<Controller>(services());
        controller->connectOutlets(&bare);
        EXPECT_TRUE(controller->awakeFromNib());
        EXPECT_EQ(controller->mainWindow(), nullptr);
        EXPECT_EQ(tuner->captureState(), CaptureState::Running);
        test::feed(*tuner, test::sine16(440.0, 22528, 0.5, 22528));
        EXPECT_EQ(mainThread.runPending(), 1u) << "one wake-up, told to nobody";
    }

    TEST_F(ControllerTest, TooOldAQtAlertsAndNeverCreatesTheTuner)
    {
        Controller::Services s = services();
        s.runningQtVersion = QStringLiteral("6.3.9");
        Controller controller(std::move(s));
        controller.connectOutlets(&window);
        EXPECT_FALSE(controller.awakeFromNib());
        EXPECT_EQ(alerts,
            std::vector<QString> { QStringLiteral("Sorry, Clefmark runs only on Qt %1.%2 or later.")
                                       .arg(QT_VERSION_MAJOR)
                                       .arg(QT_VERSION_MINOR) });
        EXPECT_EQ(tunerRequests, 0);
        EXPECT_EQ(hardware.runningCount(), 0u);
    }

    TEST_F(ControllerTest, ExactlyTheMinimumQtStarts)
    {
        Controller::Services s = services();
        s.runningQtVersion = QStringLiteral("%1.%2.0").arg(QT_VERSION_MAJOR).arg(QT_VERSION_MINOR);
        auto controller = launched(std::move(s));
        EXPECT_TRUE(alerts.empty());
        EXPECT_EQ(tunerRequests, 1);
    }

    struct PauseCase {
        const char* sequence; // P = pause, R = resume
        const char* title;
        bool paused;
        friend void PrintTo(const PauseCase& c, std::ostream* os) { *os << c.sequence; }
    };

    class PauseAndResume : public ControllerTest, public testing::WithParamInterface<PauseCase> { };

    TEST_P(PauseAndResume, TitleAndFlagFollowTheLastCommand)
    {
        auto controller = launched();
        for (const char* c = GetParam().sequence; *c != '\0'; ++c)
            *c == 'P' ? controller->pause() : controller->resume();
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8(GetParam().title));
        EXPECT_EQ(tuner->pause(), GetParam().paused);
        EXPECT_EQ(controller->isPaused(), GetParam().paused);
        // Only the command that changes something is enabled.
        EXPECT_EQ(action("actionPause")->isEnabled(), !GetParam().paused);
        EXPECT_EQ(action("actionResume")->isEnabled(), GetParam().paused);
        // Capture goes on either way.
        EXPECT_TRUE(hardware.isRunning(device));
    }

    INSTANTIATE_TEST_SUITE_P(Table, PauseAndResume,
        testing::Values(PauseCase { "P", "Clefmark (Paused)", true },
            PauseCase { "PP", "Clefmark (Paused)", true }, PauseCase { "PPR", "Clefmark", false },
            PauseCase { "R", "Clefmark", false }, PauseCase { "PRP", "Clefmark (Paused)", true }));

    TEST_F(ControllerTest, PausedTunerDropsTheAudio)
    {
        auto controller = launched();
        controller->pause();
        test::feed(*tuner, test::sine16(440.0, 22528, 0.5, 22528));
        mainThread.runPending();
        EXPECT_TRUE(clefmark->notes.empty());
        EXPECT_TRUE(levelMeter->levels.empty());
    }

    TEST_F(ControllerTest, MenuCommandsPauseAndResume)
    {
        auto controller = launched();
        EXPECT_TRUE(action("actionPause")->isEnabled());
        EXPECT_FALSE(action("actionResume")->isEnabled());
        action("actionPause")->trigger();
        EXPECT_TRUE(tuner->pause());
        EXPECT_EQ(window.windowTitle(), Controller::kPausedTitle);
        action("actionResume")->trigger();
        EXPECT_EQ(window.windowTitle(), Controller::kTitle);
        EXPECT_FALSE(tuner->pause());
    }

    TEST_F(ControllerTest, SpaceTogglesPauseAndResume)
    {
        auto controller = launched();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_Space);
        EXPECT_TRUE(tuner->pause());
        QTest::keyClick(&window, Qt::Key_Space);
        EXPECT_FALSE(tuner->pause());
    }

    TEST_F(ControllerTest, PauseBeforeLaunchCompletionIsNotTaken)
    {
        Controller controller(services());
        controller.connectOutlets(&window);
        ASSERT_TRUE(controller.awakeFromNib());
        action("actionPause")->trigger();
        EXPECT_FALSE(tuner->pause());
        controller.applicationDidFinishLaunching();
        controller.applicationDidFinishLaunching(); // once, however often called
        action("actionPause")->trigger();
        EXPECT_TRUE(tuner->pause());
        action("actionResume")->trigger();
        EXPECT_FALSE(tuner->pause());
    }

    TEST_F(ControllerTest, PanelCommandsAreAlwaysAvailable)
    {
        auto controller = launched();
        controller->pause();
        for (const char* name :
            { "actionSoundSettings", "actionPreferences", "actionAbout", "actionHelp" })
            EXPECT_TRUE(action(name)->isEnabled()) << name;
        action("actionPreferences")->trigger();
        action("actionAbout")->trigger();
        action("actionHelp")->trigger();
        EXPECT_EQ(panels, (std::vector<Panel> { Panel::Preferences, Panel::About, Panel::Help }));
    }

    TEST_F(ControllerTest, SoundSettingsThatCannotOpenSayWhy)
    {
        auto controller = launched();
        action("actionSoundSettings")->trigger();
        EXPECT_TRUE(alerts.empty());
        soundSettingsOpen = false;
        action("actionSoundSettings")->trigger();
        ASSERT_EQ(alerts.size(), 1u);
        EXPECT_TRUE(alerts[0].contains(u"pavucontrol"));
    }

    TEST(SoundSettings, TheFirstProgramThatStartsWins)
    {
        std::vector<QString> tried;
        auto find = [](const QString& program) {
            return program == u"pavucontrol" || program == u"gnome-control-center"
                    || program == u"systemsettings"
                ? QStringLiteral("/usr/bin/") + program
                : QString();
        };
        // pavucontrol is installed but fails to start: the next one is used.
        const QString started
            = openSoundSettings(find, [&](const QString& path, const QStringList& args) {
                  tried.push_back(path + u' ' + args.join(u' '));
                  return path != u"/usr/bin/pavucontrol";
              });
        EXPECT_EQ(started, u"gnome-control-center");
        EXPECT_EQ(tried,
            (std::vector<QString> { QStringLiteral("/usr/bin/pavucontrol --tab=4"),
                QStringLiteral("/usr/bin/gnome-control-center sound") }));
        EXPECT_TRUE(openSoundSettings([](const QString&) { return QString(); },
            [](const QString&, const QStringList&) {
                return true;
            }).isEmpty());
    }

    TEST_F(ControllerTest, TerminationDetachesTheViewsThenSavesTheSettings)
    {
        auto controller = launched();
        tuner->setReferencePitch(445);
        tuner->setCloseEnough(true);
        mainThread.runPending();
        const auto tunesBefore = tunerMeter->tunes.size();
        EXPECT_FALSE(defaults.hasValue(kOctaveRejectionKey)); // unchanged: not before termination

        test::feed(*tuner, test::sine16(440.0, 22528, 0.5, 4096)); // queued, not yet delivered
        controller->applicationWillTerminate();
        controller->applicationWillTerminate();
        mainThread.runPending();
        EXPECT_EQ(tunerMeter->tunes.size(), tunesBefore);
        EXPECT_EQ(tuner->captureState(), CaptureState::Terminated);
        EXPECT_FALSE(hardware.isRunning(device));
        EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 445);
        EXPECT_TRUE(defaults.boolForKey(kCloseEnoughKey));
        EXPECT_TRUE(defaults.hasValue(kOctaveRejectionKey));
    }

    // Saving may wait on the disk: by then the window must be off the screen.
    TEST_F(ControllerTest, TheWindowIsGoneBeforeTheSettingsAreSaved)
    {
        struct Watched final : UserDefaults {
            bool hasValue(const std::string& key) const override { return store.hasValue(key); }
            void registerInteger(const std::string& key, int v) override
            {
                store.registerInteger(key, v);
            }
            void registerBool(const std::string& key, bool v) override
            {
                store.registerBool(key, v);
            }
            int integerForKey(const std::string& key) const override
            {
                return store.integerForKey(key);
            }
            bool boolForKey(const std::string& key) const override { return store.boolForKey(key); }
            void setInteger(const std::string& key, int v) override
            {
                onSet();
                store.setInteger(key, v);
            }
            void setBool(const std::string& key, bool v) override
            {
                onSet();
                store.setBool(key, v);
            }
            MemoryUserDefaults store;
            std::function<void()> onSet;
        } watched;
        std::vector<bool> visibleAtSave;
        watched.onSet = [&] { visibleAtSave.push_back(window.isVisible()); };
        std::unique_ptr<Tuner> own;
        Controller::Services s = services();
        s.tuner = [&](Controller&) -> Tuner& {
            own = std::make_unique<Tuner>(watched, mainThread, &hardware);
            return *own;
        };
        auto controller = launched(std::move(s));
        window.show();
        controller->applicationWillTerminate();
        ASSERT_FALSE(visibleAtSave.empty());
        EXPECT_EQ(std::count(visibleAtSave.begin(), visibleAtSave.end(), true), 0);
    }

    TEST_F(ControllerTest, AViewDestroyedFirstReceivesNothingMore)
    {
        auto controller = launched();
        test::feed(*tuner, test::sine16(440.0, 22528, 0.5, 4096)); // updates queued for every view
        delete tunerMeter;
        delete clefmark;
        delete levelMeter;
        delete statusIndicator;
        mainThread.runPending(); // would touch freed views without the detaching
        tuner->setCloseEnough(true);
        mainThread.runPending();
        SUCCEED();
    }

    TEST_F(ControllerTest, AltResizeSnapsWhenTheResizeEnds)
    {
        Controller::Services s = services();
        s.applyResizeRule = true;
        s.resizeSettleMilliseconds = 20;
        auto controller = launched(std::move(s));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QWidget* content = window.centralWidget();
        ASSERT_EQ(content->size(), kMinimum);
        const QSize chrome = window.size() - content->size(); // the menu bar
        ASSERT_GT(chrome.height(), 0);

        // The rule shapes the content; the menu bar keeps its height.
        altHeld = true;
        EXPECT_EQ(
            controller->windowWillResize({ 900.0f + chrome.width(), 310.0f + chrome.height() }),
            (WindowSize { 640.0f + chrome.width(), 400.0f + chrome.height() }));
        window.resize(QSize(700, 310) + chrome);
        EXPECT_TRUE(processEventsUntil([&] { return content->size() == QSize(640, 400); }))
            << content->width() << "x" << content->height();

        altHeld = false;
        const WindowSize proposed { 900.5f, 310.25f };
        EXPECT_EQ(controller->windowWillResize(proposed), proposed);
        window.resize(QSize(960, 400) + chrome); // only the width changed: the height follows
        EXPECT_TRUE(processEventsUntil([&] { return content->size() == QSize(960, 600); }))
            << content->width() << "x" << content->height();
    }

    TEST_F(ControllerTest, NoResizeRuleWhereTheCompositorDecides)
    {
        auto controller = launched(); // applyResizeRule off
        window.show();
        window.resize(700, 310 + window.menuBar()->height());
        QTest::qWait(250);
        EXPECT_EQ(window.size(), QSize(700, 310 + window.menuBar()->height()));
    }

    TEST_F(ControllerTest, CaptureStatusShowsOnlyWhatLasts)
    {
        Controller::Services s = services();
        s.captureStatusDelayMilliseconds = 50;
        auto controller = launched(std::move(s));
        window.show();
        QLabel* label = controller->captureStatusLabel();
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->isVisible());

        // Gone again before the delay: never shown.
        controller->showCaptureStatus(QStringLiteral("Waiting for the sound server…"));
        controller->showCaptureStatus({});
        QTest::qWait(120);
        EXPECT_FALSE(label->isVisible());

        controller->showCaptureStatus(QStringLiteral("Waiting for the sound server…"));
        EXPECT_FALSE(label->isVisible());
        EXPECT_TRUE(processEventsUntil([&] { return label->isVisible(); }));
        EXPECT_EQ(label->text(), u"Waiting for the sound server…");
        EXPECT_TRUE(window.centralWidget()->rect().contains(label->geometry()));
        controller->showCaptureStatus(
            QStringLiteral("No input device: choose one in Sound Settings…"));
        EXPECT_TRUE(label->isVisible());
        controller->showCaptureStatus({});
        EXPECT_FALSE(label->isVisible());

        // The device heard is there on request, and only while it is heard.
        const auto* indicator = window.findChild<QWidget*>(QStringLiteral("statusIndicator"));
        ASSERT_NE(indicator, nullptr);
        controller->showCaptureStatus({}, QStringLiteral("Mic A"));
        EXPECT_EQ(indicator->toolTip(), u"Listening to Mic A");
        EXPECT_EQ(label->toolTip(), u"Listening to Mic A");
        controller->showCaptureStatus(QStringLiteral("Waiting for the sound server…"));
        EXPECT_EQ(indicator->toolTip(), u"");
    }

    // The sound server answering is news even when capture still finds no
    // device: the window then says what the terminal says, that a device is
    // what is missing.
    TEST_F(ControllerTest, WhatIsMissingFollowsTheServerWhileThereIsNoDevice)
    {
        hardware.setDefaultInputDevice(kNoAudioDevice);
        hardware.waitForListeners();
        tuner = std::make_unique<Tuner>(defaults, mainThread, &hardware);
        Controller::Services s = services();
        s.captureStatusDelayMilliseconds = 0;
        auto controller = launched(std::move(s));
        std::atomic<bool> serverUp = false;
        CaptureReporter reporter(mainThread, *controller, *tuner, [&] { return serverUp.load(); });
        tuner->setCaptureObserver(&reporter);
        const std::unique_ptr<Tuner, void (*)(Tuner*)> detach(
            tuner.get(), [](Tuner* t) { t->setCaptureObserver(nullptr); });
        window.show();
        QLabel* label = controller->captureStatusLabel();
        ASSERT_NE(label, nullptr);
        const auto shows = [&](const QString& text) {
            return processEventsUntil([&] {
                mainThread.runPending();
                return label->isVisible() && label->text() == text;
            });
        };

        tuner->start();
        EXPECT_TRUE(shows(QStringLiteral("Waiting for the sound server\u2026")))
            << label->text().toStdString();
        serverUp = true;
        EXPECT_TRUE(shows(QStringLiteral("No input device: choose one in Sound Settings\u2026")))
            << label->text().toStdString();
        serverUp = false;
        EXPECT_TRUE(shows(QStringLiteral("Waiting for the sound server\u2026")))
            << label->text().toStdString();
    }

    // The whole way from the tuner to the window: a restart's why shows until
    // sound comes again, then goes.
    TEST_F(ControllerTest, WhyCaptureRestartedGoesOnceSoundComesAgain)
    {
        tuner = std::make_unique<Tuner>(
            defaults, mainThread, &hardware, std::chrono::milliseconds(40));
        Controller::Services s = services();
        s.captureStatusDelayMilliseconds = 50;
        auto controller = launched(std::move(s));
        CaptureReporter reporter(mainThread, *controller, *tuner, [] { return true; });
        tuner->setCaptureObserver(&reporter);
        // The tuner outlives the reporter, and is told so however the test ends.
        const std::unique_ptr<Tuner, void (*)(Tuner*)> detach(
            tuner.get(), [](Tuner* t) { t->setCaptureObserver(nullptr); });
        window.show();
        QLabel* label = controller->captureStatusLabel();
        ASSERT_NE(label, nullptr);

        // No cycle comes: capture restarts, and says why.
        EXPECT_TRUE(processEventsUntil([&] {
            mainThread.runPending();
            return label->isVisible();
        }));
        EXPECT_EQ(label->text(),
            u"No sound has come from the input device for 2 seconds; listening again");

        const std::vector<float> tone = test::periodicSine(100, 0.5f, 512);
        EXPECT_TRUE(processEventsUntil([&] {
            hardware.deliverCycle(device, tone.data(), 512);
            mainThread.runPending();
            return !label->isVisible();
        }));
        EXPECT_EQ(label->text(), u"");
    }

} // namespace
} // namespace clefmark
