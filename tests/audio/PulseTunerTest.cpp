// The tuner capturing through the PulseAudio back-end from a private server,
// PulseAudio and PipeWire in turn: a tone played into a sink comes out as a
// note on the displays, capture follows the default source to another rate,
// and resumes by itself after the sound server has restarted or (on
// PulseAudio, whose command-line interface ends streams on request) ended the
// recording, and after the sink it hears has been suspended and resumed.
#include "audio/PulseAudioHardware.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/Eventually.h"
#include "tests/support/PulseTone.h"
#include "tests/support/Recorders.h"
#include "tests/support/SoundServers.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// Set, the next read of a record stream disconnects the stream first, as the
// client's own disconnect would: libpulse ends a stream in the terminated
// state only then (the server's tools can only make it fail), and the back-end
// disconnects only streams it has already let go of.
std::atomic<bool> disconnectOnNextRead { false };

} // namespace

// The back-end is linked into this program, so its reads come here first.
extern "C" int pa_stream_peek(pa_stream* stream, const void** data, size_t* bytes)
{
    using Peek = int (*)(pa_stream*, const void**, size_t*);
    static const auto peek = reinterpret_cast<Peek>(::dlsym(RTLD_NEXT, "pa_stream_peek"));
    if (disconnectOnNextRead.exchange(false))
        pa_stream_disconnect(stream);
    return peek(stream, data, bytes);
}

namespace clefmark {
namespace {

    using namespace std::chrono_literals;
    using test::PulseDaemon;
    using test::SoundServer;
    using test::SoundServerKind;

    constexpr double kA4 = 440.0; // note 57
    constexpr int kNoteA4 = 57;
    constexpr double kE4 = 329.6276; // note 52
    constexpr int kNoteE4 = 52;

    // Capture states as the tuner reports them, with the block length it set up,
    // read on the controlling thread where the tuner has just configured it.
    class CaptureLog final : public CaptureObserver {
    public:
        explicit CaptureLog(const Tuner& tuner)
            : tuner_(tuner)
        {
        }
        void captureStateChanged(CaptureState state, const std::string& detail) override
        {
            std::lock_guard lock(mutex_);
            last_ = { state, tuner_.bufferFrames(), tuner_.inputDevice() };
            if (detail == kRecordingEndedDetail)
                ++recordingEnded_;
        }
        struct Entry {
            CaptureState state = CaptureState::Stopped;
            std::uint32_t bufferFrames = 0;
            AudioDeviceID device = kNoAudioDevice;
        };
        Entry last() const
        {
            std::lock_guard lock(mutex_);
            return last_;
        }
        /// How often capture said it restarted because the recording ended.
        int recordingEnded() const
        {
            std::lock_guard lock(mutex_);
            return recordingEnded_;
        }

    private:
        const Tuner& tuner_;
        mutable std::mutex mutex_;
        Entry last_;
        int recordingEnded_ = 0;
    };

    // A tuner on the PulseAudio back-end, against a private server of the kind
    // the test names.
    class PulseTunerFixture : public testing::Test {
    protected:
        virtual SoundServerKind serverKind() const = 0;

        void SetUp() override
        {
            const SoundServerKind kind = serverKind();
            if (const std::string reason = test::unavailableReason(kind); !reason.empty()) {
                if (test::soundServersRequired())
                    FAIL() << reason << " (and CLEFMARK_REQUIRE_SERVERS=1)";
                GTEST_SKIP() << reason;
            }
            daemon = test::makeSoundServer(kind);
            hardware = std::make_unique<PulseAudioHardware>("Clefmark test");
            tuner = std::make_unique<Tuner>(defaults, mainThread, hardware.get());
            log = std::make_unique<CaptureLog>(*tuner);
            tuner->setCaptureObserver(log.get());
            tuner->setLevelMeter(&displays);
            tuner->setTunerMeter(&displays);
            tuner->setClefmark(&displays);
            tuner->setStatusIndicator(&displays);
        }

        void TearDown() override
        {
            // The tuner stops following the hardware before the hardware goes.
            tuner.reset();
            hardware.reset();
        }

        // Runs the main thread until `done` holds.
        bool runUntil(const std::function<bool()>& done)
        {
            return test::eventually(done, test::kHangGuard, [this] { mainThread.runPending(); });
        }

        bool running(std::uint32_t bufferFrames)
        {
            const CaptureLog::Entry e = log->last();
            return e.state == CaptureState::Running && e.bufferFrames == bufferFrames;
        }

        // Forgets the notes shown so far and waits for `note`.
        bool showsNote(int note)
        {
            displays.notes.clear();
            return runUntil([&] {
                return std::count(displays.notes.begin(), displays.notes.end(), note) >= 3;
            });
        }

