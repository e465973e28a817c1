#include "tuner/NoteNames.h"

#include <algorithm>
#include <iterator>

namespace clefmark {

namespace {
    // For each pitch class: the natural note (0 = C … 6 = B) it is written
    // on, and its sign, with sharps and with flats.
    struct Written {
        int natural;
        int sign; // -1 flat, 0 natural, +1 sharp
    };
    constexpr Written kSharps[12] = { { 0, 0 }, { 0, 1 }, { 1, 0 }, { 1, 1 }, { 2, 0 }, { 3, 0 },
        { 3, 1 }, { 4, 0 }, { 4, 1 }, { 5, 0 }, { 5, 1 }, { 6, 0 } };
    constexpr Written kFlats[12] = { { 0, 0 }, { 1, -1 }, { 1, 0 }, { 2, -1 }, { 2, 0 }, { 3, 0 },
        { 4, -1 }, { 4, 0 }, { 5, -1 }, { 5, 0 }, { 6, -1 }, { 6, 0 } };

    // The note with its octave, the signs written as given.
    std::string spelt(int note, NoteSpelling spelling, NoteNaming naming,
        const Syllables& syllables, const char* sharp, const char* flat)
    {
        static constexpr const char* kLetters[7] = { "C", "D", "E", "F", "G", "A", "B" };
        const int octave = note >= 0 ? note / 12 : -((-note + 11) / 12);
        const int pitchClass = note - 12 * octave;
        const Written written
            = (spelling == NoteSpelling::Flats ? kFlats
                                               : kSharps)[static_cast<std::size_t>(pitchClass)];
        const char* name = kLetters[written.natural];
        int sign = written.sign;
        if (naming == NoteNaming::Solfege) {
            name = syllables[static_cast<std::size_t>(written.natural)].c_str();
        } else if (naming == NoteNaming::German && written.natural == 6) {
            // B♭ is plain B; B itself is H.
            name = sign < 0 ? "B" : "H";
            sign = 0;
        }
        const char* signText = sign > 0 ? sharp : sign < 0 ? flat : "";
        return std::string(name) + signText + std::to_string(octave);
    }
}

const Syllables& italianSyllables()
{
    static const Syllables syllables { "Do", "Re", "Mi", "Fa", "Sol", "La", "Si" };
    return syllables;
}

std::string noteName(int note, NoteSpelling spelling, NoteNaming naming, const Syllables& syllables)
{
    return spelt(note, spelling, naming, syllables, "\u266F", "\u266D");
}

std::string asciiNoteName(int note, NoteSpelling spelling, NoteNaming naming)
{
    return spelt(note, spelling, naming, italianSyllables(), "#", "b");
}

std::optional<NoteNaming> parseNoteNaming(std::string_view word)
{
    for (const NoteNaming naming : kNoteNamings)
        if (word == noteNamingWord(naming))
            return naming;
    return std::nullopt;
}

std::string_view noteNamingWord(NoteNaming naming)
{
    switch (naming) {
    case NoteNaming::German:
        return "german";
    case NoteNaming::Solfege:
        return "solfege";
    case NoteNaming::Letters:
        break;
    }
    return "letters";
}

std::string noteNamingChoices()
{
    std::string choices;
    for (std::size_t i = 0; i < std::size(kNoteNamings); ++i) {
        if (i > 0)
            choices += i + 1 == std::size(kNoteNamings) ? " or " : ", ";
        choices += noteNamingWord(kNoteNamings[i]);
    }
    return choices;
}

NoteNaming namingForLanguage(std::string_view language)
{
    const std::string_view code = language.substr(0, language.find_first_of("_-.@"));
    static constexpr std::string_view kGerman[]
        = { "de", "cs", "sk", "pl", "da", "sv", "nb", "nn", "no", "fi", "hu" };
    static constexpr std::string_view kSolfege[]
        = { "fr", "it", "es", "pt", "ru", "uk", "ro", "ca", "gl" };
    if (std::find(std::begin(kGerman), std::end(kGerman), code) != std::end(kGerman))
        return NoteNaming::German;
    if (std::find(std::begin(kSolfege), std::end(kSolfege), code) != std::end(kSolfege))
        return NoteNaming::Solfege;
    return NoteNaming::Letters;
}

} // namespace clefmark
