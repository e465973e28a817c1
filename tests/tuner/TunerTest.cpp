#include "tuner/Tuner.h"

#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/Feed.h"
#include "tests/support/Recorders.h"
#include "tests/support/Signals.h"

#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace clefmark {
namespace {

    using test::feed;
    using test::floatFormat;

    // A tuner with in-memory defaults, a main thread the test runs by hand and
    // recording displays attached.
    struct TunerRig {
        TunerRig()
        {
            tuner.setLevelMeter(&displays);
            tuner.setTunerMeter(&displays);
            tuner.setClefmark(&displays);
            tuner.setStatusIndicator(&displays);
        }

        // Plays `frames` samples of an exactly periodic tone of rate/period Hz.
        void play(std::size_t period, float amplitude, std::size_t frames)
        {
            feed(tuner, test::periodicSine(period, amplitude, frames));
        }

        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        Tuner tuner { defaults, mainThread };
        test::RecordingDisplays displays;
    };

    TEST(TunerSettings, FirstLaunchUsesDefaultsAndTerminationSavesThem)
    {
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        {
            Tuner tuner(defaults, mainThread);
            EXPECT_TRUE(tuner.isFirstLaunch());
            EXPECT_EQ(tuner.referencePitch(), 440);
            EXPECT_FALSE(tuner.octaveRejection());
            EXPECT_FALSE(tuner.closeEnough());
            EXPECT_FALSE(defaults.hasValue(kReferencePitchKey)) << "registering writes nothing";

            tuner.setReferencePitch(445);
            tuner.setOctaveRejection(true);
            tuner.setTransposition(-7);
            tuner.setFlatNames(true);
            tuner.setSecondOpinion(true);
            EXPECT_EQ(tuner.noteNaming(), std::nullopt) << "the language's until chosen";
            EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 445) << "saved at once";
            EXPECT_TRUE(defaults.boolForKey(kOctaveRejectionKey)) << "saved at once";
            EXPECT_FALSE(defaults.hasValue(kCloseEnoughKey)) << "unchanged until termination";
            tuner.applicationWillTerminate();
        }
        Tuner next(defaults, mainThread);
        EXPECT_FALSE(next.isFirstLaunch());
        EXPECT_EQ(next.referencePitch(), 445);
        EXPECT_TRUE(next.octaveRejection());
        EXPECT_FALSE(next.closeEnough());
        EXPECT_TRUE(defaults.hasValue(kCloseEnoughKey));
        EXPECT_EQ(next.transposition(), -7);
        EXPECT_TRUE(next.flatNames());
        EXPECT_TRUE(next.secondOpinion());
        EXPECT_FALSE(defaults.hasValue(kNoteNamingKey)) << "the language's names are not stored";

