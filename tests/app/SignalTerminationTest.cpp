#include "app/SignalTermination.h"

#include "app/Application.h"
#include "app/Controller.h"
#include "desktop/IniUserDefaults.h"
#include "desktop/QtMainThread.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Feed.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/SimulatedAudioHardware.h"
#include "tuner/Tuner.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace clefmark {
namespace {

    using test::processEventsUntil;

    class CaughtSignal : public testing::TestWithParam<int> { };

    TEST_P(CaughtSignal, ReachesTheEventLoopOnce)
    {
        std::vector<int> caught;
        {
            SignalTermination termination([&](int signal) { caught.push_back(signal); });
            ASSERT_TRUE(termination.isActive());
            std::raise(GetParam());
            EXPECT_TRUE(processEventsUntil([&] { return !caught.empty(); }));
        }
        EXPECT_EQ(caught, std::vector<int> { GetParam() });
    }

    INSTANTIATE_TEST_SUITE_P(Signals, CaughtSignal, testing::Values(SIGTERM, SIGINT, SIGHUP),
        [](const testing::TestParamInfo<int>& info) {
            return std::string(sigabbrev_np(info.param));
        });

    TEST(SignalTermination, ASignalIgnoredByTheParentStaysIgnored)
    {
        struct sigaction ignore { };
        ignore.sa_handler = SIG_IGN;
        struct sigaction previous { };
        ::sigaction(SIGHUP, &ignore, &previous);
        int calls = 0;
        {
            SignalTermination termination([&](int) { ++calls; });
            std::raise(SIGHUP); // as under nohup: nothing happens at all
            processEventsUntil([] { return false; }, 100);
        }
        struct sigaction after { };
        ::sigaction(SIGHUP, &previous, &after);
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(after.sa_handler, SIG_IGN);
    }

    // A running program, as far as termination is concerned: a tuner capturing
    // from simulated hardware, saving to an INI file, and a controller wired to
    // the application's ways out.
    class OrderlyTermination : public testing::Test {
    protected:
        OrderlyTermination()
            : ini(QString::fromStdString(dir.file("Clefmark.ini")))
            , defaults(ini)
            , device(hardware.addDevice(test::floatFormat(44100)))
        {
            hardware.setDefaultInputDevice(device);
            hardware.waitForListeners();
            tuner = std::make_unique<Tuner>(defaults, mainThread, &hardware);
            window.setCentralWidget(new QWidget);
            Controller::Services services;
            services.tuner = [this](Controller&) -> Tuner& { return *tuner; };
            controller = std::make_unique<Controller>(std::move(services));
            controller->connectOutlets(&window);
            EXPECT_TRUE(controller->awakeFromNib());
            auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
            termination.reset(connectOrderlyTermination(*app, *controller));
        }

        /// Runs the event loop as the program does, until something ends it.
        int exec()
        {
            QTimer::singleShot(10000, [] { QCoreApplication::exit(99); }); // never hang
            return QApplication::exec();
        }

        std::string savedSettings() const
        {
            std::ifstream in(ini.toStdString());
            return { std::istreambuf_iterator<char>(in), {} };
        }

        test::TempDir dir;
        QString ini;
        IniUserDefaults defaults;
        QtMainThread mainThread;
        SimulatedAudioHardware hardware;
        AudioDeviceID device;
        std::unique_ptr<Tuner> tuner;
        QMainWindow window;
        std::unique_ptr<Controller> controller;
        std::unique_ptr<SignalTermination> termination;
    };

    TEST_F(OrderlyTermination, SigtermStopsCaptureAndSavesTheSettings)
    {
        ASSERT_TRUE(hardware.isRunning(device));
        tuner->setReferencePitch(437);
        tuner->setCloseEnough(true);
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        EXPECT_EQ(exec(), 0);

        EXPECT_EQ(tuner->captureState(), CaptureState::Terminated);
        EXPECT_FALSE(hardware.isRunning(device));
        const std::string text = savedSettings();
        EXPECT_NE(text.find("ReferencePitchKey=437"), std::string::npos) << text;
        EXPECT_NE(text.find("CloseEnoughKey=true"), std::string::npos) << text;
        EXPECT_NE(text.find("OctaveRejectionKey=false"), std::string::npos) << text;
    }

    TEST_F(OrderlyTermination, ClosingTheLastWindowQuitsAndSavesTheSettings)
    {
        ASSERT_TRUE(QGuiApplication::quitOnLastWindowClosed());
        window.show();
        tuner->setOctaveRejection(true);
        QTimer::singleShot(0, &window, [this] { window.close(); });
        EXPECT_EQ(exec(), 0);
        EXPECT_EQ(tuner->captureState(), CaptureState::Terminated);
        EXPECT_NE(savedSettings().find("OctaveRejectionKey=true"), std::string::npos)
            << savedSettings();
    }

} // namespace
} // namespace clefmark
