#include "cli/Listen.h"

#include "audio/FileAudioHardware.h"
#include "audio/PulseAudioHardware.h"
#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "cli/RecordFormat.h"
#include "cli/StatusLine.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "desktop/Readiness.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <pthread.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>
#include <utility>

namespace clefmark::cli {

namespace {

    using Clock = std::chrono::steady_clock;
    using namespace std::chrono_literals;

    // Between two runs of the tuner's deliveries: short enough that they look
    // immediate, long enough that waking up costs nothing worth measuring.
    constexpr auto kTick = 50ms;
    // The status line changes at most five times a second: a needle redrawn
    // faster is only harder to read.
    constexpr auto kRedrawInterval = 200ms;
    // How long the sound server gets to answer before its absence is news.
    constexpr auto kConnectGrace = 1s;

    enum class Display {
        Live, // the status line, redrawn in place on a terminal
        Lines, // the status line, as a new line whenever it changes
        Jsonl, // the records of every block
    };

    // Keeps SIGINT and SIGTERM from every thread, so that they end `wait`
    // instead of the process. Made before any other thread starts, since new
    // threads inherit the mask.
    class StopSignals {
    public:
        StopSignals()
        {
            sigemptyset(&set_);
            sigaddset(&set_, SIGINT);
            sigaddset(&set_, SIGTERM);
            pthread_sigmask(SIG_BLOCK, &set_, &previous_);
        }
        ~StopSignals()
        {
            // A second Ctrl-C during shutdown is taken as part of the first.
            const timespec now { 0, 0 };
            while (sigtimedwait(&set_, nullptr, &now) > 0) { }
            pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
        }
        StopSignals(const StopSignals&) = delete;
        StopSignals& operator=(const StopSignals&) = delete;

