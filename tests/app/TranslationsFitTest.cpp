// Every text of the panels, alerts and readout, in every language the window
// speaks, whole at Actual Size on the least screen the program is made for.
// The menu bar and the status line are tried in every language with the
// main window (ViewMenuTest).
#include "app/Controller.h"
#include "app/VersionCheck.h"
#include "desktop/Alerts.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "panels/About.h"
#include "panels/HelpPanel.h"
#include "panels/Preferences.h"
#include "panels/UrlOpener.h"
#include "tests/app/Languages.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/SimulatedAudioHardware.h"
#include "tests/views/ReadoutFit.h"
#include "tuner/Tuner.h"
#include "views/ReadoutWords.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QSpinBox>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

namespace clefmark {
namespace {

    constexpr QSize kLeastScreen { 1024, 768 };
    const QString kHost = QStringLiteral("clefmark.example.org");

    /// Each label, button, check box, radio button and spin box of `panel`
    /// at least as wide as its text needs, each combo box as wide as its
    /// widest item needs, each wrapped label as tall as its lines; the
    /// panel on the least screen, and a letter of its own for each control
    /// Alt reaches.
    void expectWhole(QWidget* panel)
    {
        EXPECT_LE(panel->width(), kLeastScreen.width());
        EXPECT_LE(panel->height(), kLeastScreen.height());
        QStringList letters;
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(panel))
                continue;
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QAbstractButton*>(w);
            const QString text = label != nullptr ? label->text()
                : button != nullptr               ? button->text()
                                                  : QString();
            if (text.contains(u'&'))
                letters << text;
            SCOPED_TRACE(w->objectName().toStdString() + ": " + text.toStdString());
            if (label != nullptr && label->wordWrap()) {
                EXPECT_TRUE(test::wrapsWithin(text, label->font(), label->contentsRect().size()))
                    << label->width() << "x" << label->height();
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                // Where the style draws the chosen item, against each item's
                // ink: a full-width bracket ends in blank room of its own.
                QStyleOptionComboBox option;
                option.initFrom(combo);
                const int room = combo->style()
                                     ->subControlRect(QStyle::CC_ComboBox, &option,
                                         QStyle::SC_ComboBoxEditField, combo)
                                     .width()
                    - 2;
                for (int i = 0; i < combo->count(); ++i)
                    EXPECT_LE(
                        combo->fontMetrics().tightBoundingRect(combo->itemText(i)).right(), room)
                        << combo->itemText(i).toStdString();
            } else if (label != nullptr || button != nullptr
                || qobject_cast<QAbstractSpinBox*>(w) != nullptr) {
                EXPECT_GE(w->width(), w->sizeHint().width());
            }
        }
        EXPECT_EQ(test::sharedLetters(letters).toStdString(), "");
    }

    TEST(TranslationsFit, everyPanelShowsEveryTextWholeOnTheLeastScreen)
    {
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        SimulatedAudioHardware hardware;
        Tuner tuner(defaults, mainThread, &hardware);
        for (const QString& language : test::windowLanguages()) {
            SCOPED_TRACE(language.toStdString());
            const test::InLanguage speaking(language);
            Preferences preferences(Preferences::Settings::of(tuner, [] {}));
            preferences.showPanel();
            About about(nullptr, kHost);
            about.showPanel();
            // The help button reads one way with a web site, another with
            // only the manual.
            HelpPanel web(nullptr, kHost);
            web.showPanel();
            HelpPanel manual(nullptr, QString());
            manual.showPanel();
            // Combo boxes find their width when first shown, and the panels
            // grow to it when the layout hears of it.
            QCoreApplication::sendPostedEvents();
            for (QWidget* panel :
                { preferences.prefsWindow(), about.aboutWindow(), web.window(), manual.window() }) {
                ASSERT_NE(panel, nullptr);
                SCOPED_TRACE(panel->objectName().toStdString());
                expectWhole(panel);
                panel->close();
            }
        }
    }

    // The transposition box's unit agrees with its number as each language
    // wants, B♭ instruments' 2 above all.
    TEST(TranslationsFit, theSemitonesAgreeWithTheirNumber)
    {
        MemoryUserDefaults defaults;
        QueuedMainThread mainThread;
        SimulatedAudioHardware hardware;
        Tuner tuner(defaults, mainThread, &hardware);
        const std::pair<const char*, std::vector<std::pair<int, const char*>>> cases[] = {
            { "en", { { 1, "1 semitone" }, { -1, "-1 semitone" }, { 2, "2 semitones" } } },
            { "de", { { 1, "1 Halbton" }, { 0, "0 Halbtöne" } } },
            { "pl",
                { { 1, "1 półton" }, { 2, "2 półtony" }, { 5, "5 półtonów" },
                    { 22, "22 półtony" } } },
            { "cs", { { 2, "2 půltóny" }, { 9, "9 půltónů" } } },
        };
        for (const auto& [language, values] : cases) {
            const test::InLanguage speaking(QString::fromLatin1(language));
            Preferences preferences(Preferences::Settings::of(tuner, [] {}));
            preferences.showPanel();
            QSpinBox* spin = preferences.transpositionSpin();
            ASSERT_NE(spin, nullptr);
            QCoreApplication::sendPostedEvents();
            const int width = spin->width();
            for (const auto& [semitones, shown] : values) {
                spin->setValue(semitones);
                QCoreApplication::sendPostedEvents();
                EXPECT_EQ(spin->text().toStdString(), shown) << language;
                EXPECT_EQ(spin->width(), width) << "stepping never moves the panel";
            }
            preferences.prefsWindow()->close();
        }
    }

    /// `text` in an alert as the program shows it, looked at while it is up:
    /// the box on the least screen and every line of the text whole. The
    /// offscreen screen, 800 x 600, leaves an alert less width than that
    /// screen would.
    void expectAlertWhole(const QString& text)
    {
        SCOPED_TRACE(text.toStdString());
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* shown = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(shown)) {
                seen = true;
                EXPECT_LE(box->width(), kLeastScreen.width());
                EXPECT_LE(box->height(), kLeastScreen.height());
                const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                EXPECT_NE(label, nullptr);
                if (label != nullptr) {
                    EXPECT_TRUE(
                        test::wrapsWithin(text, label->font(), label->contentsRect().size()))
                        << label->width() << "x" << label->height();
                }
            }
            if (shown != nullptr)
                shown->close();
        });
        runAlertPanel(text);
        EXPECT_TRUE(seen);
    }

    TEST(TranslationsFit, everyAlertShowsWholeOnTheLeastScreen)
    {
        const UrlOpener opener = setUrlOpener([](const QUrl&) { return false; });
        QTemporaryDir installed; // where the manual is found
        ASSERT_TRUE(installed.isValid());
        QFile page(installed.filePath(QStringLiteral("manual.html")));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.close();
        const QByteArray resources = qgetenv("CLEFMARK_RESOURCES");
        for (const QString& language : test::windowLanguages()) {
            SCOPED_TRACE(language.toStdString());
            const test::InLanguage speaking(language);
            QStringList alerts { Preferences::rangeAlert(), qtVersionAlertTitle(),
                Controller::cannotPlayMessage(
                    QStringLiteral("/home/someone/Music/Suite No. 1 in G major, Prélude (take "
                                   "3, the slower one).flac"),
                    QStringLiteral(
                        "not an audio file (File contains data in an unknown format)")) };
            const AlertFunction record = [&alerts](const QString& text) { alerts << text; };
            Controller::Services services;
            services.alert = record;
            Controller(std::move(services)).configure(); // no sound settings program
            HelpPanel(nullptr, kHost, record).visitWebSite();
            qputenv("CLEFMARK_RESOURCES", QFile::encodeName(installed.path()));
            HelpPanel(nullptr, QString(), record).visitWebSite();
            qputenv("CLEFMARK_RESOURCES", resources);
            EXPECT_EQ(alerts.size(), 6);
            for (const QString& text : alerts)
                expectAlertWhole(text);
        }
        setUrlOpener(opener);
    }

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
