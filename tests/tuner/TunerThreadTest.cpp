// The engine shared between an input thread and the main thread, as in the
// program. Run under ThreadSanitizer (the tsan preset) it checks that nothing
// is shared without an atomic.
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/Feed.h"
#include "tests/support/Recorders.h"
#include "tests/support/Signals.h"
#include "tuner/Tuner.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace clefmark {
namespace {

    TEST(TunerThreads, SettingsFlipWhileTheChainRuns)
    {
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        Tuner tuner(defaults, mainThread);
        test::RecordingDisplays displays;
        tuner.setLevelMeter(&displays);
        tuner.setTunerMeter(&displays);
        tuner.setClefmark(&displays);
        tuner.setStatusIndicator(&displays);
        ASSERT_EQ(tuner.configureCapture(test::floatFormat(44100)), "");

        // Two notes an octave apart, so the guard, the averaging and new notes
        // all come into play.
        std::vector<float> tone = test::periodicSine(100, 0.5f, 2004 * 8);
        const std::vector<float> octave = test::periodicSine(50, 0.5f, 2004 * 4);
        tone.insert(tone.end(), octave.begin(), octave.end());

        constexpr int kRounds = 400;
        std::atomic<bool> done { false };
        std::thread input([&] {
            for (int round = 0; round < kRounds; ++round)
                test::feed(tuner, tone, 1, 441);
            done.store(true, std::memory_order_release);
        });

        int flips = 0;
        while (!done.load(std::memory_order_acquire) || flips < 4000) {
            tuner.setReferencePitch(420 + flips % 41);
            tuner.setOctaveRejection(flips % 3 == 0);
            tuner.setCloseEnough(flips % 2 == 0);
            tuner.setTransposition(flips % 5 - 2);
            tuner.setSecondOpinion(flips % 7 < 3);
            tuner.setPause(flips % 97 == 0);
            (void)tuner.lastUpdate();
            mainThread.runPending();
            ++flips;
        }
        input.join();
        tuner.setPause(false);
        mainThread.runPending();

        EXPECT_GE(flips, 4000);
        EXPECT_FALSE(displays.levels.empty());
        for (const DisplayUpdate& u : displays.tunes) {
            ASSERT_GE(u.tune, -25);
            ASSERT_LE(u.tune, 25);
        }
    }

} // namespace
} // namespace clefmark
