// Note names as musicians are taught them.
//
// Players who learnt English letter names call the white keys C D E F G A B
// and the black ones by their neighbours with a sharp or a flat. German,
// Czech, Polish and Nordic players call B "H" and B♭ "B". French, Italian,
// Spanish, Portuguese and Russian players learn fixed-do syllables, Do Ré Mi
// Fa Sol La Si, spelt in their own language. The octave number is the same in
// every system (scientific pitch notation, A4 the A above middle C), so the
// staves and the readout agree whatever the names.
#pragma once

#include "tuner/NoteMapper.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace clefmark {

enum class NoteNaming {
    // Numbered as the settings file stores them.
    Letters = 0, // C D E F G A B
    German = 1, // … A H, with B for B♭
    Solfege = 2, // Do Re Mi Fa Sol La Si
};

/// Every naming, in the order of their numbers.
inline constexpr NoteNaming kNoteNamings[]
    = { NoteNaming::Letters, NoteNaming::German, NoteNaming::Solfege };

/// The fixed-do names of C, D, E, F, G, A and B in one language's spelling.
using Syllables = std::array<std::string, 7>;

/// The Italian spelling, which musicians everywhere read.
const Syllables& italianSyllables();

/// The note with its octave, in UTF-8 with ♯ and ♭ signs: note 58 is "A♯4"
/// or "B♭4" in letters, "A♯4" or "B4" in German, "La♯4" or "Si♭4" in
/// solfège; 59 is "B4", "H4" and "Si4". A flat keeps its sharp's octave.
std::string noteName(
    int note, NoteSpelling spelling, NoteNaming naming, const Syllables& syllables);

/// The same in plain ASCII, for terminals and files that may not take
/// UTF-8: '#' and 'b' for the signs, the syllables in their Italian spelling
/// ("A#4", "Bb4", "B4", "Sol#4").
std::string asciiNoteName(int note, NoteSpelling spelling, NoteNaming naming);

/// "letters", "german" or "solfege".
std::optional<NoteNaming> parseNoteNaming(std::string_view word);
std::string_view noteNamingWord(NoteNaming naming);
/// The words a command line takes, for its messages: "letters, german or
/// solfege".
std::string noteNamingChoices();

/// The names taught where `language` (an ISO 639 code such as "de", or a
/// locale name such as "pt_BR") is spoken; letters where we do not know.
NoteNaming namingForLanguage(std::string_view language);

} // namespace clefmark
