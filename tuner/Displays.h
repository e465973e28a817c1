// What the tuner shows, as four small receivers. The views of the main window
// implement them; tests and tools implement them to watch the engine. Every
// method is called on the main thread only, when the tuner delivers what the
// input thread handed over, or re-sends after a change of setting.
#pragma once

#include <optional>

namespace clefmark {

/// Receives the input level once per analysis block: 0 (below -21 dBFS) to 8
/// (full scale) in steps of 3 dB.
class LevelDisplay {
public:
    virtual void setLevel(int level) = 0;

protected:
    ~LevelDisplay() = default;
};

/// Receives the deviation from the nearest note, in tune steps of 1/51
/// semitone (positive when sharp), and whether it counts as in tune.
class TuneDisplay {
public:
    virtual void setTune(int tune, bool inTune) = 0;

protected:
    ~TuneDisplay() = default;
};

/// Receives the nearest note: 57 is the reference A, 48 middle C.
class NoteDisplay {
public:
    virtual void setNote(int note) = 0;

protected:
    ~NoteDisplay() = default;
};

/// Advanced by one step for every detected pitch.
class StatusDisplay {
public:
    virtual void increment() = 0;

protected:
    ~StatusDisplay() = default;
};

/// One display update: the tune value, its in-tune judgement and the note,
/// always computed together so the needle never pairs one note's deviation
/// with another note's name.
struct DisplayUpdate {
    int tune = 0;
    bool inTune = false;
    int note = 0;

    friend bool operator==(const DisplayUpdate&, const DisplayUpdate&) = default;
};

/// A pitch as every display shows it, mapped once: the smoothed frequency,
/// its update (with the sounding note) and its deviation from that note in
/// cents, unrounded.
struct Pitch {
    float frequency = 0.0f;
    DisplayUpdate update;
    double cents = 0.0;

    friend bool operator==(const Pitch&, const Pitch&) = default;
};

/// Receives every analysis block: its level and its pitch, if one was
/// found. For readouts that tell live from past and quiet from silent, which
/// the four above cannot.
class ReadingDisplay {
public:
    virtual void setReading(int level, std::optional<Pitch> pitch) = 0;
    /// The last pitch again, mapped anew because the reference pitch or the
    /// leniency changed: not news of sound.
    virtual void setPitch(const Pitch& pitch) = 0;

protected:
    ~ReadingDisplay() = default;
};

} // namespace clefmark