        /// Sleeps for `timeout` at most; true when a stop signal came.
        bool wait(Clock::duration timeout)
        {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::max(timeout, Clock::duration {}));
            const timespec delay { static_cast<std::time_t>(ns.count() / 1'000'000'000),
                static_cast<long>(ns.count() % 1'000'000'000) };
            return sigtimedwait(&set_, nullptr, &delay) > 0;
        }

    private:
        sigset_t set_ {};
        sigset_t previous_ {};
    };

    std::size_t terminalWidth()
    {
        winsize size {};
        if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
            return size.ws_col;
        return kStatusWidth + 1;
    }

    bool emit(std::string_view text)
    {
        return writeOutput(text) && std::fflush(stdout) == 0;
    }

    // Everything the user sees, kept on the main thread: the displays the tuner
    // delivers to, the capture news, the records, and what has been said.
    class Session final : public LevelDisplay, public TuneDisplay, public NoteDisplay {
    public:
        Session(Display display, bool colour, std::function<bool()> serverConnected,
            Clock::time_point graceEnd)
            : display_(display)
            , colour_(colour)
            , serverConnected_(std::move(serverConnected))
            , graceEnd_(graceEnd)
        {
        }

        void setLevel(int level) override { reading_.level = level; }
        void setTune(int tune, bool inTune) override
        {
            tune_ = tune;
            inTune_ = inTune;
        }
        // The tuner delivers a note right after its tune value, in one task.
        void setNote(int note) override
        {
            reading_.update = DisplayUpdate { tune_, inTune_, note };
        }

        void captureChanged(CaptureState state, std::string detail)
        {
            state_ = state;
            detail_ = std::move(detail);
            if (state == CaptureState::Running)
                ran_ = true;
        }
        CaptureState state() const { return state_; }
        const std::string& detail() const { return detail_; }
        bool hasRun() const { return ran_; }

        void addRecord(const std::string& line) { records_ += line; }

        /// Says what capture waits for when that changes, and writes what there
        /// is to write. False when the output could not be written.
        bool tick(Clock::time_point now)
        {
            tellWaiting(now, false);
            return show(now, false);
        }

        /// For giving up at the start: says what capture waits for even within
        /// the grace period.
        void tellNoDevice(Clock::time_point now)
        {
            if (shown_ == Waiting::Nothing)
                tellWaiting(now, true);
            if (shown_ == Waiting::Nothing)
                say("no input device");
        }

        /// The last of the output. False when it could not be written.
        bool finish()
        {
            bool ok = show(Clock::now(), true);
            if (display_ == Display::Live && drawn_)
                ok = emit("\n") && ok;
            return ok;
        }

    private:
        enum class Waiting { Nothing, Server, Device, Format };

        Waiting waitingFor() const
        {
            switch (state_) {
            case CaptureState::NoDevice:
                return serverConnected_() ? Waiting::Device : Waiting::Server;
            case CaptureState::FormatUnusable:
                return Waiting::Format;
            default:
                return Waiting::Nothing;
            }
        }

        std::string waitingText(Waiting waiting) const
        {
            switch (waiting) {
            case Waiting::Server:
                return ran_ ? "lost the sound server; waiting for it to come back..."
                            : "waiting for a sound server...";
            case Waiting::Device:
                return ran_ ? "no input device any more; waiting for one..."
                            : "waiting for an input device...";
            case Waiting::Format:
                return detail_ + "; waiting for another input device...";
            case Waiting::Nothing:
                break;
            }
            return {};
        }

        void tellWaiting(Clock::time_point now, bool evenNow)
        {
            const Waiting want = waitingFor();
            if (want == shown_ && (want != Waiting::Format || detail_ == shownDetail_))
                return;
            if (want == Waiting::Nothing) {
                if (state_ == CaptureState::Running)
                    say(waitedAfterRunning_ ? "listening again"
                                            : "found an input device; listening");
                shown_ = Waiting::Nothing;
                return;
            }
            // At the start, the connection to the server takes a moment; only
            // an absence that lasts is news. A device that is there but
            // unusable is news at once.
            if (!evenNow && !ran_ && want != Waiting::Format && now < graceEnd_)
                return;
            say(waitingText(want));
            shown_ = want;
            shownDetail_ = detail_;
            waitedAfterRunning_ = ran_;
        }

        // One line on standard error. The status line is cleared first and
        // drawn again below it, so the two never run into each other.
        void say(const std::string& message)
        {
            if (display_ == Display::Live && drawn_) {
                emit("\r\033[K");
                lastLine_.clear();
            }
            reportError(message);
        }

        bool show(Clock::time_point now, bool final)
        {
            if (display_ == Display::Jsonl) {
                const bool ok = emit(records_);
                records_.clear();
                return ok;
            }
            if (!final && now - lastDraw_ < kRedrawInterval)
                return true;

            const bool waiting = shown_ != Waiting::Nothing && state_ != CaptureState::Running;
            std::string line;
            if (display_ == Display::Live) {
                const std::size_t width = terminalWidth();
                line = waiting ? statusMessage(waitingText(shown_), width)
                               : statusLine(reading_, width, colour_);
            } else {
                if (waiting || !ran_)
                    return true;
                line = statusLine(reading_);
            }
            if (line == lastLine_)
                return true;
            lastLine_ = line;
            lastDraw_ = now;
            if (display_ == Display::Lines)
                return emit(line + "\n");
            drawn_ = true;
            return emit("\r" + line + "\033[K");
        }

        const Display display_;
        const bool colour_;
        const std::function<bool()> serverConnected_;
        const Clock::time_point graceEnd_;

        StatusReading reading_;
        int tune_ = 0;
        bool inTune_ = false;

        CaptureState state_ = CaptureState::Stopped;
        std::string detail_;
        bool ran_ = false;

        Waiting shown_ = Waiting::Nothing;
        std::string shownDetail_;
        bool waitedAfterRunning_ = false;

        std::string records_;
        std::string lastLine_;
        Clock::time_point lastDraw_ {};
        bool drawn_ = false;
    };

    // Capture news reaches the session on the main thread, whichever thread the
    // tuner tells it on.
    class CaptureNews final : public CaptureObserver {
    public:
        CaptureNews(MainThread& mainThread, Session& session)
            : mainThread_(mainThread)
            , session_(session)
        {
        }

        void captureStateChanged(CaptureState state, const std::string& detail) override
        {
            mainThread_.post(
                [session = &session_, state, detail] { session->captureChanged(state, detail); });
        }

    private:
        MainThread& mainThread_;
        Session& session_;
    };

    // Formats each block's record on the input thread, as `analyze` would, and
    // hands the line to the main thread, which writes it.
    class RecordPoster final : public AnalysisObserver {
    public:
        RecordPoster(const Tuner& tuner, MainThread& mainThread, Session& session)
            : tuner_(tuner)
            , mainThread_(mainThread)
            , session_(session)
        {
        }

        void blockAnalysed(const BlockReport& report) override
        {
            std::string line;
            // The tuner's block size and rate are those of the device being
            // captured; they change only while no block is analysed.
            const BlockRecord record
                = clock_.next(report, tuner_.bufferFrames(), tuner_.sampleRate());
            formatter_.appendRecord(line, {}, record);
            mainThread_.post(
                [session = &session_, line = std::move(line)] { session->addRecord(line); });
        }

    private:
        const Tuner& tuner_;
        MainThread& mainThread_;
        Session& session_;
        const RecordFormatter formatter_ { OutputFormat::Jsonl, false };
        BlockClock clock_;
    };

    Display chooseDisplay(const std::optional<OutputFormat>& format, bool terminal)
    {
        if (format == OutputFormat::Jsonl)
            return Display::Jsonl;
        if (format == OutputFormat::Text)
            return terminal ? Display::Live : Display::Lines;
        return terminal ? Display::Live : Display::Jsonl;
    }

    // Colour where it will be seen, unless asked not to (the NO_COLOR
    // convention) or on a terminal that knows none.
    bool wantColour(bool terminal)
    {
        const char* term = std::getenv("TERM");
        return terminal && std::getenv("NO_COLOR") == nullptr && term != nullptr
            && std::string_view(term) != "dumb";
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

    const bool terminal = ::isatty(STDOUT_FILENO) == 1;
    const Display display = chooseDisplay(options.format, terminal);

    StopSignals signals;
    Readiness::ofProcess().announce();

    // The hardware outlives the tuner, which captures from it.
    std::unique_ptr<FileAudioHardware> file;
    std::unique_ptr<PulseAudioHardware> server;
    AudioHardware* hardware = nullptr;
    if (!options.input.empty()) {
        file = std::make_unique<FileAudioHardware>(options.cycleFrames, options.loop);
        if (!file->open(options.input)) {
            reportError(options.input + ": " + file->error());
            return 1;
        }
        hardware = file.get();
    } else {
        server = std::make_unique<PulseAudioHardware>("Clefmark");
        hardware = server.get();
    }

    MemoryUserDefaults defaults;
    seedDefaults(defaults, options);
    QueuedMainThread mainThread;
    const Clock::time_point begin = Clock::now();
    Session session(
        display, wantColour(terminal),
        [&server] { return server == nullptr || server->serverConnected(); },
        begin + kConnectGrace);
    CaptureNews news(mainThread, session);

    Tuner tuner(defaults, mainThread, hardware);
    RecordPoster poster(tuner, mainThread, session);
    tuner.setCaptureObserver(&news);
    if (display == Display::Jsonl) {
        tuner.setAnalysisObserver(&poster);
    } else {
        tuner.setLevelMeter(&session);
        tuner.setTunerMeter(&session);
        tuner.setClefmark(&session);
    }
    tuner.start();

    std::optional<Clock::time_point> end;
    if (options.duration)
        end = begin
            + std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(*options.duration));
    // With a duration, a device that is not there at the start is taken as
    // one that will not come.
    const Clock::time_point deviceDeadline = end ? std::min(begin + kConnectGrace, *end) : begin;
    bool deviceChecked = !end;

    int status = 0;
    for (;;) {
        mainThread.runPending();
        const Clock::time_point now = Clock::now();
        if (!session.tick(now)) {
            status = 2;
            break;
        }
        if (file && session.state() == CaptureState::FormatUnusable) {
            reportError(options.input + ": " + session.detail());
            status = 1;
            break;
        }
        if (file && file->finished()) {
            if (const std::string error = file->error(); !error.empty()) {
                reportError(options.input + ": " + error);
                status = 1;
            }
            break;
        }
        if (!deviceChecked && session.hasRun())
            deviceChecked = true;
        if (!deviceChecked && now >= deviceDeadline) {
            session.tellNoDevice(now);
            status = 1;
            break;
        }
        if (end && now >= *end)
            break;
        Clock::duration sleep = kTick;
        if (end)
            sleep = std::min(sleep, *end - now);
        if (!deviceChecked)
            sleep = std::min(sleep, deviceDeadline - now);
        if (signals.wait(sleep))
            break;
    }

    tuner.applicationWillTerminate();
    // Capture has stopped: what the last blocks posted is all there is.
    tuner.setAnalysisObserver(nullptr);
    tuner.setCaptureObserver(nullptr);
    mainThread.runPending();
    if (!session.finish() && status == 0)
        status = 2;
    return status;
}

} // namespace clefmark::cli
