// The PulseAudio back-end against a private server, PulseAudio and PipeWire
// in turn (tests/support/SoundServers.h): the snapshot of sources, the
// notifications, capture, and a server that is missing, frozen or restarted.
#include "audio/PulseAudioHardware.h"

#include "tests/support/Eventually.h"
#include "tests/support/PulseTone.h"
#include "tests/support/SoundServers.h"

#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;
    using test::SoundServer;
    using test::SoundServerKind;

    using test::eventually;

    // Counts the notifications per property.
    struct PropertyLog {
        static void listener(AudioHardwareProperty property, void* context)
        {
            auto& self = *static_cast<PropertyLog*>(context);
            std::lock_guard lock(self.mutex);
            ++self.counts[static_cast<std::size_t>(property)];
        }
        int count(AudioHardwareProperty property)
        {
            std::lock_guard lock(mutex);
            return counts[static_cast<std::size_t>(property)];
        }
        void clear()
        {
            std::lock_guard lock(mutex);
            counts = {};
        }
        std::mutex mutex;
        std::array<int, static_cast<std::size_t>(AudioHardwareProperty::DeviceStreamEnded) + 1>
            counts {};
    };

    // What an input procedure saw, recorded without allocating on the input
    // thread.
    struct CycleLog {
        struct Cycle {
            AudioDeviceID device;
            double sampleTime;
            std::uint32_t bytes;
            std::uint32_t channels;
            std::uint32_t buffers;
            bool hole;
            float peak;
        };
        static constexpr std::size_t kCapacity = 4096;

        static std::int32_t proc(AudioDeviceID device, const AudioTimeStamp*,
            const AudioBufferList* input, const AudioTimeStamp* inputTime, AudioBufferList*,
            const AudioTimeStamp*, void* clientData)
        {
            auto& self = *static_cast<CycleLog*>(clientData);
            const std::size_t n = self.count.load(std::memory_order_relaxed);
            if (n == kCapacity)
                return 0;
            const AudioBuffer& b = input->buffers[0];
            float peak = 0.0f;
            if (b.data != nullptr) {
                const auto* samples = static_cast<const float*>(b.data);
                for (std::size_t i = 0; i < b.dataByteSize / sizeof(float); ++i)
                    peak = std::max(peak, std::abs(samples[i]));
            }
            self.cycles[n] = { device, inputTime->sampleTime, b.dataByteSize, b.numberChannels,
                input->numberBuffers, b.data == nullptr, peak };
            self.count.store(n + 1, std::memory_order_release);
            return 0;
        }
        std::size_t size() const { return count.load(std::memory_order_acquire); }

        std::array<Cycle, kCapacity> cycles {};
        std::atomic<std::size_t> count { 0 };
    };

    class PulseHardware : public testing::TestWithParam<SoundServerKind> {
    protected:
        void SetUp() override
        {
            if (const std::string reason = test::unavailableReason(GetParam()); !reason.empty()) {
                if (test::soundServersRequired())
                    FAIL() << reason << " (and CLEFMARK_REQUIRE_SERVERS=1)";
                GTEST_SKIP() << reason;
            }
            daemon = test::makeSoundServer(GetParam(), startDaemon);
        }

        // The back-end comes after the daemon, whose environment it reads.
        PulseAudioHardware& hardware()
        {
            if (backEnd == nullptr)
                backEnd = std::make_unique<PulseAudioHardware>("Clefmark test");
            return *backEnd;
        }

        // Waits until the back-end has the default source of the daemon's script.
        AudioDeviceID waitForDefault()
        {
            AudioDeviceID device = kNoAudioDevice;
            EXPECT_TRUE(eventually([&] {
                return (device = hardware().defaultInputDevice()) != kNoAudioDevice;
            })) << daemon->log();
            return device;
        }

        // Makes `source` the default and waits until the back-end has seen it.
        AudioDeviceID switchDefaultSource(const char* source, AudioDeviceID previous)
        {
            EXPECT_TRUE(daemon->pactl({ "set-default-source", source })) << daemon->lastOutput();
            AudioDeviceID device = previous;
            EXPECT_TRUE(
                eventually([&] { return (device = hardware().defaultInputDevice()) != previous; }));
            return device;
        }

        bool startDaemon = true;
        std::unique_ptr<SoundServer> daemon;
        // Outlives the back-end, which delivers to it until TearDown ends a
        // capture that a test left running (or an assertion cut short).
        CycleLog cycleLog;
        std::unique_ptr<PulseAudioHardware> backEnd;

        void TearDown() override { backEnd.reset(); }
    };

    TEST_P(PulseHardware, ReportsTheDefaultSourceAtItsOwnFormatWithStableIds)
    {
        const AudioDeviceID at44 = waitForDefault();
        EXPECT_TRUE(hardware().serverConnected());

        StreamFormat format;
        ASSERT_TRUE(hardware().streamFormat(at44, format));
        EXPECT_EQ(format.sampleRate, 44100.0);
        EXPECT_EQ(format.channelsPerFrame, 2u);
        EXPECT_EQ(format.formatFlags, kFormatFlagIsFloat);
        EXPECT_EQ(format.bitsPerChannel, 32u);
        EXPECT_EQ(format.bytesPerFrame, 8u);
        EXPECT_EQ(format.bytesPerPacket, 8u);
        EXPECT_EQ(format.framesPerPacket, 1u);
        std::uint32_t frames = 1;
        EXPECT_TRUE(hardware().safetyOffset(at44, frames));
        EXPECT_EQ(frames, 0u);
        EXPECT_TRUE(hardware().bufferFrameSize(at44, frames));
        EXPECT_EQ(frames, 441u);

        const AudioDeviceID at48 = switchDefaultSource(SoundServer::kSource48, at44);
        EXPECT_NE(at48, kNoAudioDevice);
        EXPECT_NE(at48, at44);
        ASSERT_TRUE(hardware().streamFormat(at48, format));
        EXPECT_EQ(format.sampleRate, 48000.0);
        EXPECT_TRUE(hardware().bufferFrameSize(at48, frames));
        EXPECT_EQ(frames, 480u);

        EXPECT_EQ(switchDefaultSource(SoundServer::kSource44, at48), at44)
            << "ids are per source name";

        // A device that is not there: every query fails and leaves its output.
        const AudioDeviceID unknown = at44 + at48 + 100;
        StreamFormat untouched;
        untouched.sampleRate = 12345.0;
        EXPECT_FALSE(hardware().streamFormat(unknown, untouched));
        EXPECT_EQ(untouched.sampleRate, 12345.0);
        frames = 7;
        EXPECT_FALSE(hardware().bufferFrameSize(unknown, frames));
        EXPECT_FALSE(hardware().safetyOffset(unknown, frames));
        EXPECT_EQ(frames, 7u);
        EXPECT_FALSE(hardware().streamFormat(kNoAudioDevice, untouched));
    }

    TEST_P(PulseHardware, NotifiesTheDefaultInputOnlyWhenTheDefaultSourceChanges)
    {
        PropertyLog log;
        PropertyLog removed;
        hardware().addPropertyListener(&PropertyLog::listener, &log);
        hardware().addPropertyListener(&PropertyLog::listener, &removed);
        const AudioDeviceID at44 = waitForDefault();
        // The first snapshot tells all three, the input first: the log is
        // cleared only once the last of them is in, or it would count it later.
        ASSERT_TRUE(eventually([&] {
            return log.count(AudioHardwareProperty::DefaultInputDevice) == 1
                && log.count(AudioHardwareProperty::DefaultOutputDevice) == 1
                && log.count(AudioHardwareProperty::Devices) == 1;
        })) << "the first snapshot is a change from no device: told the input "
            << log.count(AudioHardwareProperty::DefaultInputDevice) << ", the output "
            << log.count(AudioHardwareProperty::DefaultOutputDevice) << ", the devices "
            << log.count(AudioHardwareProperty::Devices) << " times";
        hardware().removePropertyListener(&PropertyLog::listener, &removed);
        removed.clear();
        log.clear();

        // The default sink alone: a server change event, but not the input's.
        ASSERT_TRUE(daemon->pactl({ "set-default-sink", SoundServer::kSink48 }))
            << daemon->lastOutput();
        ASSERT_TRUE(
            eventually([&] { return log.count(AudioHardwareProperty::DefaultOutputDevice) == 1; }));
        EXPECT_EQ(log.count(AudioHardwareProperty::DefaultInputDevice), 0);
        EXPECT_EQ(hardware().defaultInputDevice(), at44);

        ASSERT_TRUE(daemon->pactl({ "set-default-source", SoundServer::kSource48 }))
            << daemon->lastOutput();
        ASSERT_TRUE(
            eventually([&] { return log.count(AudioHardwareProperty::DefaultInputDevice) == 1; }));
        EXPECT_NE(hardware().defaultInputDevice(), at44);

        // Everything from the source change has been told once the next change's
        // notification arrives: the server sends events in order.
        ASSERT_TRUE(daemon->pactl({ "set-default-sink", SoundServer::kSink44 }))
            << daemon->lastOutput();
        ASSERT_TRUE(
            eventually([&] { return log.count(AudioHardwareProperty::DefaultOutputDevice) == 2; }));
        EXPECT_EQ(log.count(AudioHardwareProperty::DefaultInputDevice), 1);
        EXPECT_EQ(log.count(AudioHardwareProperty::Devices), 0) << "no source came or went";
        EXPECT_EQ(removed.count(AudioHardwareProperty::DefaultInputDevice)
                + removed.count(AudioHardwareProperty::DefaultOutputDevice),
            0);

        // A new source is a device change, not a default change.
        ASSERT_TRUE(daemon->pactl({ "load-module", "module-null-sink", "sink_name=extra" }))
            << daemon->lastOutput();
        ASSERT_TRUE(eventually([&] { return log.count(AudioHardwareProperty::Devices) == 1; }));
        EXPECT_EQ(log.count(AudioHardwareProperty::DefaultInputDevice), 1);
        hardware().removePropertyListener(&PropertyLog::listener, &log);
    }

    TEST_P(PulseHardware, DeliversContiguousCyclesOfAboutTenMilliseconds)
    {
        const AudioDeviceID device = waitForDefault();
        test::TonePlayer tone(SoundServer::kSink44, 44100);
        tone.play(440.0, 0.5);

        CycleLog& log = cycleLog;
        ASSERT_TRUE(hardware().addIOProc(device, &CycleLog::proc, &log));
        ASSERT_TRUE(hardware().start(device, &CycleLog::proc));
        EXPECT_TRUE(hardware().start(device, &CycleLog::proc)) << "already running";
        ASSERT_TRUE(eventually([&] { return log.size() >= 100; })) << daemon->log();
        ASSERT_TRUE(hardware().stop(device, &CycleLog::proc));
        const std::size_t count = log.size();
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(log.size(), count) << "a cycle after stop returned";

        std::vector<std::uint32_t> frames;
        float peak = 0.0f;
        double expected = 1.0;
        for (std::size_t i = 0; i < count; ++i) {
            const CycleLog::Cycle& c = log.cycles[i];
            SCOPED_TRACE(i);
            EXPECT_EQ(c.device, device);
            EXPECT_EQ(c.buffers, 1u);
            EXPECT_EQ(c.channels, 2u);
            ASSERT_EQ(c.bytes % 8, 0u);
            ASSERT_GT(c.bytes, 0u);
            EXPECT_EQ(c.sampleTime, expected) << "sample times count the frames delivered, from 1";
            expected += c.bytes / 8;
            frames.push_back(c.bytes / 8);
            peak = std::max(peak, c.peak);
        }
        std::sort(frames.begin(), frames.end());
        const std::uint32_t median = frames[frames.size() / 2];
        EXPECT_GE(median, 441u / 2) << "cycles of about 10 ms (441 frames)";
        EXPECT_LE(median, 441u * 2) << "cycles of about 10 ms (441 frames)";
        EXPECT_GT(peak, 0.4f) << "the tone arrives as floats of full scale 1";
        EXPECT_LT(peak, 0.6f);

        // Started again: a new stream, counting from 1 again.
        log.count.store(0);
        ASSERT_TRUE(hardware().start(device, &CycleLog::proc));
        ASSERT_TRUE(eventually([&] { return log.size() >= 2; }));
        ASSERT_TRUE(hardware().removeIOProc(device, &CycleLog::proc)) << "stops first";
        EXPECT_EQ(log.cycles[0].sampleTime, 1.0);
        const std::size_t after = log.size();
        std::this_thread::sleep_for(50ms);
        EXPECT_EQ(log.size(), after);
    }

    TEST_P(PulseHardware, ControlOfWhatIsNotBoundOrRunning)
    {
        const AudioDeviceID device = waitForDefault();
        CycleLog& log = cycleLog;
        EXPECT_TRUE(hardware().stop(device, &CycleLog::proc)) << "not bound";
        EXPECT_TRUE(hardware().removeIOProc(device, &CycleLog::proc)) << "not bound";
        EXPECT_FALSE(hardware().start(device, &CycleLog::proc)) << "not bound";
        EXPECT_FALSE(hardware().addIOProc(device + 100, &CycleLog::proc, &log)) << "no such device";
        EXPECT_FALSE(hardware().addIOProc(kNoAudioDevice, &CycleLog::proc, &log));
        ASSERT_TRUE(hardware().addIOProc(device, &CycleLog::proc, &log));
        EXPECT_TRUE(hardware().stop(device, &CycleLog::proc)) << "bound, not running";
        // Stopped before the server has even answered the stream's creation.
        ASSERT_TRUE(hardware().start(device, &CycleLog::proc));
        EXPECT_TRUE(hardware().stop(device, &CycleLog::proc));
        EXPECT_TRUE(hardware().removeIOProc(device, &CycleLog::proc));
        std::this_thread::sleep_for(50ms);
        EXPECT_EQ(log.size(), 0u);
        // The server does not keep the abandoned stream.
        EXPECT_TRUE(eventually([&] {
            return daemon->pactl({ "list", "short", "source-outputs" })
                && daemon->lastOutput().empty();
        })) << daemon->lastOutput();
    }

    TEST_P(PulseHardware, StopDoesNotWaitForTheServer)
    {
        const AudioDeviceID device = waitForDefault();
        CycleLog& log = cycleLog;
        ASSERT_TRUE(hardware().addIOProc(device, &CycleLog::proc, &log));
        ASSERT_TRUE(hardware().start(device, &CycleLog::proc));
        ASSERT_TRUE(eventually([&] { return log.size() > 0; }));

        // A server that never answers: if stop waited for a reply, it would
        // hang here until the test's timeout.
        daemon->freeze();
        EXPECT_TRUE(hardware().stop(device, &CycleLog::proc));
        EXPECT_TRUE(hardware().removeIOProc(device, &CycleLog::proc));
        EXPECT_EQ(hardware().defaultInputDevice(), device) << "queries answer from the snapshot";
        daemon->thaw();
    }

    // The daemon's directory and environment, but no daemon yet.
    class PulseHardwareWithoutServer : public PulseHardware {
    protected:
        PulseHardwareWithoutServer() { startDaemon = false; }
    };

    TEST_P(PulseHardwareWithoutServer, ANewDaemonIsFoundAndNotified)
    {
        PropertyLog log;
        testing::internal::CaptureStderr();
        hardware().addPropertyListener(&PropertyLog::listener, &log);
        std::this_thread::sleep_for(700ms); // two retries come and go
        EXPECT_EQ(hardware().defaultInputDevice(), kNoAudioDevice);
        EXPECT_FALSE(hardware().serverConnected());
        EXPECT_EQ(log.count(AudioHardwareProperty::DefaultInputDevice), 0);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no server is not an error";

        daemon->start();
        ASSERT_TRUE(
            eventually([&] { return log.count(AudioHardwareProperty::DefaultInputDevice) == 1; }));
        EXPECT_NE(hardware().defaultInputDevice(), kNoAudioDevice);
        EXPECT_TRUE(hardware().serverConnected());
        hardware().removePropertyListener(&PropertyLog::listener, &log);
    }

    TEST_P(PulseHardware, ARestartedDaemonIsFoundAgain)
    {
        PropertyLog log;
        hardware().addPropertyListener(&PropertyLog::listener, &log);
        const AudioDeviceID device = waitForDefault();
        // Counted from here. The first default may have been told before the
        // listener was added (the back-end connects on a thread of its own,
        // which a busy machine may run first), and PipeWire's session manager
        // may settle its default in more than one step: neither is what this
        // test is about, and each check below also waits for the state itself.
        const int told = log.count(AudioHardwareProperty::DefaultInputDevice);
        CycleLog& cycles = cycleLog;
        ASSERT_TRUE(hardware().addIOProc(device, &CycleLog::proc, &cycles));
        ASSERT_TRUE(hardware().start(device, &CycleLog::proc));
        ASSERT_TRUE(eventually([&] { return cycles.size() > 0; }));

        // Counted from here: a session manager settling under load may end
        // the first stream of its own accord, which is news of another kind.
        const int endedBefore = log.count(AudioHardwareProperty::DeviceStreamEnded);
        daemon->kill(SIGKILL);
        ASSERT_TRUE(eventually([&] {
            return hardware().defaultInputDevice() == kNoAudioDevice
                && log.count(AudioHardwareProperty::DefaultInputDevice) > told;
        }));
        EXPECT_FALSE(hardware().serverConnected());
        EXPECT_FALSE(hardware().addIOProc(device, &CycleLog::proc, &cycles))
            << "the device is gone";
        // The failed stream is still ours to stop.
        EXPECT_TRUE(hardware().stop(device, &CycleLog::proc));
        EXPECT_TRUE(hardware().removeIOProc(device, &CycleLog::proc));

        const int toldGone = log.count(AudioHardwareProperty::DefaultInputDevice);
        daemon->start();
        ASSERT_TRUE(eventually([&] {
            return log.count(AudioHardwareProperty::DefaultInputDevice) > toldGone
                && hardware().defaultInputDevice() == device;
        })) << "the same source name keeps its id\n"
            << daemon->log();
        EXPECT_TRUE(hardware().serverConnected());
        // Told in order, all that the kill brought has been told by now. The
        // stream went with the server: that is told as the default input
        // gone, never as a recording that the server ended.
        EXPECT_EQ(log.count(AudioHardwareProperty::DeviceStreamEnded), endedBefore);
        cycles.count.store(0);
        ASSERT_TRUE(hardware().addIOProc(device, &CycleLog::proc, &cycles));
        ASSERT_TRUE(hardware().start(device, &CycleLog::proc));
        EXPECT_TRUE(eventually([&] { return cycles.size() > 0; }));
        hardware().removePropertyListener(&PropertyLog::listener, &log);
    }

    INSTANTIATE_TEST_SUITE_P(, PulseHardware, testing::ValuesIn(test::kSoundServers));
    INSTANTIATE_TEST_SUITE_P(, PulseHardwareWithoutServer, testing::ValuesIn(test::kSoundServers));

} // namespace
} // namespace clefmark
