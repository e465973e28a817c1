// The readout: what the tuner hears, in numbers and words, for the window's
// readout strip and the terminal tuner's status line alike.
//
// The model takes the tuner's pitch (mapped by the tuner, so that its note
// and judgement are the needle's) for every analysis block, the level, the
// pause flag and the capture state, and gives back texts. It reads no clock and knows no
// toolkit: the time comes in with every call, so one thread (the main one)
// owns it and a test can drive it turn by turn.
//
// Live and past: a note stays live for `kLiveFor` after the last block with
// a pitch; then it is shown as past (dimmed, and never "in tune"), beside
// the words for what is going on, so a stale note cannot pass for an in-tune
// one.
#pragma once

#include "tuner/CaptureControl.h"
#include "tuner/Displays.h"
#include "tuner/NoteMapper.h"
#include "tuner/NoteNames.h"

#include <chrono>
#include <optional>
#include <string>

namespace clefmark {

class Readout {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kLiveFor { 1000 };

    /// What is going on, when it is not a live note.
    enum class State {
        Live, // a note heard within `kLiveFor`
        Listening, // capture runs; nothing pitched heard lately
        TooQuiet, // capture runs; the level stays below what detection needs
        Paused,
        NoDevice, // no input device, or none that can be used
        WaitingForServer,
    };
    enum class Judgement { None, Flat, InTune, Sharp };

    struct Text {
        State state = State::Listening;
        /// The note shown is not live: dim it. Never in tune.
        bool past = false;
        Judgement judgement = Judgement::None;
        /// "A♯4", or "B♭4" with flats ("B4", "Si♭4" in other namings):
        /// the written note with its true octave (UTF-8). Empty before any
        /// note.
        std::string note;
        /// The sounding note, when the written one is transposed from it;
        /// else empty.
        std::string sounding;
        /// "+19.6", "−3.0", "0.0" (U+2212 minus; never "−0.0"). Empty
        /// before any note.
        std::string cents;
        /// "445.0 Hz". Empty before any note.
        std::string frequency;
        /// "♭ flat", "✓ in tune", "♯ sharp"; empty unless live.
        std::string judgementText;
        /// Words for the state whenever no live note is there ("Listening",
        /// "Too quiet", "Paused", "No input device", "Waiting for the sound
        /// server"); empty while live.
        std::string stateText;
        /// With `State::NoDevice`: there is one, in a format that cannot be
        /// used.
        bool deviceUnusable = false;
        /// The input device being heard, for a tooltip; may be empty.
        std::string device;

        friend bool operator==(const Text&, const Text&) = default;
    };

    // Inputs. Each may change the text; `text()` gives it.
    /// Semitones from the sounding note to the written one.
    void setTransposition(int semitones);
    void setSpelling(NoteSpelling spelling);
    /// Letters unless told; `syllables` spell the solfège names.
    void setNaming(NoteNaming naming, const Syllables& syllables);
    void setPaused(bool paused, Clock::time_point now);
    void setCaptureState(
        CaptureState state, bool serverConnected, std::string device, Clock::time_point now);
    void setReading(int level, std::optional<Pitch> pitch, Clock::time_point now);
    /// The last pitch mapped anew (another reference or leniency): no news
    /// of sound.
    void setPitch(const Pitch& pitch);
    /// Time passing with no news: a live note becomes past.
    void tick(Clock::time_point now);

    const Text& text() const { return text_; }

private:
    void describePitch();
    void update(Clock::time_point now);

    int transposition_ = 0;
    NoteSpelling spelling_ = NoteSpelling::Sharps;
    NoteNaming naming_ = NoteNaming::Letters;
    Syllables syllables_ = italianSyllables();
    bool paused_ = false;
    CaptureState capture_ = CaptureState::Stopped;
    bool serverConnected_ = true;
    std::string device_;

    std::optional<Pitch> pitch_;
    std::optional<Clock::time_point> lastPitchAt_;
    // The last block loud enough for detection to look at.
    std::optional<Clock::time_point> lastAudible_;
    Clock::time_point capturedSince_ {};
    Clock::time_point now_ {};

    // The words for `pitch_`.
    std::string note_;
    std::string sounding_;
    std::string cents_;
    std::string hertz_;
    Judgement judgement_ = Judgement::None;

    Text text_;
};

/// "+19.6", "−3.0" (U+2212), "0.0": one decimal, never a signed zero.
std::string formatCents(double cents);

/// "flat", "in tune", "sharp": the judgement in words, without its sign;
/// empty for none.
const char* judgementWord(Readout::Judgement judgement);

} // namespace clefmark
