// A pitch as the tuner hands it to its displays, for tests that play the
// tuner's part.
#pragma once

#include "tuner/NoteMapper.h"

#include <optional>

namespace clefmark::test {

inline std::optional<Pitch> pitchAt(float hz, int reference = 440, bool closeEnough = false)
{
    NoteMapper mapper;
    mapper.InitTuningObject(reference, NoteMapper::kStepsPerSemitone);
    return mapper.mapPitch(hz, closeEnough);
}

} // namespace clefmark::test
