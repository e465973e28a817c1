// Displays that remember what they were sent, in order.
#pragma once

#include "tuner/Displays.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace clefmark::test {

/// Implements all the displays and logs each call of the four drawn ones as
/// one line, so a test can check both the values and their order.
class RecordingDisplays final : public LevelDisplay,
                                public TuneDisplay,
                                public NoteDisplay,
                                public StatusDisplay,
                                public ReadingDisplay {
public:
    void setReading(int level, std::optional<Pitch> pitch) override
    {
        readings.emplace_back(level, pitch ? std::optional(pitch->frequency) : std::nullopt);
    }
    void setPitch(const Pitch& pitch) override { remapped.push_back(pitch); }
    void setLevel(int level) override
    {
        levels.push_back(level);
        log.push_back("level " + std::to_string(level));
    }
    void setTune(int tune, bool inTune) override
    {
        tunes.push_back({ tune, inTune, 0 });
        log.push_back("tune " + std::to_string(tune) + (inTune ? " in" : " out"));
    }
    void setNote(int note) override
    {
        notes.push_back(note);
        log.push_back("note " + std::to_string(note));
    }
    void increment() override
    {
        ++increments;
        log.push_back("increment");
    }

    std::vector<int> levels;
    std::vector<DisplayUpdate> tunes; // note unused: notes arrive separately
    std::vector<int> notes;
    int increments = 0;
    std::vector<std::pair<int, std::optional<float>>> readings;
    std::vector<Pitch> remapped;
    std::vector<std::string> log;
};

} // namespace clefmark::test
