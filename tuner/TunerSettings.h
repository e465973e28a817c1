// The tuner's settings as a person gives them: in the settings file, on
// either program's command line, or in the preferences panel. Each holds its
// key, its default and, for a number, its range and the words that state it,
// so that every way in takes the same values and says the same thing about
// the others.
#pragma once

#include "tuner/Transposition.h"

#include <optional>
#include <string>
#include <string_view>

namespace clefmark {

/// A whole number within a range.
struct RangedSetting {
    /// The user defaults' key.
    const char* key;
    int min;
    int max;
    int initial;
    /// What the number counts, as messages name it: "Hz", "semitones".
    const char* unit;

    constexpr bool accepts(long long value) const { return value >= min && value <= max; }
    /// The value, or the nearer limit when it lies outside the range.
    constexpr int within(long long value) const
    {
        return value < min ? min : value > max ? max : static_cast<int>(value);
    }
    /// Text given on a command line: decimal digits with an optional sign and
    /// nothing else (see wholeNumberFromText), within the range.
    std::optional<int> fromText(std::string_view text) const;
    /// What a value must be, for messages about one that is not:
    /// "a whole number of Hz from 420 to 460".
    std::string rule() const;
};

/// On or off.
struct SwitchSetting {
    const char* key;
    bool initial;
};

/// The A above middle C.
inline constexpr RangedSetting kReferencePitchSetting { "ReferencePitchKey", 420, 460, 440, "Hz" };
inline constexpr SwitchSetting kOctaveRejectionSetting { "OctaveRejectionKey", false };
inline constexpr SwitchSetting kCloseEnoughSetting { "CloseEnoughKey", false };
/// Semitones from the sounding note to the written one.
inline constexpr RangedSetting kTranspositionSetting { "TranspositionKey", kMinTransposition,
    kMaxTransposition, 0, "semitones" };
/// Whether notes are named with flats rather than sharps.
inline constexpr SwitchSetting kFlatNamesSetting { "FlatNamesKey", false };
/// How notes are named: a NoteNaming as its number, or -1, the default, for
/// the names the user's language teaches (the program that shows them knows
/// the language; the engine does not).
inline constexpr RangedSetting kNoteNamingSetting { "NoteNamingKey", -1, 2, -1, "" };
/// Whether a pitch after a gap starts a new note (see FrequencyTracker).
inline constexpr SwitchSetting kFreshNotesSetting { "FreshNotesKey", false };

/// Whether a second detector is asked where the classic one finds no period
/// (see YinDetector.h): the command lines' `--detector hybrid`.
inline constexpr SwitchSetting kSecondOpinionSetting { "SecondOpinionKey", false };
/// The detector choices as the command lines name them, classic first.
inline constexpr const char* kDetectorNames[] = { "classic", "hybrid" };
/// Whether the choice `name` asks for the second opinion; none when it is
/// not one of kDetectorNames.
std::optional<bool> secondOpinionFromName(std::string_view name);

/// Those of the settings that are numbers, for what treats them alike.
inline constexpr const RangedSetting* kRangedSettings[]
    = { &kReferencePitchSetting, &kTranspositionSetting };

} // namespace clefmark
