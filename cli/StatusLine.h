// The terminal tuner's one status line: note, cents, needle, in-tune mark and
// level, always the same width, so that redrawing it in place never leaves
// debris behind or makes it jump.
#pragma once

#include "tuner/Displays.h"
#include "tuner/NoteMapper.h"
#include "tuner/NoteNames.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace clefmark::cli {

/// What the status line shows.
struct StatusReading {
    /// The last note heard, kept through silence; none before the first.
    std::optional<DisplayUpdate> update;
    /// Its cents as the window's readout gives them, to a tenth ("+1.6",
    /// "-3.0"); empty before the first note.
    std::string cents {};
    int level = 0; ///< 0..8
    /// The note is no longer live: shown plain, without the needle's marker,
    /// and never in tune.
    bool past = false;
    /// In the in-tune mark's place: the judgement's word while the note is
    /// live and not in tune ("flat", "sharp"), else what is going on
    /// ("listening", "too quiet").
    std::string words {};
    NoteSpelling spelling = NoteSpelling::Sharps;
    NoteNaming naming = NoteNaming::Letters;
};

/// Characters inside the needle's brackets; the middle one is the note.
inline constexpr int kNeedleWidth = 21;
/// Width of the full status line.
inline constexpr std::size_t kStatusWidth = 71;

/// "[----------|----------]" with '*' where `tune` (steps of 1/51 semitone)
/// falls: each side spans half a semitone, so a step of the needle is 2.5
/// tune steps, and ±1 stays in the middle, on the '|'.
std::string needle(std::optional<int> tune);

/// Where the needle's marker goes, 0..kNeedleWidth-1.
int needlePosition(int tune);

/// The status line, exactly `kStatusWidth` visible characters when `width`
/// allows it, else a shorter layout that fits in `width - 1` (the last
/// column is left free, so that no terminal wraps). With `colour`, the note
/// is bold and the in-tune mark green (ANSI sequences, which take no
/// columns).
std::string statusLine(
    const StatusReading& reading, std::size_t width = kStatusWidth + 1, bool colour = false);

/// A message in the status line's place, e.g. while waiting for a device:
/// padded or cut to the width `statusLine` would take.
std::string statusMessage(std::string_view message, std::size_t width = kStatusWidth + 1);

} // namespace clefmark::cli
