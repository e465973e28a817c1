#include "panels/Preferences.h"

#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tests/panels/PanelTestSupport.h"
#include "tuner/Tuner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace clefmark {
namespace {

    /// How far from the screen's centre a centred panel may lie: the window
    /// frame's margins are unknown until it is first shown.
    constexpr int kCentred = 8;

    /// Clicks a check box on its box, the part that takes clicks.
    void click(QAbstractButton* checkBox)
    {
        QTest::mouseClick(checkBox, Qt::LeftButton, {}, QPoint(8, checkBox->height() / 2));
    }

    /// Picks an item from the combo box as a user does.
    void choose(Preferences& preferences, int index)
    {
        preferences.transpositionCombo()->setCurrentIndex(index);
        emit preferences.transpositionCombo()->activated(index);
    }

    /// A panel whose tuner records every call, in order, as text.
    class PreferencesTest : public ::testing::Test {
    protected:
        void SetUp() override
        {
            Preferences::Settings settings;
            settings.referencePitch = [this] { return pitch; };
            settings.octaveRejection = [this] { return octaveRejection; };
            settings.closeEnough = [this] { return closeEnough; };
            settings.setReferencePitch
                = [this](int hz) { calls.push_back("pitch " + std::to_string(hz)); };
            settings.setOctaveRejection
                = [this](bool on) { calls.push_back(on ? "octave on" : "octave off"); };
            settings.setCloseEnough
                = [this](bool on) { calls.push_back(on ? "close on" : "close off"); };
            settings.transposition = [this] { return transposition; };
            settings.flatNames = [this] { return flats; };
            settings.setTransposition
                = [this](int n) { calls.push_back("transpose " + std::to_string(n)); };
            settings.setFlatNames
                = [this](bool on) { calls.push_back(on ? "flats on" : "flats off"); };
            settings.noteNaming = [] { return NoteNaming::German; };
            settings.setNoteNaming = [this](NoteNaming naming) {
                calls.push_back("names " + std::string(noteNamingWord(naming)));
            };
            settings.freshNotes = [this] { return freshNotes; };
            settings.setFreshNotes
                = [this](bool on) { calls.push_back(on ? "fresh on" : "fresh off"); };
            preferences = std::make_unique<Preferences>(
                settings, [this](const QString& title) { alerts << title; });
        }

        /// Shows the panel and fails the test if it did not load.
        void show()
        {
            preferences->showPanel();
            ASSERT_NE(preferences->prefsWindow(), nullptr);
            ASSERT_NE(preferences->referencePitchText(), nullptr);
            ASSERT_NE(preferences->octaveRejectionCheckbox(), nullptr);
            ASSERT_NE(preferences->closeEnoughCheckbox(), nullptr);
            ASSERT_NE(preferences->freshNotesCheckbox(), nullptr);
            ASSERT_NE(preferences->defaultsButton(), nullptr);
        }

        /// Types `text` into the pitch field in place of what it held, then
        /// presses Return.
        void enterPitch(const QString& text)
        {
            QLineEdit* field = preferences->referencePitchText();
            field->selectAll();
            if (text.isEmpty())
                QTest::keyClick(field, Qt::Key_Backspace);
            else
                QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Return);
        }

