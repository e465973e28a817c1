// Tuning from a recording in the window, offscreen: Tuner > Open Recording…
// (its file dialog replaced), files dropped on the window, Tuner > Listen to
// Input, and the titles that name the file.
#include "app/Controller.h"
#include "audio/InputSwitch.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Feed.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/Signals.h"
#include "tests/support/SimulatedAudioHardware.h"

#include <QAction>
#include <QDropEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace clefmark {
namespace {

    class RecordingTest : public testing::Test {
    protected:
        RecordingTest()
        {
            auto* content = new QWidget;
            content->setMinimumSize(181, 378);
            window.setCentralWidget(content);
            auto* meter = new QWidget(content);
            meter->setObjectName(QStringLiteral("tunerMeter"));
            QMenu* menu = window.menuBar()->addMenu(QStringLiteral("Tuner"));
            for (const char* name : { "actionOpenRecording", "actionListenToInput", "actionPause" })
                menu->addAction(QString::fromLatin1(name))
                    ->setObjectName(QString::fromLatin1(name));

            auto simulated = std::make_unique<SimulatedAudioHardware>();
            live = simulated.get();
            microphone = live->addDevice(test::floatFormat(44100));
            live->setDefaultInputDevice(microphone);
            input = std::make_unique<InputSwitch>(std::move(simulated));
            test::writeFloatFile(
                dir.file("a4.wav"), test::sine16(440.0, 22050, 0.5, 4410), 1, 22050);
            test::writeFloatFile(
                dir.file("e4.wav"), test::sine16(329.6, 22050, 0.5, 4410), 1, 22050);
            test::writeBytes(dir.file("notes.txt"), "Tune the A string.\n");
            // Nothing writes to it: opened as a file is, it would hold up the
            // window for good.
            ::mkfifo(dir.file("fifo.wav").c_str(), 0600);

            Controller::Services s;
            s.tuner = [this](Controller&) -> Tuner& {
                tuner = std::make_unique<Tuner>(defaults, mainThread, input.get());
                return *tuner;
            };
            s.alert = [this](const QString& title) { alerts.push_back(title); };
            s.playFile = [this](const QString& path) {
                return QString::fromStdString(input->playFile(path.toStdString()));
            };
            s.listenToInput = [this] { input->listenToInput(); };
            s.chooseRecording = [this] { return chosen; };
            controller = std::make_unique<Controller>(std::move(s));
            controller->connectOutlets(&window);
            EXPECT_TRUE(controller->awakeFromNib());
            controller->applicationDidFinishLaunching();
        }
        ~RecordingTest() override { controller->applicationWillTerminate(); }

        QAction* action(const char* name)
        {
            return window.findChild<QAction*>(QString::fromLatin1(name));
        }

        // Drags `names` over the window and drops them; whether it took them.
        bool drop(const std::vector<std::string>& names)
        {
            QMimeData data;
            QList<QUrl> urls;
            for (const std::string& name : names)
                urls << (name.find(':') != std::string::npos
                        ? QUrl(QString::fromStdString(name))
                        : QUrl::fromLocalFile(QString::fromStdString(dir.file(name))));
            data.setUrls(urls);
            QDragEnterEvent enter(
                { 10, 10 }, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &enter);
            if (!enter.isAccepted())
                return false;
            QDropEvent dropped(
                { 10.0, 10.0 }, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &dropped);
            QCoreApplication::processEvents(); // the drop is played once it is over
            return true;
        }

        void settle()
        {
            live->waitForListeners();
            input->waitForListeners();
        }

        test::TempDir dir;
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        SimulatedAudioHardware* live = nullptr;
        AudioDeviceID microphone = kNoAudioDevice;
        std::unique_ptr<InputSwitch> input;
        std::unique_ptr<Tuner> tuner;
        QMainWindow window;
        std::unique_ptr<Controller> controller;
        QString chosen;
        std::vector<QString> alerts;
    };

    TEST_F(RecordingTest, OpenRecordingHasItsShortcut)
    {
        EXPECT_EQ(action("actionOpenRecording")->shortcut(), QKeySequence(QKeySequence::Open));
        EXPECT_TRUE(action("actionOpenRecording")->isEnabled());
        EXPECT_FALSE(action("actionListenToInput")->isEnabled());
        EXPECT_EQ(window.windowTitle(), u"");
    }

