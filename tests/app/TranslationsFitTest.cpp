// Every text of the readout, in every language the window speaks, whole at
// Actual Size.
#include "tests/app/Languages.h"
#include "tests/support/QtEnvironment.h"
#include "tests/views/ReadoutFit.h"
#include "views/ReadoutWords.h"

#include <gtest/gtest.h>

namespace clefmark {
namespace {

    /// The widest names of each naming system in the language in use, with
    /// either sign, written with a transposition of up to two octaves either
    /// way of the tuner's range (A0 to C♯8): each alone, and over the note it
    /// sounds.
    std::vector<test::WrittenNote> widestNotes()
    {
        QFont font = QWidget().font();
        font.setPixelSize(20);
        font.setWeight(QFont::DemiBold);
        const Syllables syllables = localSyllables();
        std::vector<test::WrittenNote> notes;
        for (const NoteNaming naming :
            { NoteNaming::Letters, NoteNaming::German, NoteNaming::Solfege })
            for (const NoteSpelling spelling : { NoteSpelling::Sharps, NoteSpelling::Flats }) {
                auto name = [&](int note) { return noteName(note, spelling, naming, syllables); };
                auto widestIn = [&](int lowest, int highest) {
                    int widest = lowest;
                    for (int note = lowest; note <= highest; ++note)
                        if (unitsWide(QString::fromStdString(name(note)), font, 1.0)
                            > unitsWide(QString::fromStdString(name(widest)), font, 1.0))
                            widest = note;
                    return widest;
                };
                const int written = widestIn(9 - 24, 97 + 24);
                notes.push_back(
                    { name(written), name(written - 24 >= 9 ? written - 24 : written + 24) });
                notes.push_back({ name(widestIn(9, 97)), "" });
            }
        return notes;
    }

    TEST(TranslationsFit, everyReadoutTextFitsItsBoxAtActualSize)
    {
        const QFont base = QWidget().font();
        for (const QString& language : test::windowLanguages()) {
            SCOPED_TRACE(language.toStdString());
            const test::InLanguage speaking(language);
            for (const Readout::Text& t : test::readoutTexts(
                     widestNotes(), { "\u221250.0", "0.0" }, { "4434.9 Hz", "27.5 Hz" }))
                test::expectReadoutFits(t, base, 1.0);
        }
    }

} // namespace
} // namespace clefmark
