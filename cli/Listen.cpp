#include "cli/Listen.h"

#include "audio/FileAudioHardware.h"
#include "audio/PulseAudioHardware.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/ListenSession.h"
#include "cli/RecordFormat.h"
#include "cli/StatusLine.h"
#include "cli/StopSignals.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "desktop/Readiness.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/ioctl.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace clefmark::cli {

namespace {

    using Clock = std::chrono::steady_clock;

    // How long a write may stay blocked after a stop signal before the
    // process ends without finishing it: two of these stay under a second.
    constexpr std::chrono::milliseconds kBlockedOutputGrace { 400 };

    std::size_t terminalWidth()
    {
        winsize size {};
        if (::ioctl(outputDescriptor(), TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
            return size.ws_col;
        return kStatusWidth + 1;
    }

    // Standard output, flushed at once so that a redrawn line shows, and
    // standard error; either may block, and a stop must still end the run.
    // Once the output has failed, the rest is lost without another word.
    ListenSink consoleSink(StopSignals& signals)
    {
        return {
            [&signals, failed = false](std::string_view text) mutable {
                const StopSignals::Writing writing(signals);
                if (failed || !writeOutput(text)) {
                    failed = true;
                    return false;
                }
                errno = 0;
                if (!flushOutput()) {
                    const int error = errno;
                    reportError("cannot write the results: "
                        + (error != 0 ? std::generic_category().message(error)
                                      : std::string("write failed")));
                    failed = true;
                    return false;
                }
                return true;
            },
            [&signals](std::string_view message) {
                const StopSignals::Writing writing(signals);
                reportError(message);
            },
            terminalWidth,
        };
    }

    // Capture news reaches the session on the main thread, whichever thread the
    // tuner tells it on.
    class CaptureNews final : public CaptureObserver {
    public:
        CaptureNews(const Tuner& tuner, MainThread& mainThread, ListenSession& session)
            : tuner_(tuner)
            , mainThread_(mainThread)
            , session_(session)
        {
        }

        void captureStateChanged(CaptureState state, const std::string& detail) override
        {
            mainThread_.post(
                [session = &session_, state, detail, device = tuner_.inputDeviceName()] {
                    session->captureChanged(state, detail, device);
                });
        }

    private:
        const Tuner& tuner_;
        MainThread& mainThread_;
        ListenSession& session_;
    };

    // Formats each block's record as `analyze` would, on the main thread, and
    // hands the line to the session, which writes it.
    class RecordPoster final : public AnalysisObserver {
    public:
        RecordPoster(ListenSession& session, bool withDetector)
            : session_(session)
            , formatter_ { OutputFormat::Jsonl, false, NoteSpelling::Sharps, withDetector }
        {
        }

        void blockAnalysed(const BlockReport& report) override
        {
            std::string line;
            const BlockRecord record = clock_.next(report, report.frames, report.sampleRate);
            formatter_.appendRecord(line, {}, record);
            session_.addRecord(line);
        }

    private:
        ListenSession& session_;
        const RecordFormatter formatter_;
        BlockClock clock_;
    };

    ListenDisplay chooseDisplay(const std::optional<OutputFormat>& format, bool terminal)
    {
        if (format == OutputFormat::Jsonl)
            return ListenDisplay::Jsonl;
        if (format == OutputFormat::Text)
            return terminal ? ListenDisplay::Live : ListenDisplay::Lines;
        return terminal ? ListenDisplay::Live : ListenDisplay::Jsonl;
    }

    // Colour where it will be seen, unless asked not to (the NO_COLOR
    // convention) or on a terminal that knows none.
    bool wantColour(bool terminal)
    {
        const char* term = std::getenv("TERM");
        return terminal && std::getenv("NO_COLOR") == nullptr && term != nullptr
            && std::string_view(term) != "dumb";
    }

    // The language the user reads messages in, as the C library chooses it;
    // the note names taught in it are the status line's unless --names says.
    std::string_view messagesLanguage()
    {
        for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" })
            if (const char* value = std::getenv(name); value != nullptr && *value != '\0')
                return value;
        return {};
    }

    // The hardware outlives the tuner, which captures from it.
    struct ListenInput {
        std::unique_ptr<FileAudioHardware> file;
        std::unique_ptr<PulseAudioHardware> server;
        AudioHardware* hardware = nullptr;
    };

    // The file asked for, or else the sound server; false, having said why,
    // for a file that cannot be read or analysed.
    bool openInput(const ListenOptions& options, ListenInput& input)
    {
        if (!options.input.empty()) {
            input.file = std::make_unique<FileAudioHardware>(options.cycleFrames, options.loop);
            if (!input.file->open(options.input)) {
                reportError(options.input + ": " + input.file->error());
                return false;
            }
            // Asked here, with the rate as the file gives it: the tuner's own
            // refusal would name the rate as the float it keeps.
            StreamFormat format;
            input.file->streamFormat(FileAudioHardware::kDevice, format);
            if (const std::string refusal = analysisBlockSize(format.sampleRate).refusal;
                !refusal.empty()) {
                reportError(options.input + ": " + refusal);
                return false;
            }
            input.hardware = input.file.get();
        } else {
            input.server = std::make_unique<PulseAudioHardware>("Clefmark");
            input.hardware = input.server.get();
        }
        return true;
    }

    ListenSettings listenSettings(
        const ListenOptions& options, ListenDisplay display, bool terminal)
    {
        ListenSettings settings { display, wantColour(terminal), std::nullopt };
        if (options.duration)
            settings.duration = std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(*options.duration));
        if (options.flats)
            settings.spelling = NoteSpelling::Flats;
        settings.naming = options.naming.value_or(namingForLanguage(messagesLanguage()));
        return settings;
    }

    ListenSource listenSource(const ListenOptions& options, const ListenInput& input)
    {
        return {
            options.input,
            [&server = input.server] { return server == nullptr || server->serverConnected(); },
            [&file = input.file]() -> std::optional<std::string> {
                if (!file->finished())
                    return std::nullopt;
                return file->error();
            },
        };
    }

    // JSON Lines are the analyser's records, block by block; the other
    // displays are the tuner's own.
    void showOn(Tuner& tuner, ListenDisplay display, ListenSession& session, RecordPoster& poster)
    {
        if (display == ListenDisplay::Jsonl) {
            tuner.setAnalysisObserver(&poster);
        } else {
            tuner.setLevelMeter(&session);
            tuner.setTunerMeter(&session);
            tuner.setClefmark(&session);
            tuner.setReadingDisplay(&session);
        }
    }

    void stopListening(Tuner& tuner, QueuedMainThread& mainThread)
    {
        tuner.applicationWillTerminate();
        // Capture has stopped: the blocks handed over by then are all there are,
        // and each is told before the observers go.
        tuner.setCaptureObserver(nullptr);
        mainThread.runPending();
        tuner.deliverPending();
        tuner.setAnalysisObserver(nullptr);
    }

} // namespace

int runListen(std::span<const std::string_view> args)
{
    const ParsedListenOptions parsed = parseListenOptions(args);
    if (!parsed.error.empty()) {
        reportError(parsed.error);
        return 2;
    }
    const ListenOptions& options = parsed.options;
    if (options.help)
        return writeOutput(listenHelp()) ? 0 : 2;
    if (options.version)
        return writeOutput(std::string(kProgramName) + " " + std::string(programVersion()) + "\n")
            ? 0
            : 2;

    const bool terminal = ::isatty(outputDescriptor()) == 1;
    const ListenDisplay display = chooseDisplay(options.format, terminal);

    StopSignals signals(kBlockedOutputGrace, ListenSession::kOutputFailed);
    Readiness::ofProcess().announce();

    ListenInput input;
    if (!openInput(options, input))
        return 1;

    MemoryUserDefaults defaults;
    seedDefaults(defaults, options);
    QueuedMainThread mainThread;
    ListenSettings settings = listenSettings(options, display, terminal);
    ListenSource source = listenSource(options, input);
    ListenSession session(
        std::move(settings), std::move(source), consoleSink(signals), Clock::now());
    Tuner tuner(defaults, mainThread, input.hardware);
    CaptureNews news(tuner, mainThread, session);
    RecordPoster poster(session, options.secondOpinion);
    tuner.setCaptureObserver(&news);
    showOn(tuner, display, session, poster);
    tuner.start();

    for (;;) {
        mainThread.runPending();
        const std::optional<Clock::duration> sleep = session.tick(Clock::now());
        if (!sleep || signals.wait(*sleep))
            break;
    }

    stopListening(tuner, mainThread);
    return session.finish(Clock::now());
}

} // namespace clefmark::cli