        std::unique_ptr<SoundServer> daemon;
        std::unique_ptr<PulseAudioHardware> hardware;
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        test::RecordingDisplays displays;
        std::unique_ptr<Tuner> tuner;
        std::unique_ptr<CaptureLog> log;
    };

    class PulseTuner : public PulseTunerFixture,
                       public testing::WithParamInterface<SoundServerKind> {
    protected:
        SoundServerKind serverKind() const override { return GetParam(); }
    };

    TEST_P(PulseTuner, ShowsAToneFromTheDefaultSource)
    {
        tuner->start();
        ASSERT_TRUE(runUntil([&] { return running(2004); })) << daemon->log();
        test::TonePlayer tone(SoundServer::kSink44, 44100);
        tone.play(kA4);
        EXPECT_TRUE(showsNote(kNoteA4));
        EXPECT_FALSE(displays.levels.empty());
    }

    TEST_P(PulseTuner, FollowsTheDefaultSourceToAnotherRate)
    {
        tuner->start();
        ASSERT_TRUE(runUntil([&] { return running(2004); })) << daemon->log();
        const AudioDeviceID at44 = log->last().device;
        // A different note on each sink tells which one the tuner hears.
        test::TonePlayer tone44(SoundServer::kSink44, 44100);
        test::TonePlayer tone48(SoundServer::kSink48, 48000);
        tone44.play(kA4);
        tone48.play(kE4);
        ASSERT_TRUE(showsNote(kNoteA4));

        ASSERT_TRUE(daemon->pactl({ "set-default-source", SoundServer::kSource48 }))
            << daemon->lastOutput();
        ASSERT_TRUE(runUntil([&] { return running(2181); }));
        EXPECT_NE(log->last().device, at44);
        EXPECT_TRUE(showsNote(kNoteE4));

        ASSERT_TRUE(daemon->pactl({ "set-default-source", SoundServer::kSource44 }))
            << daemon->lastOutput();
        ASSERT_TRUE(runUntil([&] { return running(2004); }));
        EXPECT_EQ(log->last().device, at44);
        EXPECT_TRUE(showsNote(kNoteA4));
    }

    TEST_P(PulseTuner, ResumesByItselfAfterTheServerRestarts)
    {
        tuner->start();
        ASSERT_TRUE(runUntil([&] { return running(2004); })) << daemon->log();
        {
            test::TonePlayer tone(SoundServer::kSink44, 44100);
            tone.play(kA4);
            ASSERT_TRUE(showsNote(kNoteA4));
            daemon->kill(SIGKILL);
            ASSERT_TRUE(runUntil([&] { return log->last().state == CaptureState::NoDevice; }));
        }

        daemon->start();
        ASSERT_TRUE(runUntil([&] { return running(2004); })) << daemon->log();
        test::TonePlayer tone(SoundServer::kSink44, 44100);
        tone.play(kE4);
        EXPECT_TRUE(showsNote(kNoteE4));
    }

    // Whether `pactl list short sinks` shows `sink` suspended.
    bool suspended(SoundServer& server, const std::string& sink)
    {
        if (!server.pactl({ "list", "short", "sinks" }))
            return false;
        std::istringstream lines(server.lastOutput());
        for (std::string line; std::getline(lines, line);)
            if (line.find('\t' + sink + '\t') != std::string::npos)
                return line.ends_with("SUSPENDED");
        return false;
    }

    // The sink whose monitor is captured is suspended and resumed. PulseAudio
    // sends the stream nothing meanwhile; PipeWire, which never shows a sink
    // with streams as suspended, goes on sending it exact zeros after the
    // resume, where a new stream would hear the sink. Either way the next
    // tone must be heard.
    TEST_P(PulseTuner, HearsTheSinkAgainAfterItIsSuspendedAndResumed)
    {
        tuner->start();
        ASSERT_TRUE(runUntil([&] { return running(2004); })) << daemon->log();
        test::TonePlayer tone(SoundServer::kSink44, 44100);
        tone.play(kA4);
        ASSERT_TRUE(showsNote(kNoteA4));

        ASSERT_TRUE(daemon->pactl({ "suspend-sink", SoundServer::kSink44, "1" }))
            << daemon->lastOutput();
        if (GetParam() == SoundServerKind::PulseAudio) {
            ASSERT_TRUE(runUntil([&] { return suspended(*daemon, SoundServer::kSink44); }))
                << daemon->lastOutput();
        }
        ASSERT_TRUE(daemon->pactl({ "suspend-sink", SoundServer::kSink44, "0" }))
            << daemon->lastOutput();
        tone.play(kE4);
        EXPECT_TRUE(showsNote(kNoteE4)) << daemon->log();
    }

