#include "audio/InputSwitch.h"

#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/Eventually.h"
#include "tests/support/Feed.h"
#include "tests/support/Signals.h"
#include "tests/support/SimulatedAudioHardware.h"
#include "tuner/Tuner.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <thread>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;

    using test::eventually;

    // A tuner listening through the switch, whose live input is simulated.
    class InputSwitchTest : public testing::Test {
    protected:
        InputSwitchTest()
        {
            auto simulated = std::make_unique<SimulatedAudioHardware>();
            live = simulated.get();
            microphone = live->addDevice(test::floatFormat(44100));
            live->setDefaultInputDevice(microphone);
            input = std::make_unique<InputSwitch>(std::move(simulated));
            test::writeFloatFile(
                dir.file("a4.wav"), test::sine16(440.0, 22050, 0.5, 22050), 1, 22050);
            test::writeFloatFile(
                dir.file("e4.wav"), test::sine16(329.6276, 22050, 0.5, 22050), 1, 22050);
            tuner = std::make_unique<Tuner>(defaults, mainThread, input.get());
            tuner->start();
            settle();
        }
        ~InputSwitchTest() override { tuner->applicationWillTerminate(); }

        // Once every change so far has reached the tuner.
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
    };

    TEST_F(InputSwitchTest, TheTunerFollowsFromTheInputToFilesAndBack)
    {
        ASSERT_TRUE(live->isRunning(microphone));

        ASSERT_EQ(input->playFile(dir.file("a4.wav")), "");
        settle();
        const AudioDeviceID first = tuner->inputDevice();
        EXPECT_GE(first, InputSwitch::kFirstFileDevice);
        EXPECT_EQ(tuner->inputDeviceName(), "a4.wav");
        EXPECT_EQ(tuner->captureState(), CaptureState::Running);
        EXPECT_EQ(live->boundProcCount(microphone), 0u);
        EXPECT_TRUE(eventually([&] {
            mainThread.runPending();
            return tuner->lastUpdate().note == 57;
        }));

        // The live input's changes wait until it is listened to again.
        const AudioDeviceID headset = live->addDevice(test::floatFormat(48000));
        live->setDefaultInputDevice(headset);
        settle();
        EXPECT_EQ(tuner->inputDevice(), first);

        ASSERT_EQ(input->playFile(dir.file("e4.wav")), "");
        settle();
        EXPECT_GT(tuner->inputDevice(), first);
        EXPECT_EQ(tuner->inputDeviceName(), "e4.wav");
        EXPECT_TRUE(eventually([&] {
            mainThread.runPending();
            return tuner->lastUpdate().note == 52;
        }));
        std::string name;
        EXPECT_FALSE(input->deviceName(first, name)) << "the first file is let go";

        input->listenToInput();
        settle();
        EXPECT_FALSE(input->playingFile());
        EXPECT_EQ(tuner->inputDevice(), headset);
        EXPECT_TRUE(live->isRunning(headset));
    }

    struct BadFile {
        const char* name;
        std::function<void(const std::string& path)> write;
        const char* reason;
        friend void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }
    };

    class FilesThatCannotBePlayed : public InputSwitchTest,
                                    public testing::WithParamInterface<BadFile> { };

    TEST_P(FilesThatCannotBePlayed, LeaveTheInputAsItWas)
    {
        const BadFile& c = GetParam();
        c.write(dir.file(c.name));
        const std::size_t starts = live->startCount(microphone);
        EXPECT_NE(input->playFile(dir.file(c.name)).find(c.reason), std::string::npos);
        settle();
        EXPECT_FALSE(input->playingFile());
        EXPECT_EQ(input->defaultInputDevice(), microphone);
        EXPECT_EQ(tuner->inputDevice(), microphone);
        EXPECT_TRUE(live->isRunning(microphone));
        EXPECT_EQ(live->startCount(microphone), starts);
    }

    INSTANTIATE_TEST_SUITE_P(Table, FilesThatCannotBePlayed,
        testing::Values(BadFile { "missing.wav", [](const std::string&) {}, "no such file" },
            BadFile { "notes.txt",
                [](const std::string& path) { test::writeBytes(path, "Tune the A string.\n"); },
                "not an audio file" },
            BadFile { "slow.wav",
                [](const std::string& path) {
                    test::writeFloatFile(path, std::vector<float>(1000, 0.0f), 1, 1000);
                },
                "cannot be analysed" },
            BadFile { "empty.wav",
                [](const std::string& path) { test::writeFloatFile(path, {}, 1, 44100); },
                "it has no sound in it" }));

    // The tuner stops the old device after the switch has happened: that
    // call must still reach the old file, whatever is the default by then.
    TEST_F(InputSwitchTest, AFileSwitchedAwayFromStaysWhileItsProcedureIsBound)
    {
        tuner->applicationWillTerminate();
        ASSERT_EQ(input->playFile(dir.file("a4.wav")), "");
        const AudioDeviceID first = input->defaultInputDevice();
        EXPECT_NE(first, microphone);
        std::atomic<AudioDeviceID> seen { kNoAudioDevice };
        auto proc = [](AudioDeviceID device, const AudioTimeStamp*, const AudioBufferList*,
                        const AudioTimeStamp*, AudioBufferList*, const AudioTimeStamp*,
                        void* data) -> std::int32_t {
            static_cast<std::atomic<AudioDeviceID>*>(data)->store(device);
            return 0;
        };
        ASSERT_TRUE(input->addIOProc(first, proc, &seen));
        ASSERT_TRUE(input->start(first, proc));
        EXPECT_TRUE(eventually([&] { return seen.load() == first; }));

        ASSERT_EQ(input->playFile(dir.file("e4.wav")), "");
        std::string name;
        EXPECT_TRUE(input->deviceName(first, name));
        EXPECT_EQ(name, "a4.wav");
        EXPECT_TRUE(input->stop(first, proc));
        EXPECT_TRUE(input->removeIOProc(first, proc));
        EXPECT_FALSE(input->deviceName(first, name));
        EXPECT_TRUE(input->deviceName(input->defaultInputDevice(), name));
        EXPECT_EQ(name, "e4.wav");
    }

} // namespace
} // namespace clefmark
