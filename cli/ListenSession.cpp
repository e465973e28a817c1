#include "cli/ListenSession.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace clefmark::cli {

namespace {

    using namespace std::chrono_literals;

    // Between two turns: short enough that the tuner's deliveries look
    // immediate, long enough that waking up costs nothing worth measuring.
    constexpr auto kTick = 50ms;
    // The status line changes at most five times a second: a needle redrawn
    // faster is only harder to read.
    constexpr auto kRedrawInterval = 200ms;
    // How long the sound server gets to answer before its absence is news.
    constexpr auto kConnectGrace = 1s;
    // U+2212, as the readout writes a negative deviation.
    constexpr std::string_view kMinusSign = "\u2212";

} // namespace

ListenSession::ListenSession(
    ListenSettings settings, ListenSource source, ListenSink sink, Clock::time_point begin)
    : settings_(std::move(settings))
    , source_(std::move(source))
    , sink_(std::move(sink))
    , graceEnd_(begin + kConnectGrace)
    , end_(settings_.duration ? std::optional(begin + *settings_.duration) : std::nullopt)
    , deviceDeadline_(end_ ? std::min(begin + kConnectGrace, *end_) : begin)
    , deviceChecked_(!end_)
    , now_(begin)
{
    reading_.spelling = settings_.spelling;
    reading_.naming = settings_.naming;
}

void ListenSession::setLevel(int level)
{
    reading_.level = level;
}

void ListenSession::setTune(int tune, bool inTune)
{
    tune_ = tune;
    inTune_ = inTune;
}

// The tuner delivers a note right after its tune value, in one task.
void ListenSession::setNote(int note)
{
    reading_.update = DisplayUpdate { tune_, inTune_, note };
}

// Readings come between turns: the last turn's time is theirs, at most a
// turn late, which is far finer than the second a note stays live.
void ListenSession::setReading(int level, std::optional<Pitch> pitch)
{
    readingsSeen_ = true;
    readout_.setReading(level, pitch, now_);
}

void ListenSession::setPitch(const Pitch& pitch)
{
    readout_.setPitch(pitch);
}

void ListenSession::captureChanged(CaptureState state, std::string detail, std::string device)
{
    readout_.setCaptureState(state, true, device, now_);
    state_ = state;
    detail_ = std::move(detail);
    if (state == CaptureState::Running) {
        ran_ = true;
        device_ = std::move(device);
    }
    // Running with no why after a restart only says that sound is back: the
    // restart not said yet is news all the same, where a silent input that
    // is silent no more is not.
    if (state != CaptureState::Running)
        untold_.clear();
    else if (!detail_.empty())
        untold_ = detail_;
    else if (!isRestartDetail(untold_))
        untold_.clear();
}

void ListenSession::addRecord(const std::string& line)
{
    records_ += line;
}

std::optional<ListenSession::Clock::duration> ListenSession::tick(Clock::time_point now)
{
    now_ = now;
    readout_.tick(now);
    tellWaiting(now, false);
    if (!show(now, false)) {
        status_ = kOutputFailed;
        return std::nullopt;
    }
    const bool playingFile = !source_.file.empty();
    if (playingFile && state_ == CaptureState::FormatUnusable) {
        sink_.report(source_.file + ": " + detail_);
        status_ = kInputFailed;
        return std::nullopt;
    }
    if (playingFile) {
        if (const std::optional<std::string> error = source_.fileEnded()) {
            if (!error->empty()) {
                sink_.report(source_.file + ": " + *error);
                status_ = kInputFailed;
            }
            return std::nullopt;
        }
    }
    if (!deviceChecked_ && ran_)
        deviceChecked_ = true;
    if (!deviceChecked_ && now >= deviceDeadline_) {
        tellNoDevice(now);
        status_ = kInputFailed;
        return std::nullopt;
    }
    if (end_ && now >= *end_)
        return std::nullopt;
    Clock::duration sleep = kTick;
    if (end_)
        sleep = std::min(sleep, *end_ - now);
    if (!deviceChecked_)
        sleep = std::min(sleep, deviceDeadline_ - now);
    return sleep;
}

int ListenSession::finish(Clock::time_point now)
{
    bool ok = show(now, true);
    if (settings_.display == ListenDisplay::Live && drawn_)
        ok = emit("\n") && ok;
    if (!ok && status_ == 0)
        status_ = kOutputFailed;
    return status_;
}