    INSTANTIATE_TEST_SUITE_P(, PulseTuner, testing::ValuesIn(test::kSoundServers));

    // The index that starts the first line holding `text` in `pactl list
    // short what`.
    std::string indexOf(SoundServer& daemon, const char* what, const std::string& text)
    {
        std::string index = daemon.indexOf(what, text);
        if (index.empty()) {
            ADD_FAILURE() << "no " << text << " in " << what << ":\n" << daemon.lastOutput();
            index = "?";
        }
        return index;
    }

    const std::string kSinkName44 = std::string("sink_name=") + SoundServer::kSink44;

    std::string unloadSource44(SoundServer& server)
    {
        return "unload-module " + indexOf(server, "modules", kSinkName44);
    }

    struct Loss {
        const char* name;
        SoundServerKind kind;
        // Ends the recording as the server's own tools (or libpulse) would;
        // false when they failed.
        bool (*act)(SoundServer& server);
        // Whether the end is always what restarts capture. An unloaded source
        // also moves the default, and when that news comes first the
        // recording is followed to the new default before its end is seen.
        bool saysWhy;
        friend void PrintTo(const Loss& loss, std::ostream* os)
        {
            *os << loss.name << '/' << test::soundServerName(loss.kind);
        }
    };

    class PulseRecordingLost : public PulseTunerFixture, public testing::WithParamInterface<Loss> {
    protected:
        SoundServerKind serverKind() const override { return GetParam().kind; }
    };

    // The server ends the recording by itself: capture must pick up again on
    // the default source, whatever that is now (PipeWire may have moved it),
    // and say why, never fall silent. The limits only keep a broken path from
    // hanging the test; how soon it picks up is a figure to measure, not to
    // race against.
    TEST_P(PulseRecordingLost, PicksUpAgainAndSaysWhy)
    {
        tuner->start();
        ASSERT_TRUE(runUntil([&] { return !displays.levels.empty(); })) << daemon->log();
        const Loss& loss = GetParam();
        ASSERT_TRUE(loss.act(*daemon)) << daemon->lastOutput();

        EXPECT_TRUE(runUntil([&] {
            const CaptureLog::Entry e = log->last();
            return (!loss.saysWhy || log->recordingEnded() > 0) && e.state == CaptureState::Running
                && e.device == hardware->defaultInputDevice();
        })) << daemon->log();
        displays.levels.clear();
        EXPECT_TRUE(runUntil([&] { return !displays.levels.empty(); }));
    }

    PulseDaemon& pulse(SoundServer& server)
    {
        return static_cast<PulseDaemon&>(server);
    }

    INSTANTIATE_TEST_SUITE_P(Table, PulseRecordingLost,
        testing::Values(Loss { "stream killed", SoundServerKind::PulseAudio,
                            [](SoundServer& s) {
                                return pulse(s).pacmd("kill-source-output "
                                    + indexOf(s, "source-outputs", "") + "\n");
                            },
                            true },
            // Same name, same format: the snapshot does not change at all.
            Loss { "source replaced in one batch", SoundServerKind::PulseAudio,
                [](SoundServer& s) {
                    return pulse(s).pacmd(unloadSource44(s) + "\nload-module module-null-sink "
                        + kSinkName44 + " rate=44100 norewinds=1\n");
                },
                true },
            Loss { "stream node destroyed", SoundServerKind::PipeWire,
                [](SoundServer& s) {
                    return static_cast<test::PipeWireServer&>(s).destroyNodeOf(
                        indexOf(s, "source-outputs", ""));
                },
                true },
            // The new source gets a new index here, and the server may move
            // the stream or the default by itself.
            Loss { "source unloaded and loaded again", SoundServerKind::PipeWire,
                [](SoundServer& s) {
                    return s.pactl({ "unload-module", indexOf(s, "modules", kSinkName44) })
                        && s.pactl(
                            { "load-module", "module-null-sink", kSinkName44, "rate=44100" });
                },
                false },
            Loss { "source unloaded", SoundServerKind::PulseAudio,
                [](SoundServer& s) { return pulse(s).pacmd(unloadSource44(s) + "\n"); }, false },
            Loss { "source unloaded", SoundServerKind::PipeWire,
                [](SoundServer& s) {
                    return s.pactl({ "unload-module", indexOf(s, "modules", kSinkName44) });
                },
                false },
            Loss { "stream terminated", SoundServerKind::PulseAudio,
                [](SoundServer&) {
                    disconnectOnNextRead.store(true);
                    return true;
                },
                true }));

} // namespace
} // namespace clefmark
