// Transposing instruments: their players read a note written some semitones
// away from the one that sounds. Written = sounding + semitones.
#pragma once

namespace clefmark {

inline constexpr int kMinTransposition = -24;
inline constexpr int kMaxTransposition = 24;

struct TranspositionPreset {
    /// UTF-8, for menus.
    const char* name;
    int semitones;
};

/// The usual instruments, concert pitch first; no two share a number, so a
/// number names at most one of them.
inline constexpr TranspositionPreset kTranspositionPresets[] = {
    { "Concert pitch", 0 },
    { "B\u266D (clarinet, trumpet, soprano sax)", 2 },
    { "A (clarinet)", 3 },
    { "E\u266D alto (alto sax)", 9 },
    { "F (horn)", 7 },
    { "B\u266D tenor (tenor sax)", 14 },
    { "E\u266D baritone (baritone sax)", 21 },
    { "Guitar and bass", 12 },
};

} // namespace clefmark
