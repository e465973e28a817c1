// What the tuner shows, as four small receivers. The views of the main window
// implement them; tests and tools implement them to watch the engine. Every
// method is called on the main thread only, through `MainThread::post`.
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

/// Receives every analysis block: its level and the smoothed frequency, if a
/// pitch was found. For readouts that tell live from past and quiet from
/// silent, which the four above cannot.
class ReadingDisplay {
public:
    virtual void setReading(int level, std::optional<float> frequency) = 0;

protected:
    ~ReadingDisplay() = default;
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

} // namespace clefmark
