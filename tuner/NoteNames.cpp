#include "tuner/NoteNames.h"

#include <algorithm>
#include <utility>

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
}

const Syllables& italianSyllables()
{
    static const Syllables syllables { "Do", "Re", "Mi", "Fa", "Sol", "La", "Si" };
    return syllables;
}

std::string noteName(int note, NoteSpelling spelling, NoteNaming naming, const Syllables& syllables)
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
    const char* signText = sign > 0 ? "\u266F" : sign < 0 ? "\u266D" : "";
    return std::string(name) + signText + std::to_string(octave);
}

std::string asciiNoteName(int note, NoteSpelling spelling, NoteNaming naming)
{
    std::string name = noteName(note, spelling, naming, italianSyllables());
    for (const auto& [sign, ascii] : { std::pair { "\u266F", '#' }, std::pair { "\u266D", 'b' } })
        if (const std::size_t at = name.find(sign); at != std::string::npos)
            name.replace(at, std::string_view(sign).size(), 1, ascii);
    return name;
}

std::optional<NoteNaming> parseNoteNaming(std::string_view word)
{
    for (const NoteNaming naming : { NoteNaming::Letters, NoteNaming::German, NoteNaming::Solfege })
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
