// How soon capture hears again after the sound server ends its recording:
// from the moment the server is told to end it (or to replace the recorded
// source) to the first display update with a pitch from the new recording,
// over 20 losses, on a private PulseAudio daemon and a private PipeWire.
//
// The same A4 plays into both null sinks, so whichever source capture lands
// on (PipeWire may move the default while a source is replaced), there is a
// pitch to find. A replaced sink takes its tone with it; a new tone starts on
// the new sink as soon as it is there again.
//
// The losses are 1.2 s apart: capture restarts by itself at most once a
// second, so losses closer than that are told late on purpose, and would
// measure the rate limit rather than the recovery.
//
// Updates from the old recording may still wait in the main thread's queue
// when the loss is done. The capture observer, told of the restart after the
// old recording has stopped delivering, posts a marker behind them: the
// first note after the marker is the new recording's.
//
// The time starts before the server's tool is run, so it includes the tool's
// own start-up (a few milliseconds for pacmd's socket, more for pactl and
// pw-cli): an upper bound.
#include "audio/PulseAudioHardware.h"
#include "bench/MainThreadLoop.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/support/PulseTone.h"
#include "tests/support/SoundServers.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace clefmark {
namespace {

    using Clock = std::chrono::steady_clock;
    using namespace std::chrono_literals;
    using test::SoundServer;
    using test::SoundServerKind;

    constexpr int kLosses = 20;
    constexpr int kNoteA4 = 57;

    // Main thread only: the time of the first A4 after the latest restart.
    class PitchAfterRestart final : public NoteDisplay {
    public:
        void forget()
        {
            restarted_ = false;
            shown_.reset();
        }
        void restarted() { restarted_ = true; }
        void setNote(int note) override
        {
            if (restarted_ && note == kNoteA4 && !shown_)
                shown_ = Clock::now();
        }
        const std::optional<Clock::time_point>& shown() const { return shown_; }

    private:
        bool restarted_ = false;
        std::optional<Clock::time_point> shown_;
    };

    class RestartMarker final : public CaptureObserver {
    public:
        RestartMarker(MainThread& mainThread, PitchAfterRestart& display)
            : mainThread_(mainThread)
            , display_(display)
        {
        }
        void captureStateChanged(CaptureState state, const std::string&) override
        {
            if (state == CaptureState::Running)
                mainThread_.post([display = &display_] { display->restarted(); });
        }

    private:
        MainThread& mainThread_;
        PitchAfterRestart& display_;
    };

    using bench::runMainThread;

    struct Loss {
        SoundServerKind kind;
        bool replacesSink;
        bool (*act)(SoundServer& server);
    };

    const std::string kSinkName44 = std::string("sink_name=") + SoundServer::kSink44;

    std::string sink44Module(SoundServer& server)
    {
        return server.indexOf("modules", kSinkName44);
    }

    const Loss kPulseStreamEnded { SoundServerKind::PulseAudio, false,
        [](SoundServer& s) {
            return static_cast<test::PulseDaemon&>(s).pacmd(
                "kill-source-output " + s.indexOf("source-outputs", "") + "\n");
        } };
    const Loss kPulseSourceReplaced { SoundServerKind::PulseAudio, true,
        [](SoundServer& s) {
            return static_cast<test::PulseDaemon&>(s).pacmd("unload-module " + sink44Module(s)
                + "\nload-module module-null-sink " + kSinkName44 + " rate=44100 norewinds=1\n");
        } };
    const Loss kPipeWireStreamEnded { SoundServerKind::PipeWire, false, [](SoundServer& s) {
                                         return static_cast<test::PipeWireServer&>(s).destroyNodeOf(
                                             s.indexOf("source-outputs", ""));
                                     } };
    const Loss kPipeWireSourceReplaced { SoundServerKind::PipeWire, true,
        [](SoundServer& s) {
            return s.pactl({ "unload-module", sink44Module(s) })
                && s.pactl({ "load-module", "module-null-sink", kSinkName44, "rate=44100" });
        } };