    // Steps: "open NAME" (chosen in the dialog; "open" alone is cancelled),
    // "drop NAME NAME...", "listen", "pause".
    struct Case {
        std::vector<std::string> steps;
        const char* title;
        const char* heard; // the tuner's input device's name
        const char* alert; // how the one alert begins; empty for none
        friend void PrintTo(const Case& c, std::ostream* os)
        {
            for (const std::string& step : c.steps)
                *os << step << "; ";
        }
    };

    class RecordingCommands : public RecordingTest, public testing::WithParamInterface<Case> { };

    TEST_P(RecordingCommands, PlayWhatWasChosenAndSayItInTheTitle)
    {
        const Case& c = GetParam();
        for (const std::string& step : c.steps) {
            const std::string verb = step.substr(0, step.find(' '));
            std::vector<std::string> names;
            for (std::size_t at = step.find(' '); at != std::string::npos;) {
                const std::size_t next = step.find(' ', at + 1);
                names.push_back(step.substr(at + 1, next - at - 1));
                at = next;
            }
            if (verb == "open") {
                chosen = names.empty() ? QString() : QString::fromStdString(dir.file(names[0]));
                action("actionOpenRecording")->trigger();
            } else if (verb == "drop") {
                const bool taken = drop(names);
                EXPECT_EQ(taken, names[0].find(':') == std::string::npos) << step;
            } else if (verb == "listen") {
                action("actionListenToInput")->trigger();
            } else if (verb == "pause") {
                action("actionPause")->trigger();
            }
            settle();
        }
        EXPECT_EQ(window.windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(tuner->inputDeviceName(), c.heard);
        EXPECT_EQ(tuner->captureState(), CaptureState::Running);
        const bool playing = std::string(c.heard).find(".wav") != std::string::npos;
        EXPECT_EQ(action("actionListenToInput")->isEnabled(), playing);
        EXPECT_EQ(live->isRunning(microphone), !playing);
        std::vector<std::string> said;
        for (const QString& alert : alerts)
            said.push_back(alert.left(static_cast<qsizetype>(QString::fromUtf8(c.alert).size()))
                               .toStdString());
        EXPECT_EQ(said,
            *c.alert == '\0' ? std::vector<std::string> {} : std::vector<std::string> { c.alert });
    }

    INSTANTIATE_TEST_SUITE_P(Table, RecordingCommands,
        testing::Values(Case { { "open a4.wav" }, "a4.wav — Clefmark", "a4.wav", "" },
            Case { { "open a4.wav", "pause" }, "a4.wav — Clefmark (Paused)", "a4.wav", "" },
            Case { { "pause", "open a4.wav" }, "a4.wav — Clefmark (Paused)", "a4.wav", "" },
            Case { { "open" }, "", "Simulated input 1", "" },
            Case { { "open a4.wav", "open e4.wav" }, "e4.wav — Clefmark", "e4.wav", "" },
            Case { { "drop e4.wav a4.wav" }, "e4.wav — Clefmark", "e4.wav", "" },
            Case { { "drop https://example.org/a4.wav" }, "", "Simulated input 1", "" },
            Case { { "open a4.wav", "listen" }, "Clefmark", "Simulated input 1", "" },
            Case { { "open a4.wav", "pause", "listen" }, "Clefmark (Paused)", "Simulated input 1",
                "" },
            // A file that cannot be played leaves what was heard.
            Case { { "open a4.wav", "open notes.txt" }, "a4.wav — Clefmark", "a4.wav",
                "Clefmark cannot play “notes.txt”: not an audio file (" },
            Case { { "drop missing.wav" }, "", "Simulated input 1",
                "Clefmark cannot play “missing.wav”: no such file." },
            Case { { "open a4.wav", "open fifo.wav" }, "a4.wav — Clefmark", "a4.wav",
                "Clefmark cannot play “fifo.wav”: is a pipe, not a regular file." },
            Case { { "drop fifo.wav" }, "", "Simulated input 1",
                "Clefmark cannot play “fifo.wav”: is a pipe, not a regular file." }));

} // namespace
} // namespace clefmark
