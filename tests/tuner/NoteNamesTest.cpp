#include "tuner/NoteNames.h"

#include <gtest/gtest.h>

namespace clefmark {
namespace {

    const Syllables kFrench { "Do", "Ré", "Mi", "Fa", "Sol", "La", "Si" };

    TEST(NoteNames, EachSystemNamesTheKeysAroundBAsItsPlayersDo)
    {
        constexpr auto S = NoteSpelling::Sharps;
        constexpr auto F = NoteSpelling::Flats;
        struct Case {
            int note;
            NoteSpelling spelling;
            const char* letters;
            const char* german;
            const char* solfege;
        };
        const Case cases[] = {
            { 57, S, "A4", "A4", "La4" },
            { 58, S, "A♯4", "A♯4", "La♯4" },
            { 58, F, "B♭4", "B4", "Si♭4" },
            { 59, S, "B4", "H4", "Si4" },
            { 59, F, "B4", "H4", "Si4" },
            { 60, F, "C5", "C5", "Do5" },
            { 61, F, "D♭5", "D♭5", "Ré♭5" },
            { 63, S, "D♯5", "D♯5", "Ré♯5" },
            // Below C0 the octave goes negative, and a flat keeps its sharp's.
            { -2, F, "B♭-1", "B-1", "Si♭-1" },
            { -1, S, "B-1", "H-1", "Si-1" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.note);
            EXPECT_EQ(noteName(c.note, c.spelling, NoteNaming::Letters, kFrench), c.letters);
            EXPECT_EQ(noteName(c.note, c.spelling, NoteNaming::German, kFrench), c.german);
            EXPECT_EQ(noteName(c.note, c.spelling, NoteNaming::Solfege, kFrench), c.solfege);
        }
        EXPECT_EQ(noteName(62, S, NoteNaming::Solfege, italianSyllables()), "Re5");
        // For terminals: ASCII signs, Italian syllables.
        EXPECT_EQ(asciiNoteName(58, F, NoteNaming::Solfege), "Sib4");
        EXPECT_EQ(asciiNoteName(61, S, NoteNaming::Solfege), "Do#5");
        EXPECT_EQ(asciiNoteName(58, F, NoteNaming::German), "B4");
        EXPECT_EQ(asciiNoteName(-2, F, NoteNaming::Letters), "Bb-1");
    }

    TEST(NoteNames, TheLanguageChoosesTheSystemAndTheWordsNameIt)
    {
        const std::pair<const char*, NoteNaming> languages[] = {
            { "de_DE.UTF-8", NoteNaming::German },
            { "cs", NoteNaming::German },
            { "pl_PL", NoteNaming::German },
            { "fr_FR", NoteNaming::Solfege },
            { "pt_BR", NoteNaming::Solfege },
            { "ru", NoteNaming::Solfege },
            { "uk_UA", NoteNaming::Solfege },
            { "en_US", NoteNaming::Letters },
            { "nl_NL", NoteNaming::Letters },
            { "ja_JP", NoteNaming::Letters },
            { "C", NoteNaming::Letters },
            { "", NoteNaming::Letters },
        };
        for (const auto& [language, naming] : languages)
            EXPECT_EQ(namingForLanguage(language), naming) << language;

        for (const NoteNaming naming :
            { NoteNaming::Letters, NoteNaming::German, NoteNaming::Solfege })
            EXPECT_EQ(parseNoteNaming(noteNamingWord(naming)), naming);
        EXPECT_EQ(parseNoteNaming("Letters"), std::nullopt);
        EXPECT_EQ(parseNoteNaming(""), std::nullopt);
    }

} // namespace
} // namespace clefmark