ListenSession::Waiting ListenSession::waitingFor() const
{
    switch (state_) {
    case CaptureState::NoDevice:
        return source_.serverConnected() ? Waiting::Device : Waiting::Server;
    case CaptureState::FormatUnusable:
        return Waiting::Format;
    default:
        return Waiting::Nothing;
    }
}

std::string ListenSession::waitingText(Waiting waiting) const
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

void ListenSession::tellWaiting(Clock::time_point now, bool evenNow)
{
    const Waiting want = waitingFor();
    // Running all along as far as the user could see, yet news: the recording
    // was lost and capture picked up again by itself, or the input gives
    // nothing.
    if (!untold_.empty()) {
        say(isRestartDetail(untold_) ? untold_ + "; listening again" + newDevice(" to ") : untold_);
        untold_.clear();
        shown_ = Waiting::Nothing;
        return;
    }
    if (want == Waiting::Nothing && shown_ == Waiting::Nothing) {
        if (state_ == CaptureState::Running)
            if (const std::string device = newDevice("listening to "); !device.empty())
                say(device);
        return;
    }
    if (want == shown_ && (want != Waiting::Format || detail_ == shownDetail_))
        return;
    if (want == Waiting::Nothing) {
        if (state_ == CaptureState::Running)
            say((waitedAfterRunning_ ? "listening again" : "found an input device; listening")
                + newDevice(" to "));
        shown_ = Waiting::Nothing;
        return;
    }
    // At the start, the connection to the server takes a moment; only an
    // absence that lasts is news. A device that is there but unusable is news
    // at once.
    if (!evenNow && !ran_ && want != Waiting::Format && now < graceEnd_)
        return;
    say(waitingText(want));
    shown_ = want;
    shownDetail_ = detail_;
    waitedAfterRunning_ = ran_;
}

// `prefix` and the device being heard, when it is not the one last named;
// else empty. A file the user named is never named back.
std::string ListenSession::newDevice(const char* prefix)
{
    if (!source_.file.empty() || device_.empty() || device_ == toldDevice_)
        return {};
    toldDevice_ = device_;
    return prefix + device_;
}

// Giving up at the start: says what capture waits for even within the grace
// period, so that the run never ends without a word on why.
void ListenSession::tellNoDevice(Clock::time_point now)
{
    if (shown_ == Waiting::Nothing)
        tellWaiting(now, true);
    if (shown_ == Waiting::Nothing)
        say("no input device");
}

// One line on the error output. The status line is cleared first and drawn
// again below it, so the two never run into each other.
void ListenSession::say(const std::string& message)
{
    if (settings_.display == ListenDisplay::Live && drawn_) {
        emit("\r\033[K");
        lastLine_.clear();
    }
    sink_.report(message);
}

bool ListenSession::emit(std::string_view text) const
{
    return sink_.write(text);
}

bool ListenSession::show(Clock::time_point now, bool final)
{
    if (settings_.display == ListenDisplay::Jsonl) {
        const bool ok = emit(records_);
        records_.clear();
        return ok;
    }
    if (!final && now - lastDraw_ < kRedrawInterval)
        return true;

    const bool waiting = shown_ != Waiting::Nothing && state_ != CaptureState::Running;
    if (readingsSeen_) {
        // The window's words and numbers, in the terminal's plain characters.
        const Readout::Text& text = readout_.text();
        reading_.past = text.past;
        reading_.cents = text.cents;
        if (reading_.cents.starts_with(kMinusSign))
            reading_.cents.replace(0, kMinusSign.size(), "-");
        reading_.words.clear();
        if (text.state == Readout::State::Live)
            reading_.words = judgementWord(text.judgement);
        else
            for (const char c : text.stateText)
                reading_.words += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string line;
    if (settings_.display == ListenDisplay::Live) {
        const std::size_t width = sink_.width();
        line = waiting ? statusMessage(waitingText(shown_), width)
                       : statusLine(reading_, width, settings_.colour);
    } else {
        if (waiting || !ran_)
            return true;
        line = statusLine(reading_);
    }
    if (line == lastLine_)
        return true;
    lastLine_ = line;
    lastDraw_ = now;
    if (settings_.display == ListenDisplay::Lines)
        return emit(line + "\n");
    drawn_ = true;
    return emit("\r" + line + "\033[K");
}

} // namespace clefmark::cli
