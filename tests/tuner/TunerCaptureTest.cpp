// Capture control against simulated hardware: device set-up, following the
// default input device, and the tuner's threads meeting as in the program;
// and the stall guard on its own.
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/Feed.h"
#include "tests/support/Recorders.h"
#include "tests/support/Signals.h"
#include "tests/support/SimulatedAudioHardware.h"
#include "tuner/StallGuard.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;

    class CaptureLog final : public CaptureObserver {
    public:
        void captureStateChanged(CaptureState state, const std::string& detail) override
        {
            {
                std::lock_guard lock(mutex);
                states.push_back(state);
                details.push_back(detail);
            }
            changed.notify_all();
        }
        // How often `detail` has been told, once `done` holds or the deadline
        // has passed. Polls too, since silent restarts tell the log nothing.
        std::size_t told(const std::string& detail, const std::function<bool()>& done,
            std::chrono::milliseconds deadline = 20s)
        {
            const auto end = std::chrono::steady_clock::now() + deadline;
            std::unique_lock lock(mutex);
            while (std::chrono::steady_clock::now() < end) {
                lock.unlock();
                const bool finished = done();
                lock.lock();
                if (finished)
                    break;
                changed.wait_for(lock, 5ms);
            }
            return static_cast<std::size_t>(std::count(details.begin(), details.end(), detail));
        }
        std::mutex mutex;
        std::condition_variable changed;
        std::vector<CaptureState> states;
        std::vector<std::string> details;
    };

    struct CaptureRig {
        explicit CaptureRig(std::chrono::milliseconds stall = kInputStallTimeout)
            : stallTimeout(stall)
        {
            tuner.setLevelMeter(&displays);
            tuner.setTunerMeter(&displays);
            tuner.setClefmark(&displays);
            tuner.setStatusIndicator(&displays);
            tuner.setCaptureObserver(&log);
        }

        AudioDeviceID addDevice(double rate, std::uint32_t channels = 1)
        {
            return hardware.addDevice(test::floatFormat(rate, channels));
        }

        // Makes `device` the default and waits until the tuner has followed.
        void switchTo(AudioDeviceID device)
        {
            hardware.setDefaultInputDevice(device);
            hardware.waitForListeners();
        }

        // Delivers `samples` (mono) to `device` in cycles of 512 frames; false if
        // the device was not running.
        bool play(AudioDeviceID device, const std::vector<float>& samples)
        {
            for (std::size_t done = 0; done < samples.size(); done += 512) {
                const auto n
                    = static_cast<std::uint32_t>(std::min<std::size_t>(512, samples.size() - done));
                if (!hardware.deliverCycle(device, samples.data() + done, n))
                    return false;
            }
            return true;
        }

        SimulatedAudioHardware hardware;
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        test::RecordingDisplays displays;
        CaptureLog log;
        std::chrono::milliseconds stallTimeout;
        Tuner tuner { defaults, mainThread, &hardware, stallTimeout };
    };

    TEST(TunerCapture, SizesTheAnalysisFromTheDeviceRate)
    {
        struct Case {
            double rate;
            std::uint32_t frames;
            int threshold1;
            int threshold2;
        };
        const Case cases[] = { { 22050, 1002, 16, 63 }, { 22528, 1024, 16, 64 },
            { 44100, 2004, 31, 125 }, { 48000, 2181, 34, 136 }, { 96000, 4363, 68, 273 } };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.rate);
            CaptureRig rig;
            const AudioDeviceID device = rig.addDevice(c.rate);
            rig.switchTo(device); // a device change alone starts capture
            EXPECT_EQ(rig.tuner.captureState(), CaptureState::Running);
            rig.tuner.start();
            EXPECT_EQ(rig.tuner.captureState(), CaptureState::Running);
            EXPECT_EQ(rig.tuner.inputDevice(), device);
            EXPECT_EQ(rig.tuner.bufferFrames(), c.frames);
            EXPECT_EQ(rig.tuner.intake().buffer().size(), c.frames);
            EXPECT_EQ(rig.tuner.detector().diThreshold1Value(), c.threshold1);
            EXPECT_EQ(rig.tuner.detector().diThreshold2Value(), c.threshold2);
            EXPECT_TRUE(rig.hardware.isRunning(device));
        }
    }

    TEST(TunerCapture, FollowsTheDefaultDeviceToAnotherRate)
    {
        CaptureRig rig;
        const AudioDeviceID at44 = rig.addDevice(44100);
        const AudioDeviceID at48 = rig.addDevice(48000, 2);
        rig.switchTo(at44);
        rig.tuner.start();
        ASSERT_TRUE(rig.play(at44, test::periodicSine(100, 0.5f, 2004 * 2)));
        rig.tuner.setPause(true);

        rig.switchTo(at48);
        EXPECT_FALSE(rig.hardware.isRunning(at44));
        EXPECT_TRUE(rig.hardware.isRunning(at48));
        EXPECT_EQ(rig.hardware.boundProcCount(at44), 0u);
        EXPECT_EQ(rig.tuner.bufferFrames(), 2181u);
        EXPECT_TRUE(rig.tuner.pause()) << "a device change leaves the pause as it was";

        rig.tuner.setPause(false);
        std::vector<float> stereo;
        for (float x : test::periodicSine(103, 0.5f, 2181)) // 466 Hz
            stereo.insert(stereo.end(), { x, x });
        ASSERT_TRUE(rig.hardware.deliverCycle(at48, stereo.data(), 2181));
        EXPECT_FALSE(rig.play(at44, test::periodicSine(100, 0.5f, 512)));
        rig.mainThread.runPending();
        ASSERT_GE(rig.displays.notes.size(), 3u);
        EXPECT_EQ(rig.displays.notes[0], 57); // 441 Hz
        EXPECT_EQ(rig.displays.notes.back(), 58); // A#4
    }

    TEST(TunerCapture, StartingTwiceLeavesOneProcedure)
    {
        CaptureRig rig;
        const AudioDeviceID device = rig.addDevice(44100);
        rig.switchTo(device);
        rig.tuner.start();
        rig.tuner.start();
        EXPECT_EQ(rig.hardware.boundProcCount(device), 1u);
        EXPECT_EQ(rig.hardware.runningCount(), 1u);
        rig.tuner.stop();
        EXPECT_EQ(rig.hardware.boundProcCount(device), 0u);
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::Stopped);
        rig.tuner.stop(); // again: nothing to do
    }

    TEST(TunerCapture, WithoutADeviceItWaitsSilentlyForOne)
    {
        CaptureRig rig;
        rig.tuner.start();
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::NoDevice);
        EXPECT_EQ(rig.hardware.runningCount(), 0u);
        EXPECT_EQ(rig.mainThread.pendingCount(), 0u);

        const AudioDeviceID device = rig.addDevice(48000);
        rig.switchTo(device);
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::Running);
        EXPECT_TRUE(rig.hardware.isRunning(device));

        rig.switchTo(kNoAudioDevice); // unplugged
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::NoDevice);
        EXPECT_EQ(rig.hardware.runningCount(), 0u);
    }

    TEST(TunerCapture, OtherHardwareChangesDoNothing)
    {
        CaptureRig rig;
        const AudioDeviceID device = rig.addDevice(44100);
        rig.switchTo(device);
        rig.tuner.start();
        ASSERT_TRUE(rig.play(device, test::periodicSine(100, 0.5f, 1000)));
        rig.hardware.announce(AudioHardwareProperty::DefaultOutputDevice);
        rig.hardware.announce(AudioHardwareProperty::Devices);
        rig.hardware.waitForListeners();
        EXPECT_EQ(rig.tuner.bufferOffset(), 1000u) << "no restart: the part block is kept";
    }

    TEST(TunerCapture, UnusableFormatsAreNotStarted)
    {
        CaptureRig rig;
        const AudioDeviceID unreadable = rig.addDevice(44100);
        rig.hardware.setFormatReadable(unreadable, false);
        const AudioDeviceID tooSlow = rig.addDevice(1000);
        const AudioDeviceID good = rig.addDevice(44100);

        rig.switchTo(unreadable);
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::FormatUnusable);
        EXPECT_EQ(rig.hardware.runningCount(), 0u);

        rig.switchTo(tooSlow);
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::FormatUnusable);
        EXPECT_EQ(rig.hardware.runningCount(), 0u);

        rig.switchTo(good);
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::Running);

        std::lock_guard lock(rig.log.mutex);
        ASSERT_EQ(rig.log.states.size(), 3u);
        EXPECT_EQ(rig.log.details[0], "the input device's format cannot be read");
        EXPECT_EQ(rig.log.details[1],
            "the input device's sample rate 1000 Hz cannot be analysed (1408 to 1441791 Hz can)");
    }

    // A stream that stops delivering without ending is restarted, and said
    // once until input comes again; one that has delivered all it ever will
    // is left alone.
    TEST(TunerCapture, CaptureThatFallsSilentRestartsAndSaysSoOnce)
    {
        CaptureRig rig(40ms);
        const AudioDeviceID device = rig.addDevice(44100);
        rig.switchTo(device);
        EXPECT_EQ(rig.tuner.inputDeviceName(), "Simulated input " + std::to_string(device));
        const auto restarts = [&] { return rig.hardware.startCount(device); };
        EXPECT_EQ(rig.log.told(kInputStalledDetail, [&] { return restarts() >= 4; }), 1u);

        ASSERT_TRUE(rig.play(device, std::vector<float>(512, 0.0f)));
        const std::size_t before = restarts();
        EXPECT_EQ(rig.log.told(kInputStalledDetail, [&] { return restarts() >= before + 2; }), 2u);
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::Running);

        rig.hardware.setExhausted(device, true);
        // Takes the capture lock: a restart decided before is over.
        rig.tuner.setCaptureObserver(&rig.log);
        const std::size_t last = restarts();
        rig.log.told(
            kInputStalledDetail, [&] { return restarts() > last; }, 400ms);
        EXPECT_EQ(restarts(), last);
    }

    // Why capture restarted is told until sound comes again, and no longer:
    // cycles of exact zeros are no sound, so the first why stands until the
    // second replaces it, and only the tone ends that one.
    TEST(TunerCapture, WhyCaptureRestartedStandsUntilSoundComesAgain)
    {
        CaptureRig rig;
        const AudioDeviceID device = rig.addDevice(44100);
        rig.switchTo(device);
        rig.hardware.announce(AudioHardwareProperty::DeviceStreamEnded);
        rig.hardware.waitForListeners();
        ASSERT_TRUE(rig.play(device, std::vector<float>(4096, 0.0f)));
        // Then no cycle at all: the stall guard looks at the zeros a few times
        // before it tells of the stall.
        ASSERT_EQ(rig.log.told(kInputStalledDetail,
                      [&] {
                          std::lock_guard lock(rig.log.mutex);
                          return rig.log.details.size() >= 3;
                      }),
            1u);
        const std::vector<float> tone = test::periodicSine(100, 0.5f, 512);
        rig.log.told("", [&] {
            rig.play(device, tone);
            std::lock_guard lock(rig.log.mutex);
            return rig.log.details.size() >= 4;
        });
        std::lock_guard lock(rig.log.mutex);
        EXPECT_EQ(rig.log.details,
            (std::vector<std::string> { "", kRecordingEndedDetail, kInputStalledDetail, "" }));
        EXPECT_EQ(rig.log.states.back(), CaptureState::Running);
    }

    // Exact zeros for 2 s: a stream that carried sound has gone wrong (as a
    // suspended and resumed device's does) and is restarted once; an input
    // silent from its start, or again after that restart, is a muted
    // microphone: said once and never restarted for it. A recording's silence
    // is the recording's. Then twice the zeros another report would need, and
    // no cycle at all: the guard looks at them a few times before it tells of
    // the stall, so anything more it had to say would come before.
    TEST(TunerCapture, DigitalSilenceRestartsCaptureOnceThenIsSaidOnce)
    {
        struct Case {
            const char* name;
            bool soundFirst;
            bool recording;
            std::vector<std::string> told; // after the start's
            std::size_t starts; // the start's and the stall's included
        };
        const Case cases[] = {
            { "a muted microphone", false, false, { kSilentInputDetail }, 2 },
            { "a stream gone silent", true, false, { kDigitalSilenceDetail, kSilentInputDetail },
                3 },
            { "a recording", true, true, {}, 2 },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name);
            CaptureRig rig;
            const AudioDeviceID device = rig.addDevice(44100);
            rig.hardware.setRecording(device, c.recording);
            rig.switchTo(device);
            if (c.soundFirst) {
                ASSERT_TRUE(rig.play(device, test::periodicSine(100, 0.5f, 512)));
            }
            const auto toldCount = [&] {
                std::lock_guard lock(rig.log.mutex);
                return rig.log.details.size();
            };
            const std::vector<float> zeros(4410, 0.0f); // a tenth of a second
            rig.log.told({}, [&] {
                rig.hardware.deliverCycle(device, zeros.data(), 4410);
                return toldCount() >= 1 + c.told.size();
            });
            for (int i = 0; i < 40; ++i)
                rig.hardware.deliverCycle(device, zeros.data(), 4410);
            rig.log.told(kInputStalledDetail, [&] { return toldCount() >= 2 + c.told.size(); });

            std::vector<std::string> expected { "" };
            expected.insert(expected.end(), c.told.begin(), c.told.end());
            expected.emplace_back(kInputStalledDetail);
            std::lock_guard lock(rig.log.mutex);
            EXPECT_EQ(rig.log.details, expected);
            EXPECT_EQ(rig.hardware.startCount(device), c.starts);
        }
    }

    TEST(TunerCapture, NothingRestartsAfterTermination)
    {
        CaptureRig rig;
        const AudioDeviceID first = rig.addDevice(44100);
        const AudioDeviceID second = rig.addDevice(48000);
        rig.switchTo(first);
        rig.tuner.start();
        rig.tuner.applicationWillTerminate();
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::Terminated);
        EXPECT_EQ(rig.hardware.runningCount(), 0u);
        rig.switchTo(second);
        rig.tuner.start();
        EXPECT_FALSE(rig.tuner.setInputDevice(second));
        EXPECT_EQ(rig.hardware.runningCount(), 0u);
        EXPECT_EQ(rig.tuner.captureState(), CaptureState::Terminated);
    }

    // The program destroys its back-end after termination, while the shared
    // tuner lives on.
    TEST(TunerCapture, TerminationLetsGoOfTheHardware)
    {
        auto hardware = std::make_unique<SimulatedAudioHardware>();
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        const AudioDeviceID device = hardware->addDevice(test::floatFormat(44100));
        hardware->setDefaultInputDevice(device);
        Tuner tuner(defaults, mainThread, hardware.get());
        tuner.start();
        tuner.applicationWillTerminate();
        hardware.reset();
        tuner.start();
        EXPECT_FALSE(tuner.setInputDevice(device));
        tuner.applicationWillTerminate();
    } // and the tuner's destructor must not reach for it either

    TEST(TunerCapture, ATunerGoneStopsCaptureAndListening)
    {
        SimulatedAudioHardware hardware;
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        const AudioDeviceID device = hardware.addDevice(test::floatFormat(44100));
        hardware.setDefaultInputDevice(device);
        {
            Tuner tuner(defaults, mainThread, &hardware);
            tuner.start();
            EXPECT_TRUE(hardware.isRunning(device));
        }
        EXPECT_EQ(hardware.boundProcCount(device), 0u);
        hardware.setDefaultInputDevice(device); // would reach a dead tuner
        hardware.waitForListeners();
    }

    // A storm of default-device changes on the notification thread while cycles
    // flow on an input thread and the main thread flips the settings. Run under
    // ThreadSanitizer by the tsan preset.
    TEST(TunerCapture, DeviceChangeStorm)
    {
        CaptureRig rig;
        const AudioDeviceID devices[]
            = { rig.addDevice(44100), rig.addDevice(48000), rig.addDevice(22050) };
        rig.switchTo(devices[0]);
        rig.tuner.start();

        const std::vector<float> tone = test::periodicSine(100, 0.5f, 4096);
        std::atomic<bool> done { false };
        std::thread input([&] {
            std::size_t i = 0;
            while (!done.load(std::memory_order_acquire)) {
                for (AudioDeviceID d : devices)
                    rig.hardware.deliverCycle(d, tone.data() + (i % 8) * 512, 512);
                ++i;
            }
        });
        std::thread changer([&] {
            for (int i = 0; i < 1000; ++i)
                rig.hardware.setDefaultInputDevice(devices[i % 3]);
            rig.hardware.waitForListeners();
            done.store(true, std::memory_order_release);
        });

        int flips = 0;
        while (!done.load(std::memory_order_acquire)) {
            rig.tuner.setReferencePitch(420 + flips % 41);
            rig.tuner.setCloseEnough(flips % 2 == 0);
            rig.tuner.setOctaveRejection(flips % 3 == 0);
            rig.tuner.setPause(flips % 50 == 0);
            rig.mainThread.runPending();
            ++flips;
        }
        changer.join();
        input.join();
        rig.mainThread.runPending();

        EXPECT_EQ(rig.tuner.captureState(), CaptureState::Running);
        EXPECT_EQ(rig.tuner.inputDevice(), devices[999 % 3]);
        EXPECT_EQ(rig.hardware.runningCount(), 1u);
        std::size_t bound = 0;
        for (AudioDeviceID d : devices)
            bound += rig.hardware.boundProcCount(d);
        EXPECT_EQ(bound, 1u);
    }

    // One report per stall: a guard that kept reporting would have capture
    // restarted over and over while the restart fails, and one that undid
    // the new arm of a restart made from its report would miss the next stall.
    TEST(StallGuard, ReportsEachStallOnce)
    {
        std::mutex mutex;
        std::condition_variable reported;
        int reports = 0;
        // Every look finds a stall at this timeout, and the first report
        // arms the guard again, as a restart does.
        StallGuard guard(std::chrono::nanoseconds(1), [&] {
            bool restart = false;
            {
                std::lock_guard lock(mutex);
                restart = ++reports == 1;
            }
            if (restart)
                guard.arm();
            reported.notify_all();
        });
        guard.arm();
        std::unique_lock lock(mutex);
        // Reported at once; the limit only keeps a lost report from hanging
        // the test.
        ASSERT_TRUE(reported.wait_for(lock, 10s, [&] { return reports >= 2; })) << reports;
        // A guard left armed by its report would report again at its next
        // look, microseconds away: a tenth of a second is thousands of looks.
        // A machine too busy to run the guard could only hide that, never
        // fail a sound guard.
        EXPECT_FALSE(reported.wait_for(lock, 100ms, [&] { return reports > 2; })) << reports;
    }

} // namespace
} // namespace clefmark