        next.setNoteNaming(NoteNaming::German);
        EXPECT_EQ(Tuner(defaults, mainThread).noteNaming(), NoteNaming::German);
        // A number that names no system, edited by hand, leaves it to the language.
        defaults.setInteger(kNoteNamingKey, 7);
        EXPECT_EQ(Tuner(defaults, mainThread).noteNaming(), std::nullopt);
    }

    TEST(TunerSettings, StoredReferenceOutsideTheRangeTakesTheNearerLimit)
    {
        const std::pair<int, int> cases[] = { { 100, 420 }, { 419, 420 }, { 420, 420 },
            { 433, 433 }, { 460, 460 }, { 461, 460 }, { -5, 420 } };
        for (const auto& [stored, used] : cases) {
            MemoryUserDefaults defaults;
            defaults.setInteger(kReferencePitchKey, stored);
            QueuedMainThread mainThread;
            Tuner tuner(defaults, mainThread);
            EXPECT_EQ(tuner.referencePitch(), used) << stored;
            EXPECT_FALSE(tuner.isFirstLaunch());
        }
    }

    TEST(TunerSettings, SharedInstanceIsCreatedOnce)
    {
        EXPECT_THROW(Tuner::sharedInstance(), std::logic_error);
        static MemoryUserDefaults first;
        static MemoryUserDefaults second;
        static QueuedMainThread mainThread;
        first.setInteger(kReferencePitchKey, 442);
        second.setInteger(kReferencePitchKey, 450);
        Tuner& shared = Tuner::sharedInstance(first, mainThread);
        EXPECT_EQ(&Tuner::sharedInstance(second, mainThread), &shared);
        EXPECT_EQ(&Tuner::sharedInstance(), &shared);
        EXPECT_EQ(shared.referencePitch(), 442);
    }

    TEST(TunerChain, A441HzSinePostsNoteTuneStatusAndLevel)
    {
        TunerRig rig;
        rig.tuner.setReadingDisplay(&rig.displays);
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
        EXPECT_EQ(rig.tuner.bufferFrames(), 2004u);
        rig.play(100, 0.5f, 2004);
        EXPECT_EQ(rig.mainThread.runPending(), 1u) << "one wake-up for the block";
        const std::vector<std::string> expected { "tune 2 out", "note 57", "increment", "level 5" };
        EXPECT_EQ(rig.displays.log, expected);
        ASSERT_EQ(rig.displays.readings.size(), 1u);
        EXPECT_EQ(rig.displays.readings[0], std::pair(5, std::optional(441.0f)));
        EXPECT_EQ(rig.tuner.tracker().saveFrequency(), 441.0f);
        EXPECT_EQ(rig.tuner.lastUpdate(), (DisplayUpdate { 2, false, 57 }));
    }

    TEST(TunerChain, SilenceSendsOnlyTheLevel)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(48000)), "");
        feed(rig.tuner, std::vector<float>(2181 * 3, 0.0f));
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.levels, (std::vector<int> { 0, 0, 0 }));
        EXPECT_TRUE(rig.displays.tunes.empty());
        EXPECT_EQ(rig.displays.increments, 0);
    }

    TEST(TunerChain, RefusedRateAnalysesNothing)
    {
        TunerRig rig;
        const std::string why = rig.tuner.configureCapture(floatFormat(0));
        EXPECT_NE(why.find("sample rate 0 Hz"), std::string::npos) << why;
        EXPECT_FALSE(rig.tuner.isCaptureConfigured());
        rig.play(100, 0.5f, 8000);
        EXPECT_EQ(rig.mainThread.pendingCount(), 0u);

        // A later good format works.
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
        rig.play(100, 0.5f, 2004);
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.notes, std::vector<int> { 57 });
    }

    TEST(TunerChain, PauseDropsCyclesAndKeepsThePartBlock)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
        rig.play(100, 0.5f, 1000);
        EXPECT_EQ(rig.tuner.bufferOffset(), 1000u);
        rig.tuner.setPause(true);
        rig.play(100, 0.5f, 5000);
        EXPECT_EQ(rig.tuner.bufferOffset(), 1000u);
        rig.tuner.setPause(false);
        EXPECT_EQ(rig.tuner.bufferOffset(), 1000u);
        rig.play(100, 0.5f, 1004);
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.levels.size(), 1u);
    }

    TEST(TunerDisplayUpdates, ReferenceChangeMovesTheNeedleAtOnce)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44000)), "");
        rig.play(100, 0.5f, rig.tuner.bufferFrames() * 2); // 440 Hz: 44000 / 100
        rig.mainThread.runPending();
        ASSERT_EQ(rig.displays.tunes.back().tune, 0);

        rig.tuner.setReferencePitch(430);
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.tunes.back().tune, 20);
        EXPECT_EQ(rig.displays.notes.back(), 57);

        // The input thread's own mapping follows the new reference too.
        rig.play(100, 0.5f, rig.tuner.bufferFrames());
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.tunes.back().tune, 20);
    }

    // The user sets a new reference while blocks mapped under the old one
    // would still be on their way.
    TEST(TunerDisplayUpdates, AReferenceSetWhileBlocksWaitIsTheOneTheyShow)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44000)), "");
        rig.play(100, 0.5f, rig.tuner.bufferFrames() * 2); // 440 Hz
        rig.tuner.setReferencePitch(430);
        rig.mainThread.runPending();
        ASSERT_FALSE(rig.displays.tunes.empty());
        for (const DisplayUpdate& shown : rig.displays.tunes)
            EXPECT_EQ(shown.tune, 20) << "nothing under the old reference";
        EXPECT_EQ(rig.tuner.lastUpdate().tune, 20);
    }

    TEST(TunerDisplayUpdates, SettingsBeforeAnyPitch)
    {
        TunerRig rig;
        rig.tuner.setReferencePitch(430);
        rig.tuner.setOctaveRejection(true);
        EXPECT_EQ(rig.mainThread.pendingCount(), 0u) << "nothing to re-map, nothing to send";

        rig.tuner.setCloseEnough(true);
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.log, (std::vector<std::string> { "tune 0 in", "note 0" }));
    }

    TEST(TunerDisplayUpdates, LeniencyRejudgesTheLastTuneValue)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
        rig.play(100, 0.5f, 2004); // 441 Hz: +2, out of tune even when lenient
        rig.mainThread.runPending();
        rig.displays.log.clear();
        rig.tuner.setCloseEnough(true);
        rig.tuner.setCloseEnough(false);
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.log,
            (std::vector<std::string> { "tune 2 out", "note 57", "tune 2 out", "note 57" }));
    }

    TEST(TunerDisplayUpdates, TranspositionMovesTheNoteAndNothingElse)
    {
        struct Reports final : AnalysisObserver {
            void blockAnalysed(const BlockReport& report) override { last = report; }
            BlockReport last;
        };
        // Set, and used: beyond two octaves either way the nearer limit.
        const std::pair<int, int> cases[]
            = { { 0, 0 }, { 2, 2 }, { 21, 21 }, { -24, -24 }, { 25, 24 }, { -99, -24 } };
        for (const auto& [set, used] : cases) {
            SCOPED_TRACE(set);
            TunerRig rig;
            Reports reports;
            rig.tuner.setAnalysisObserver(&reports);
            rig.tuner.setTransposition(set);
            EXPECT_EQ(rig.mainThread.pendingCount(), 0u) << "no note yet, nothing to re-send";
            EXPECT_EQ(rig.tuner.transposition(), used);
            EXPECT_EQ(rig.defaults.integerForKey(kTranspositionKey), used) << "saved at once";
            ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
            rig.play(100, 0.5f, 2004); // 441 Hz: A4 (57), +2
            rig.mainThread.runPending();
            const std::string written = "note " + std::to_string(57 + used);
            EXPECT_EQ(rig.displays.log,
                (std::vector<std::string> { "tune 2 out", written, "increment", "level 5" }));
            EXPECT_EQ(reports.last.update, (DisplayUpdate { 2, false, 57 + used }));
            EXPECT_EQ(reports.last.frequency, 441.0f);
            EXPECT_EQ(rig.tuner.lastUpdate(), (DisplayUpdate { 2, false, 57 + used }));

            // Back to concert pitch: the staff shows the sounding note at once.
            rig.displays.log.clear();
            rig.tuner.setTransposition(0);
            rig.mainThread.runPending();
            EXPECT_EQ(rig.displays.log, (std::vector<std::string> { "tune 2 out", "note 57" }));
        }
    }

    TEST(TunerDisplayUpdates, DetachedDisplaysReceiveNothingMore)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
        rig.play(100, 0.5f, 2004);
        // Queued but not yet delivered when the displays go away.
        rig.tuner.setLevelMeter(nullptr);
        rig.tuner.setTunerMeter(nullptr);
        rig.tuner.setClefmark(nullptr);
        rig.tuner.setStatusIndicator(nullptr);
        rig.mainThread.runPending();
        EXPECT_TRUE(rig.displays.log.empty());
        rig.play(100, 0.5f, 2004);
        rig.mainThread.runPending();
        EXPECT_TRUE(rig.displays.log.empty());
    }

    // A main thread held up for longer than the ring holds: the input
    // thread drops the newest and counts them rather than wait.
    TEST(TunerDisplayUpdates, AFullRingDropsAndCounts)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
        constexpr std::size_t kExtra = 5;
        feed(rig.tuner, std::vector<float>((Tuner::kDeliveryCapacity + kExtra) * 2004, 0.0f));
        EXPECT_EQ(rig.tuner.droppedBlocks(), kExtra);
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.levels.size(), Tuner::kDeliveryCapacity);
        feed(rig.tuner, std::vector<float>(2004, 0.0f));
        rig.mainThread.runPending();
        EXPECT_EQ(rig.displays.levels.size(), Tuner::kDeliveryCapacity + 1) << "room again";
    }

    TEST(TunerDisplayUpdates, DeliveriesAfterTheTunerIsGoneAreDropped)
    {
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        test::RecordingDisplays displays;
        {
            Tuner tuner(defaults, mainThread);
            tuner.setLevelMeter(&displays);
            ASSERT_EQ(tuner.configureCapture(floatFormat(44100)), "");
            feed(tuner, test::periodicSine(100, 0.5f, 2004));
        }
        EXPECT_EQ(mainThread.runPending(), 0u);
        EXPECT_TRUE(displays.log.empty());
    }

    TEST(TunerDisplayUpdates, DeviceChangeStartsANewNote)
    {
        TunerRig rig;
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(44100)), "");
        rig.play(100, 0.5f, 2004 * 3);
        EXPECT_EQ(rig.tuner.tracker().fStackIndex(), 2);
        ASSERT_EQ(rig.tuner.configureCapture(floatFormat(48000)), "");
        EXPECT_EQ(rig.tuner.bufferFrames(), 2181u);
        EXPECT_EQ(rig.tuner.bufferOffset(), 0u);
        rig.play(100, 0.5f, 2181); // 480 Hz
        EXPECT_EQ(rig.tuner.tracker().fStackIndex(), 0);
        EXPECT_EQ(rig.tuner.tracker().saveFrequency(), 480.0f);
    }

} // namespace
} // namespace clefmark