        int pitch = 443;
        bool octaveRejection = true;
        bool closeEnough = false;
        int transposition = 14;
        bool flats = true;
        bool freshNotes = true;
        std::vector<std::string> calls;
        QStringList alerts;
        std::unique_ptr<Preferences> preferences;
    };

    TEST_F(PreferencesTest, ShowsTheTunersSettingsWhenLoaded)
    {
        show();
        EXPECT_EQ(preferences->referencePitchText()->text(), u"443");
        EXPECT_TRUE(preferences->octaveRejectionCheckbox()->isChecked());
        EXPECT_FALSE(preferences->closeEnoughCheckbox()->isChecked());
        EXPECT_TRUE(preferences->freshNotesCheckbox()->isChecked());
        EXPECT_EQ(preferences->transpositionSpin()->value(), 14);
        EXPECT_EQ(preferences->transpositionCombo()->currentText(), u"B\u266D tenor (tenor sax)");
        EXPECT_TRUE(preferences->flatsRadio()->isChecked());
        EXPECT_FALSE(preferences->sharpsRadio()->isChecked());
        EXPECT_EQ(
            preferences->namingCombo()->currentText(), u"German (C D E F G A H, and B for B♭)");
        EXPECT_TRUE(calls.empty());
    }

    TEST_F(PreferencesTest, InstrumentsAndSemitonesShowEachOtherAndAreSent)
    {
        struct Step {
            const char* name;
            std::function<void(Preferences&)> act;
            const char* sent; // nullptr: nothing
            int semitones;
            const char* instrument;
        };
        const Step steps[] = {
            { "an instrument", [](Preferences& p) { choose(p, 1); }, "transpose 2", 2,
                "B\u266D (clarinet, trumpet, soprano sax)" },
            { "a number no instrument has",
                [](Preferences& p) { p.transpositionSpin()->setValue(-5); }, "transpose -5", -5,
                "Other" },
            { "a number an instrument has",
                [](Preferences& p) { p.transpositionSpin()->setValue(7); }, "transpose 7", 7,
                "F (horn)" },
            { "Other", [](Preferences& p) { choose(p, 8); }, nullptr, 7, "Other" },
            { "beyond the range", [](Preferences& p) { p.transpositionSpin()->setValue(30); },
                "transpose 24", 24, "Other" },
            { "concert pitch", [](Preferences& p) { choose(p, 0); }, "transpose 0", 0,
                "Concert pitch" },
        };
        show();
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            calls.clear();
            step.act(*preferences);
            EXPECT_EQ(calls,
                step.sent ? std::vector<std::string> { step.sent } : std::vector<std::string> {});
            EXPECT_EQ(preferences->transpositionSpin()->value(), step.semitones);
            EXPECT_EQ(preferences->transpositionCombo()->currentText(),
                QString::fromUtf8(step.instrument));
        }
        calls.clear();
        click(preferences->sharpsRadio());
        click(preferences->flatsRadio());
        preferences->namingCombo()->setCurrentIndex(2);
        emit preferences->namingCombo()->activated(2);
        EXPECT_EQ(calls, (std::vector<std::string> { "flats off", "flats on", "names solfege" }));
    }

    struct PitchEntry {
        const char* name;
        const char16_t* typed;
        bool alerts;
        const char16_t* shown;
        int sent;
    };

    void PrintTo(const PitchEntry& entry, std::ostream* out)
    {
        *out << entry.name;
    }

    class PitchFieldTest : public PreferencesTest,
                           public ::testing::WithParamInterface<PitchEntry> { };

    TEST_P(PitchFieldTest, KeepsThePitchInRange)
    {
        const PitchEntry& entry = GetParam();
        show();
        enterPitch(QString::fromUtf16(entry.typed));
        EXPECT_EQ(alerts.size(), entry.alerts ? 1 : 0);
        if (entry.alerts) {
            EXPECT_EQ(alerts.value(0), Preferences::rangeAlert());
        }
        EXPECT_EQ(preferences->referencePitchText()->text(), QString::fromUtf16(entry.shown));
        EXPECT_EQ(calls, std::vector<std::string> { "pitch " + std::to_string(entry.sent) });
    }

    const PitchEntry kPitchEntries[] = {
        { "LowestAccepted", u"420", false, u"420", 420 },
        { "HighestAccepted", u"460", false, u"460", 460 },
        { "JustBelow", u"419", true, u"420", 420 },
        { "JustAbove", u"461", true, u"460", 460 },
        { "EmptyKeepsTheLastValue", u"", false, u"443", 443 },
        { "BlankKeepsTheLastValue", u"   ", false, u"443", 443 },
        { "Letters", u"abc", true, u"420", 420 },
        { "Negative", u"-440", true, u"420", 420 },
        { "HugeSaturatesHigh", u"99999999999", true, u"460", 460 },
        { "DecimalShownAsApplied", u"441.5", false, u"441", 441 },
        { "DecimalOfAnOutOfRangeNumber", u"419.9", true, u"420", 420 },
        { "LeadingSpace", u"  450", false, u"450", 450 },
    };

    INSTANTIATE_TEST_SUITE_P(Table, PitchFieldTest, ::testing::ValuesIn(kPitchEntries),
        [](const ::testing::TestParamInfo<PitchEntry>& info) {
            return std::string(info.param.name);
        });

    TEST_F(PreferencesTest, ConfirmingUnchangedPitchSendsItAgain)
    {
        show();
        QTest::keyClick(preferences->referencePitchText(), Qt::Key_Return);
        QTest::keyClick(preferences->referencePitchText(), Qt::Key_Return);
        EXPECT_EQ(calls, (std::vector<std::string> { "pitch 443", "pitch 443" }));
        EXPECT_TRUE(alerts.isEmpty());
    }

    TEST_F(PreferencesTest, ReturnInThePitchFieldPressesNoButton)
    {
        show();
        enterPitch(QStringLiteral("450"));
        EXPECT_EQ(calls, std::vector<std::string> { "pitch 450" });
        EXPECT_TRUE(preferences->prefsWindow()->isVisible());
        EXPECT_EQ(preferences->referencePitchText()->text(), u"450");
    }

    TEST_F(PreferencesTest, CheckBoxesSendTheirStateWhenClicked)
    {
        show();
        click(preferences->octaveRejectionCheckbox());
        click(preferences->closeEnoughCheckbox());
        click(preferences->closeEnoughCheckbox());
        click(preferences->freshNotesCheckbox());
        EXPECT_EQ(calls,
            (std::vector<std::string> { "octave off", "close on", "close off", "fresh off" }));
    }

    TEST_F(PreferencesTest, DefaultsButtonShowsAndSendsTheDefaultsInOrder)
    {
        closeEnough = true;
        show();
        enterPitch(QStringLiteral("455"));
        calls.clear();
        QTest::mouseClick(preferences->defaultsButton(), Qt::LeftButton);
        EXPECT_EQ(preferences->referencePitchText()->text(), u"440");
        EXPECT_FALSE(preferences->octaveRejectionCheckbox()->isChecked());
        EXPECT_FALSE(preferences->closeEnoughCheckbox()->isChecked());
        EXPECT_FALSE(preferences->freshNotesCheckbox()->isChecked());
        EXPECT_EQ(calls,
            (std::vector<std::string> {
                "pitch 440", "octave off", "close off", "fresh off", "transpose 0" }));
        EXPECT_EQ(preferences->transpositionSpin()->value(), 0);
        EXPECT_EQ(preferences->transpositionCombo()->currentText(), u"Concert pitch");
        EXPECT_TRUE(preferences->flatsRadio()->isChecked()) << "the notation is not reset";
        EXPECT_EQ(preferences->namingCombo()->currentIndex(), 1) << "the notation is not reset";
        EXPECT_TRUE(alerts.isEmpty());
    }

    TEST_F(PreferencesTest, ShowingAgainKeepsAPanelOnScreenWhereItIs)
    {
        show();
        QWidget* window = preferences->prefsWindow();
        const QRect available = window->screen()->availableGeometry();
        EXPECT_LE(
            (window->frameGeometry().center() - available.center()).manhattanLength(), kCentred);

        window->move(available.topLeft() + QPoint(13, 17));
        const QPoint placed = window->pos();
        preferences->showPanel();
        EXPECT_EQ(window->pos(), placed);

        window->close();
        preferences->showPanel();
        EXPECT_TRUE(window->isVisible());
        EXPECT_LE(
            (window->frameGeometry().center() - available.center()).manhattanLength(), kCentred);
    }

    // The alert about a pitch typed in the panel stands over the panel, where
    // the user is looking, wherever the panel has been moved to.
    TEST(PreferencesAlertTest, IsCentredOnThePanel)
    {
        MemoryUserDefaults defaults;
        ImmediateMainThread mainThread;
        Tuner tuner(defaults, mainThread);
        Preferences preferences(Preferences::Settings::of(tuner, [] {}));
        preferences.showPanel();
        QWidget* panel = preferences.prefsWindow();
        ASSERT_NE(panel, nullptr);
        // Off the screen's centre, with room around it for the alert.
        const QRect available = panel->screen()->availableGeometry();
        panel->move(available.center() - panel->rect().center() + QPoint(-110, -90));

        QRect alert;
        QTimer dismiss;
        QObject::connect(&dismiss, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                alert = box->frameGeometry();
                box->done(0);
            }
        });
        dismiss.start(10);
        QLineEdit* field = preferences.referencePitchText();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("419"));
        QTest::keyClick(field, Qt::Key_Return);
        dismiss.stop();
        ASSERT_TRUE(alert.isValid()) << "no alert";
        // Within the middle half of the panel: Qt allows for a frame it guesses.
        const QRect frame = panel->frameGeometry();
        const QRect middle = frame.adjusted(
            frame.width() / 4, frame.height() / 4, -frame.width() / 4, -frame.height() / 4);
        EXPECT_TRUE(middle.contains(alert.center()))
            << "alert at " << alert.x() << "," << alert.y() << " " << alert.width() << "x"
            << alert.height() << ", panel at " << panel->x() << "," << panel->y() << " of "
            << available.width() << "x" << available.height();
    }

    TEST_F(PreferencesTest, FailureToLoadIsLoggedAndRetried)
    {
        QTemporaryDir empty;
        ASSERT_TRUE(empty.isValid());
        {
            test::ResourcesAt resources(empty.path());
            test::LogCapture log;
            preferences->showPanel();
            preferences->showPanel();
            EXPECT_EQ(log.count(QStringLiteral("Failed to load Preferences.nib")), 2);
            EXPECT_EQ(preferences->prefsWindow(), nullptr);
        }
        show();
        EXPECT_TRUE(preferences->prefsWindow()->isVisible());
        EXPECT_TRUE(calls.empty());
        EXPECT_TRUE(alerts.isEmpty());
    }

    TEST(PreferencesWithTunerTest, ChangesReachTheTunerAtOnce)
    {
        MemoryUserDefaults defaults;
        ImmediateMainThread mainThread;
        Tuner tuner(defaults, mainThread);
        QStringList alerts;
        // What shows the tuner's results under its settings hears of changes.
        std::vector<int> heard;
        Preferences preferences(
            Preferences::Settings::of(tuner, [&] { heard.push_back(tuner.referencePitch()); }),
            [&](const QString& title) { alerts << title; });
        preferences.showPanel();
        ASSERT_NE(preferences.prefsWindow(), nullptr);
        EXPECT_EQ(preferences.referencePitchText()->text(), u"440");

        QLineEdit* field = preferences.referencePitchText();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("452"));
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(tuner.referencePitch(), 452);

        click(preferences.octaveRejectionCheckbox());
        EXPECT_TRUE(tuner.octaveRejection());
        click(preferences.closeEnoughCheckbox());
        EXPECT_TRUE(tuner.closeEnough());
        click(preferences.freshNotesCheckbox());
        EXPECT_TRUE(tuner.freshNotes());
        choose(preferences, 1);
        EXPECT_EQ(tuner.transposition(), 2);
        click(preferences.flatsRadio());
        EXPECT_TRUE(tuner.flatNames());

        QTest::mouseClick(preferences.defaultsButton(), Qt::LeftButton);
        EXPECT_EQ(tuner.referencePitch(), 440);
        EXPECT_FALSE(tuner.octaveRejection());
        EXPECT_FALSE(tuner.closeEnough());
        EXPECT_FALSE(tuner.freshNotes());
        EXPECT_EQ(tuner.transposition(), 0);
        EXPECT_TRUE(tuner.flatNames());
        EXPECT_TRUE(alerts.isEmpty());
        // 452, close enough on, transposition, flats; then the defaults:
        // 440, close enough off, concert pitch.
        EXPECT_EQ(heard, (std::vector<int> { 452, 452, 452, 452, 440, 440, 440 }));
    }

    TEST(PreferencesWithTunerTest, DetectionShowsAndSetsTheSecondOpinion)
    {
        MemoryUserDefaults defaults;
        ImmediateMainThread mainThread;
        Tuner tuner(defaults, mainThread);
        tuner.setSecondOpinion(true);
        Preferences preferences(Preferences::Settings::of(tuner, [] {}), [](const QString&) {});
        preferences.showPanel();
        QComboBox* combo = preferences.detectionCombo();
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->currentText(), u"Classic with a second opinion (for piano and voice)");

        for (const int index : { 0, 1 }) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
            EXPECT_EQ(tuner.secondOpinion(), index == 1);
            EXPECT_EQ(defaults.boolForKey(kSecondOpinionKey), index == 1);
        }
        QTest::mouseClick(preferences.defaultsButton(), Qt::LeftButton);
        EXPECT_FALSE(tuner.secondOpinion());
        EXPECT_EQ(combo->currentText(), u"Classic");
    }

} // namespace
} // namespace clefmark
