// One run of `clefmark-cli listen` as the user sees it: what capture waits
// for, the status line or the records, and when the run is over.
//
// The session reads no clock, no device and no terminal: the time comes in
// with every `tick`, capture news and display values are handed to it, and
// everything it says goes to a `ListenSink`. That keeps all of its decisions
// on one thread, in one place, and lets a test drive a whole run turn by
// turn, with no sound server and no waiting. The command's loop only wakes it
// and sleeps for as long as it asks.
#pragma once

#include "cli/StatusLine.h"
#include "tuner/Displays.h"
#include "tuner/NoteNames.h"
#include "tuner/Readout.h"
#include "tuner/Tuner.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace clefmark::cli {

/// How the tuner is shown.
enum class ListenDisplay {
    Live, // the status line, redrawn in place on a terminal
    Lines, // the status line, as a new line whenever it changes
    Jsonl, // the records of every block
};

struct ListenSettings {
    ListenDisplay display = ListenDisplay::Jsonl;
    /// ANSI colour in the live status line.
    bool colour = false;
    /// How long to listen; none for "until stopped". With a duration, a
    /// device that is not there at the start is taken as one that will not
    /// come.
    std::optional<std::chrono::steady_clock::duration> duration;
    /// How the status line names notes.
    NoteSpelling spelling = NoteSpelling::Sharps;
    NoteNaming naming = NoteNaming::Letters;
};

/// Where the sound comes from, as far as the session needs to know.
struct ListenSource {
    /// The file played instead of capturing, as messages name it; empty when
    /// capturing from the sound server.
    std::string file;
    /// Whether the sound server answers. Asked only while there is no device.
    std::function<bool()> serverConnected;
    /// Only with a file: none while it plays; once it has been played to the
    /// end, why it stopped early, or empty when it did not.
    std::function<std::optional<std::string>()> fileEnded;
};

/// Where the session writes.
struct ListenSink {
    /// Writes `text` to the output as it is and at once; false when it could
    /// not be written (having said why).
    std::function<bool(std::string_view)> write;
    /// Says `message` as one line on the error output.
    std::function<void(std::string_view)> report;
    /// The terminal's width in columns, asked before every live redraw.
    std::function<std::size_t()> width;
};

/// Threads: everything, including the displays, the source's and the sink's
/// functions, runs on the thread that calls `tick`: the tuner's main thread.
/// News from other threads (capture state, records) must be posted there.
class ListenSession final : public LevelDisplay,
                            public TuneDisplay,
                            public NoteDisplay,
                            public ReadingDisplay {
public:
    using Clock = std::chrono::steady_clock;

    /// Exit statuses, as `listen --help` gives them.
    static constexpr int kInputFailed = 1;
    static constexpr int kOutputFailed = 2;

    /// A run that started at `begin`.
    ListenSession(
        ListenSettings settings, ListenSource source, ListenSink sink, Clock::time_point begin);

    void setLevel(int level) override;
    void setTune(int tune, bool inTune) override;
    void setNote(int note) override;
    /// Tells live notes from past ones, and quiet from silent, as the window
    /// does.
    void setReading(int level, std::optional<Pitch> pitch) override;
    void setPitch(const Pitch& pitch) override;

    /// `device` names the input device being heard, with Running; the
    /// session says it whenever it is not the one last said.
    void captureChanged(CaptureState state, std::string detail, std::string device = {});
    /// One jsonl record, newline included, written at the next tick.
    void addRecord(const std::string& line);

    /// One turn of the run at `now`: says what capture waits for when that
    /// changes, writes what there is to write, and decides whether the run is
    /// over. Returns how long to wait before the next turn at most, or none
    /// when the run is over; then only `finish` is left to call.
    std::optional<Clock::duration> tick(Clock::time_point now);

    /// The last of the output, once capture has stopped and its last news is
    /// in (the run may have been stopped from outside). Returns the exit
    /// status: 0, `kInputFailed` or `kOutputFailed`.
    int finish(Clock::time_point now);

private:
    enum class Waiting { Nothing, Server, Device, Format };

    Waiting waitingFor() const;
    std::string waitingText(Waiting waiting) const;
    void tellWaiting(Clock::time_point now, bool evenNow);
    void tellNoDevice(Clock::time_point now);
    std::string newDevice(const char* prefix);
    void say(const std::string& message);
    bool emit(std::string_view text) const;
    bool show(Clock::time_point now, bool final);

    const ListenSettings settings_;
    const ListenSource source_;
    const ListenSink sink_;
    const Clock::time_point graceEnd_;
    const std::optional<Clock::time_point> end_;
    const Clock::time_point deviceDeadline_;
    bool deviceChecked_;
    int status_ = 0;

    StatusReading reading_;
    Readout readout_;
    bool readingsSeen_ = false;
    Clock::time_point now_;
    int tune_ = 0;
    bool inTune_ = false;

    CaptureState state_ = CaptureState::Stopped;
    std::string detail_;
    bool ran_ = false;
    std::string device_;
    std::string toldDevice_;
    // Why capture restarted by itself, or what is wrong with the input, when
    // the session has not said it yet.
    std::string untold_;

    Waiting shown_ = Waiting::Nothing;
    std::string shownDetail_;
    bool waitedAfterRunning_ = false;

    std::string records_;
    std::string lastLine_;
    Clock::time_point lastDraw_ {};
    bool drawn_ = false;
};

} // namespace clefmark::cli