    bool waitForSink44(SoundServer& server)
    {
        const auto end = Clock::now() + 10s;
        while (server.indexOf("sinks", std::string(SoundServer::kSink44) + "\t").empty()) {
            if (Clock::now() > end)
                return false;
            std::this_thread::sleep_for(10ms);
        }
        return true;
    }

    void BM_LossToPitch(benchmark::State& state, const Loss& loss)
    {
        if (const std::string reason = test::unavailableReason(loss.kind); !reason.empty()) {
            state.SkipWithError(reason.c_str());
            return;
        }
        const std::unique_ptr<SoundServer> server = test::makeSoundServer(loss.kind);
        PulseAudioHardware hardware("Clefmark recovery bench");
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        PitchAfterRestart display;
        RestartMarker marker(mainThread, display);
        std::vector<double> times;
        {
            Tuner tuner(defaults, mainThread, &hardware);
            tuner.setClefmark(&display);
            tuner.setCaptureObserver(&marker);
            tuner.start();
            auto tone44 = std::make_unique<test::TonePlayer>(SoundServer::kSink44, 44100);
            test::TonePlayer tone48(SoundServer::kSink48, 48000);
            tone44->play(440.0);
            tone48.play(440.0);
            if (!runMainThread(mainThread, 10s, [&] { return display.shown().has_value(); })) {
                state.SkipWithError("capture did not start");
                return;
            }
            for (auto _ : state) {
                for (int i = 0; i < kLosses; ++i) {
                    // The recorded source must be the one replaced: PipeWire
                    // leaves the default elsewhere after a replacement.
                    if (!server->pactl({ "set-default-source", SoundServer::kSource44 })
                        || !runMainThread(mainThread, 10s, [&] {
                               return tuner.captureState() == CaptureState::Running
                                   && tuner.inputDevice() == hardware.defaultInputDevice();
                           })) {
                        state.SkipWithError("capture did not return to the first source");
                        return;
                    }
                    runMainThread(mainThread, 1200ms, [] { return false; });
                    display.forget();
                    const Clock::time_point begin = Clock::now();
                    if (!loss.act(*server)) {
                        state.SkipWithError(
                            ("the server's tool failed: " + server->lastOutput()).c_str());
                        return;
                    }
                    if (loss.replacesSink) {
                        // Into the new sink only: a tone asked for before it
                        // is there would go to the default sink, where its
                        // twin could cancel it out.
                        tone44.reset();
                        if (!waitForSink44(*server)) {
                            state.SkipWithError("the replaced sink did not come back");
                            return;
                        }
                        tone44 = std::make_unique<test::TonePlayer>(SoundServer::kSink44, 44100);
                        tone44->play(440.0);
                    }
                    if (!runMainThread(
                            mainThread, 10s, [&] { return display.shown().has_value(); })) {
                        state.SkipWithError("no pitch within 10 s of a loss");
                        return;
                    }
                    times.push_back(
                        std::chrono::duration<double, std::milli>(*display.shown() - begin)
                            .count());
                }
            }
            tuner.setCaptureObserver(nullptr);
            tuner.setClefmark(nullptr);
        }
        std::sort(times.begin(), times.end());
        const std::size_t n = times.size();
        state.counters["median_ms"] = (times[(n - 1) / 2] + times[n / 2]) / 2.0;
        state.counters["worst_ms"] = times.back();
        state.counters["best_ms"] = times.front();
    }

    BENCHMARK_CAPTURE(BM_LossToPitch, pulseaudio_stream_ended, kPulseStreamEnded)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    BENCHMARK_CAPTURE(BM_LossToPitch, pulseaudio_source_replaced, kPulseSourceReplaced)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    BENCHMARK_CAPTURE(BM_LossToPitch, pipewire_stream_ended, kPipeWireStreamEnded)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    BENCHMARK_CAPTURE(BM_LossToPitch, pipewire_source_replaced, kPipeWireSourceReplaced)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

} // namespace
} // namespace clefmark

BENCHMARK_MAIN();
