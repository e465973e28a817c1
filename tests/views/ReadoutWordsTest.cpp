#include "views/ReadoutWords.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace clefmark {
namespace {

    // A locale for the length of a test.
    class InLocale {
    public:
        explicit InLocale(const QLocale& locale) { QLocale::setDefault(locale); }
        ~InLocale() { QLocale::setDefault(QLocale::c()); }
    };

    TEST(ReadoutWords, NumbersAndNoteNamesFollowTheLocale)
    {
        {
            InLocale german(QLocale(QLocale::German, QLocale::Germany));
            EXPECT_EQ(localNumber("+19.6"), u"+19,6");
            EXPECT_EQ(localNumber("445.0 Hz"), u"445,0 Hz");
            EXPECT_EQ(localNaming(), NoteNaming::German);
        }
        {
            InLocale french(QLocale(QLocale::French, QLocale::France));
            EXPECT_EQ(localNaming(), NoteNaming::Solfege);
        }
        InLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(localNumber("\u221219.6"), u"\u221219.6");
        EXPECT_EQ(localNaming(), NoteNaming::Letters);
        // Untranslated, the syllables are the Italian ones musicians read everywhere.
        EXPECT_EQ(localSyllables(), italianSyllables());
        EXPECT_EQ(namingLabel(NoteNaming::Solfege), u"Solfège (Do Re Mi Fa Sol La Si)");
    }

} // namespace
} // namespace clefmark
