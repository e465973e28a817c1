#include "app/Application.h"
#include "app/Controller.h"
#include "app/SignalTermination.h"

#include "platform/QSettingsUserDefaults.h"
#include "platform/QtMainThread.h"
#include "platform/SimulatedAudioHardware.h"
#include "tests/app/QtEnvironment.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Feed.h"
#include "tuner/Tuner.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <memory>

namespace clefmark {
namespace {

using test::processEventsUntil;

class CaughtSignal : public testing::TestWithParam<int> {};

TEST_P(CaughtSignal, ReachesTheEventLoopOnce)
{
    std::vector<int> caught;
    {
        SignalTermination termination([&](int signal) { caught.push_back(signal); });
        ASSERT_TRUE(termination.isActive());
        std::raise(GetParam());
        EXPECT_TRUE(processEventsUntil([&] { return !caught.empty(); }));
    }
    EXPECT_EQ(caught, std::vector<int>{GetParam()});
}

INSTANTIATE_TEST_SUITE_P(Signals, CaughtSignal, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(sigabbrev_np(info.param));
                         });

TEST(SignalTermination, ASignalIgnoredByTheParentStaysIgnored)
{
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous {};
    ::sigaction(SIGHUP, &ignore, &previous);
    int calls = 0;
    {
        SignalTermination termination([&](int) { ++calls; });
        std::raise(SIGHUP);  // as under nohup: nothing happens at all
        processEventsUntil([] { return false; }, 100);
    }
    struct sigaction after {};
    ::sigaction(SIGHUP, &previous, &after);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
}

TEST(OrderlyTermination, SigtermStopsCaptureAndSavesTheSettings)
{
    test::TempDir dir;
    const QString ini = QString::fromStdString(dir.file("Clefmark.ini"));
    QSettingsUserDefaults defaults(ini);
    QtMainThread mainThread;
    SimulatedAudioHardware hardware;
    const AudioDeviceID device = hardware.addDevice(test::floatFormat(44100));
    hardware.setDefaultInputDevice(device);
    hardware.waitForListeners();
    Tuner tuner(defaults, mainThread, &hardware);

    QMainWindow window;
    auto* content = new QWidget;
    window.setCentralWidget(content);
    Controller::Services services;
    services.tuner = [&]() -> Tuner& { return tuner; };
    Controller controller(std::move(services));
    controller.connectOutlets(&window);
    ASSERT_TRUE(controller.awakeFromNib());
    ASSERT_TRUE(hardware.isRunning(device));

    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    std::unique_ptr<SignalTermination> termination(connectOrderlyTermination(*app, controller));
    tuner.setReferencePitch(437);
    tuner.setCloseEnough(true);

    QTimer::singleShot(0, [] { std::raise(SIGTERM); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });  // never hang
    EXPECT_EQ(QApplication::exec(), 0);

    EXPECT_EQ(tuner.captureState(), CaptureState::Terminated);
    EXPECT_FALSE(hardware.isRunning(device));
    std::ifstream in(ini.toStdString());
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("ReferencePitchKey=437"), std::string::npos) << text;
    EXPECT_NE(text.find("CloseEnoughKey=true"), std::string::npos) << text;
    EXPECT_NE(text.find("OctaveRejectionKey=false"), std::string::npos) << text;
}

}  // namespace
}  // namespace clefmark
