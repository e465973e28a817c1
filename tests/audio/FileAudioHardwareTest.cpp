#include "audio/FileAudioHardware.h"

#include "tests/support/AudioFiles.h"
#include "tests/support/Eventually.h"
#include "tests/support/Signals.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;
    using Clock = std::chrono::steady_clock;
    using test::TempDir;

    // Time that passes only as the device sleeps: each sleep ends at once, at
    // its deadline, unless a stop was asked for.
    struct StepClock final : PlaybackClock {
        Clock::time_point time = Clock::time_point() + std::chrono::hours(1);
        Clock::time_point now() override { return time; }
        bool sleepUntil(std::unique_lock<std::mutex>&, std::condition_variable&,
            Clock::time_point deadline, const bool& stopRequested) override
        {
            time = std::max(time, deadline);
            return stopRequested;
        }
    };

    // What the input procedure saw, cycle by cycle. Written on the input thread
    // under the mutex; the test reads it under the mutex too.
    struct Recording {
        struct Cycle {
            std::uint32_t frames = 0;
            std::uint32_t channels = 0;
            std::uint32_t buffers = 0;
            double sampleTime = 0;
            Clock::time_point at {}; // by `clock`, when there is one
        };
        std::mutex mutex;
        std::vector<Cycle> cycles;
        std::vector<float> samples;
        std::atomic<int> count { 0 };
        std::atomic<bool> inProc { false };
        std::atomic<int> stopFromInside { -1 }; // what `stop` said when called by the procedure
        FileAudioHardware* hardware = nullptr;
        StepClock* clock = nullptr;

        std::vector<Cycle> cyclesSoFar()
        {
            std::lock_guard lock(mutex);
            return cycles;
        }
        std::vector<float> samplesSoFar()
        {
            std::lock_guard lock(mutex);
            return samples;
        }
    };

    std::int32_t recordCycle(AudioDeviceID, const AudioTimeStamp*, const AudioBufferList* input,
        const AudioTimeStamp* inputTime, AudioBufferList*, const AudioTimeStamp*, void* clientData)
    {
        auto& r = *static_cast<Recording*>(clientData);
        r.inProc.store(true);
        {
            std::lock_guard lock(r.mutex);
            const AudioBuffer& buffer = input->buffers[0];
            const auto* data = static_cast<const float*>(buffer.data);
            const std::uint32_t values = buffer.dataByteSize / sizeof(float);
            r.cycles.push_back({ values / buffer.numberChannels, buffer.numberChannels,
                input->numberBuffers, inputTime->sampleTime,
                r.clock != nullptr ? r.clock->now() : Clock::time_point() });
            r.samples.insert(r.samples.end(), data, data + values);
        }
        if (r.hardware != nullptr && r.stopFromInside.load() < 0)
            r.stopFromInside.store(
                r.hardware->stop(FileAudioHardware::kDevice, &recordCycle) ? 1 : 0);
        r.count.fetch_add(1);
        r.inProc.store(false);
        return 0;
    }

    std::int32_t otherProc(AudioDeviceID, const AudioTimeStamp*, const AudioBufferList*,
        const AudioTimeStamp*, AudioBufferList*, const AudioTimeStamp*, void*)
    {
        return 0;
    }

    std::vector<float> interleavedNoise(std::size_t frames, int channels)
    {
        return test::noise(0.5f, frames * static_cast<std::size_t>(channels), 3);
    }

    bool waitFor(const std::atomic<int>& count, int atLeast)
    {
        return test::eventually([&] { return count.load() >= atLeast; });
    }

    TEST(FileAudioHardware, PlaysTheFileWholeInOrderInCyclesAtTheRateOfASoundCard)
    {
        struct Case {
            std::uint32_t cycle;
            int channels;
            int rate;
            std::size_t frames;
        };
        // About a quarter of a second each, played by a clock of the test's
        // own: each cycle must come when its last frame would have arrived.
        const Case cases[] = {
            { 512, 1, 44100, 11025 }, { 300, 2, 48000, 12000 },
            { 4096, 1, 22050, 4096 * 2 }, // ends on a whole cycle
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.cycle << " frames, " << c.channels << " channels");
            TempDir dir;
            const std::vector<float> samples = interleavedNoise(c.frames, c.channels);
            test::writeFloatFile(dir.file("take.wav"), samples, c.channels, c.rate);

            StepClock clock;
            const Clock::time_point begin = clock.time;
            FileAudioHardware hardware(c.cycle, false, clock);
            ASSERT_TRUE(hardware.open(dir.file("take.wav"))) << hardware.error();
            Recording recording;
            recording.clock = &clock;
            ASSERT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &recording));
            ASSERT_TRUE(hardware.start(FileAudioHardware::kDevice, &recordCycle));
            ASSERT_TRUE(hardware.waitUntilFinished(test::kHangGuard));
            ASSERT_TRUE(hardware.stop(FileAudioHardware::kDevice, &recordCycle));

            EXPECT_EQ(recording.samplesSoFar(), samples);
            const std::vector<Recording::Cycle> cycles = recording.cyclesSoFar();
            ASSERT_EQ(cycles.size(), (c.frames + c.cycle - 1) / c.cycle);
            double expectedTime = 1;
            for (std::size_t i = 0; i < cycles.size(); ++i) {
                const std::uint32_t frames = i + 1 < cycles.size()
                    ? c.cycle
                    : static_cast<std::uint32_t>(c.frames - i * c.cycle);
                EXPECT_EQ(cycles[i].frames, frames) << "cycle " << i;
                EXPECT_EQ(cycles[i].channels, static_cast<std::uint32_t>(c.channels));
                EXPECT_EQ(cycles[i].buffers, 1u);
                EXPECT_EQ(cycles[i].sampleTime, expectedTime) << "cycle " << i;
                expectedTime += frames;
                const auto arrived = std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>((expectedTime - 1) / c.rate));
                EXPECT_EQ((cycles[i].at - begin).count(), arrived.count()) << "ns, cycle " << i;
            }

            EXPECT_TRUE(hardware.finished());
            EXPECT_FALSE(hardware.isPlaying());
            EXPECT_EQ(hardware.error(), "");
        }
    }

    TEST(FileAudioHardware, LoopingRunsOnAcrossTheEndInWholeCycles)
    {
        TempDir dir;
        const std::vector<float> samples = interleavedNoise(1000, 1);
        test::writeFloatFile(dir.file("loop.wav"), samples, 1, 44100);

        FileAudioHardware hardware(256, true);
        ASSERT_TRUE(hardware.open(dir.file("loop.wav"))) << hardware.error();
        Recording recording;
        ASSERT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &recording));
        ASSERT_TRUE(hardware.start(FileAudioHardware::kDevice, &recordCycle));
        ASSERT_TRUE(waitFor(recording.count, 12));
        ASSERT_TRUE(hardware.stop(FileAudioHardware::kDevice, &recordCycle));
        EXPECT_FALSE(hardware.finished());

        const std::vector<Recording::Cycle> cycles = recording.cyclesSoFar();
        const std::vector<float> got = recording.samplesSoFar();
        ASSERT_GE(cycles.size(), 12u);
        for (std::size_t i = 0; i < cycles.size(); ++i) {
            EXPECT_EQ(cycles[i].frames, 256u) << "cycle " << i;
            EXPECT_EQ(cycles[i].sampleTime, 1.0 + 256.0 * static_cast<double>(i)) << "cycle " << i;
        }
        ASSERT_EQ(got.size(), cycles.size() * 256);
        for (std::size_t i = 0; i < got.size(); ++i)
            ASSERT_EQ(got[i], samples[i % samples.size()]) << "frame " << i;
    }

    TEST(FileAudioHardware, NoCycleRunsOnceStopHasReturnedAndStartGoesOnWhereItStopped)
    {
        TempDir dir;
        const std::vector<float> samples = interleavedNoise(44100, 1);
        test::writeFloatFile(dir.file("second.wav"), samples, 1, 44100);

        FileAudioHardware hardware(128);
        ASSERT_TRUE(hardware.open(dir.file("second.wav"))) << hardware.error();
        Recording recording;
        recording.hardware = &hardware;
        ASSERT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &recording));

        int seen = 0;
        for (int round = 0; round < 3; ++round) {
            ASSERT_TRUE(hardware.start(FileAudioHardware::kDevice, &recordCycle));
            ASSERT_TRUE(waitFor(recording.count, seen + 3)) << "round " << round;
            ASSERT_TRUE(hardware.stop(FileAudioHardware::kDevice, &recordCycle));
            EXPECT_FALSE(recording.inProc.load());
            EXPECT_FALSE(hardware.isPlaying());
            seen = recording.count.load();
            std::this_thread::sleep_for(30ms); // ten cycles' worth
            EXPECT_EQ(recording.count.load(), seen) << "a cycle ran after stop, round " << round;
        }
        // The input thread cannot stop itself: that would wait for itself.
        EXPECT_EQ(recording.stopFromInside.load(), 0);

        // Nothing lost or repeated across the restarts, and the clock kept going.
        const std::vector<float> got = recording.samplesSoFar();
        ASSERT_EQ(got.size(), static_cast<std::size_t>(seen) * 128);
        EXPECT_TRUE(std::equal(got.begin(), got.end(), samples.begin()));
        const std::vector<Recording::Cycle> cycles = recording.cyclesSoFar();
        for (std::size_t i = 0; i < cycles.size(); ++i)
            EXPECT_EQ(cycles[i].sampleTime, 1.0 + 128.0 * static_cast<double>(i)) << "cycle " << i;

        EXPECT_TRUE(hardware.stop(FileAudioHardware::kDevice, &recordCycle))
            << "stopping twice is fine";
        EXPECT_TRUE(hardware.removeIOProc(FileAudioHardware::kDevice, &recordCycle));
        EXPECT_FALSE(hardware.start(FileAudioHardware::kDevice, &recordCycle)) << "no longer bound";
    }

    TEST(FileAudioHardware, AFileThatEndedPlaysAgainFromItsStart)
    {
        TempDir dir;
        const std::vector<float> samples = interleavedNoise(600, 1);
        test::writeFloatFile(dir.file("short.wav"), samples, 1, 44100);

        FileAudioHardware hardware(512);
        ASSERT_TRUE(hardware.open(dir.file("short.wav"))) << hardware.error();
        Recording recording;
        ASSERT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &recording));
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(hardware.start(FileAudioHardware::kDevice, &recordCycle));
            ASSERT_TRUE(hardware.waitUntilFinished(test::kHangGuard));
            ASSERT_TRUE(waitFor(recording.count, 2 * (round + 1)));
        }
        hardware.stop(FileAudioHardware::kDevice, &recordCycle);
        std::vector<float> twice = samples;
        twice.insert(twice.end(), samples.begin(), samples.end());
        EXPECT_EQ(recording.samplesSoFar(), twice);
        const std::vector<Recording::Cycle> cycles = recording.cyclesSoFar();
        ASSERT_EQ(cycles.size(), 4u);
        EXPECT_EQ(cycles[2].sampleTime, 601.0) << "the device's clock does not go back";
    }

    TEST(FileAudioHardware, ReportsTheFilesFormat)
    {
        struct Case {
            int rate;
            int channels;
            std::uint32_t cycleFrames;
        };
        // However many channels a file has, a cycle's buffer stays within
        // kReadBufferBytes: 128 frames of 1024 channels.
        for (const Case c : { Case { 44100, 1, 333 }, Case { 48000, 2, 333 },
                 Case { 96000, 6, 333 }, Case { 8000, 1024, 128 } }) {
            TempDir dir;
            test::writeFloatFile(
                dir.file("f.wav"), interleavedNoise(64, c.channels), c.channels, c.rate);
            FileAudioHardware hardware(333);
            ASSERT_TRUE(hardware.open(dir.file("f.wav"))) << hardware.error();

            StreamFormat format;
            ASSERT_TRUE(hardware.streamFormat(FileAudioHardware::kDevice, format));
            EXPECT_EQ(format.sampleRate, c.rate);
            EXPECT_NE(format.formatFlags & kFormatFlagIsFloat, 0u);
            EXPECT_EQ(format.formatFlags & kFormatFlagIsBigEndian,
                std::endian::native == std::endian::big ? kFormatFlagIsBigEndian : 0u);
            EXPECT_EQ(format.channelsPerFrame, static_cast<std::uint32_t>(c.channels));
            EXPECT_EQ(format.bitsPerChannel, 32u);
            EXPECT_EQ(format.bytesPerFrame, 4u * c.channels);
            EXPECT_EQ(format.bytesPerPacket, 4u * c.channels);
            EXPECT_EQ(format.framesPerPacket, 1u);

            std::uint32_t frames = 99;
            EXPECT_TRUE(hardware.bufferFrameSize(FileAudioHardware::kDevice, frames));
            EXPECT_EQ(frames, c.cycleFrames);
            EXPECT_TRUE(hardware.safetyOffset(FileAudioHardware::kDevice, frames));
            EXPECT_EQ(frames, 0u);
            EXPECT_EQ(hardware.defaultInputDevice(), FileAudioHardware::kDevice);
            EXPECT_FALSE(hardware.streamFormat(2, format)) << "there is one device";
        }
    }

    TEST(FileAudioHardware, AFileThatCannotBeOpenedIsNoDevice)
    {
        TempDir dir;
        test::writeBytes(dir.file("notes.txt"), "E2 A2 D3 G3 B3 E4\n");
        test::writeFloatFile(dir.file("good.wav"), interleavedNoise(64, 1), 1, 44100);

        FileAudioHardware hardware;
        StreamFormat format;
        EXPECT_FALSE(hardware.streamFormat(FileAudioHardware::kDevice, format))
            << "nothing open yet";
        EXPECT_EQ(hardware.defaultInputDevice(), FileAudioHardware::kDevice);

        ASSERT_TRUE(hardware.open(dir.file("good.wav")));
        EXPECT_FALSE(hardware.open(dir.file("missing.wav")));
        EXPECT_EQ(hardware.error(), "no such file");
        EXPECT_FALSE(hardware.streamFormat(FileAudioHardware::kDevice, format))
            << "the old file is closed";
        EXPECT_FALSE(hardware.open(dir.file("notes.txt")));
        EXPECT_TRUE(hardware.error().starts_with("not an audio file (")) << hardware.error();

        Recording recording;
        ASSERT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &recording));
        EXPECT_FALSE(hardware.start(FileAudioHardware::kDevice, &recordCycle));
        EXPECT_FALSE(hardware.isPlaying());
    }

    TEST(FileAudioHardware, OneProcedureAtATimeAndListenersComeAndGo)
    {
        TempDir dir;
        test::writeFloatFile(dir.file("f.wav"), interleavedNoise(44100, 1), 1, 44100);
        FileAudioHardware hardware;
        ASSERT_TRUE(hardware.open(dir.file("f.wav")));
        Recording recording;

        EXPECT_FALSE(hardware.addIOProc(2, &recordCycle, &recording));
        EXPECT_FALSE(hardware.start(FileAudioHardware::kDevice, &recordCycle)) << "not bound";
        ASSERT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &recording));
        EXPECT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &recording));
        EXPECT_FALSE(hardware.addIOProc(FileAudioHardware::kDevice, &otherProc, nullptr));
        EXPECT_FALSE(hardware.start(FileAudioHardware::kDevice, &otherProc));
        EXPECT_FALSE(hardware.removeIOProc(FileAudioHardware::kDevice, &otherProc));

        ASSERT_TRUE(hardware.start(FileAudioHardware::kDevice, &recordCycle));
        EXPECT_TRUE(hardware.start(FileAudioHardware::kDevice, &recordCycle)) << "already running";
        EXPECT_FALSE(hardware.open(dir.file("f.wav"))) << "not while playing";
        ASSERT_TRUE(waitFor(recording.count, 1));
        // Unbinding stops it first.
        EXPECT_TRUE(hardware.removeIOProc(FileAudioHardware::kDevice, &recordCycle));
        EXPECT_FALSE(hardware.isPlaying());
        EXPECT_FALSE(recording.inProc.load());
        EXPECT_TRUE(hardware.addIOProc(FileAudioHardware::kDevice, &otherProc, nullptr));

        int calls = 0;
        const AudioPropertyListener listener
            = [](AudioHardwareProperty, void* context) { ++*static_cast<int*>(context); };
        hardware.addPropertyListener(listener, &calls);
        hardware.addPropertyListener(listener, &calls);
        hardware.removePropertyListener(listener, &calls);
        hardware.removePropertyListener(listener, &calls);
        hardware.removePropertyListener(listener, &calls); // not there: harmless
        EXPECT_EQ(calls, 0);
    }

    // A looped file of no frames has nothing to play: rewinding it for ever
    // would keep the input thread from ever seeing the stop it is asked for,
    // and stop, which waits for that thread, would never return.
    TEST(FileAudioHardware, StopReturnsForALoopedFileWithoutFrames)
    {
        TempDir dir;
        test::writeFloatFile(dir.file("empty.wav"), {}, 1, 44100);
        // Stopped from a thread of its own, and left behind with the device,
        // never destroyed, should stop hang: destroying it would hang too.
        struct Rig {
            FileAudioHardware hardware { 256, true };
            Recording recording;
            std::atomic<int> stopped { 0 };
        };
        auto* rig = new Rig;
        ASSERT_TRUE(rig->hardware.open(dir.file("empty.wav"))) << rig->hardware.error();
        ASSERT_TRUE(
            rig->hardware.addIOProc(FileAudioHardware::kDevice, &recordCycle, &rig->recording));
        ASSERT_TRUE(rig->hardware.start(FileAudioHardware::kDevice, &recordCycle));
        std::thread stopper([rig] {
            rig->hardware.stop(FileAudioHardware::kDevice, &recordCycle);
            rig->stopped.store(1);
        });
        // It returns at once; the limit only keeps a hang from holding up the
        // suite.
        if (!waitFor(rig->stopped, 1)) {
            stopper.detach();
            FAIL() << "stop did not return";
        }
        stopper.join();
        EXPECT_EQ(rig->recording.count.load(), 0);
        delete rig;
    }

} // namespace
} // namespace clefmark
