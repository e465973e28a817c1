#include "panels/Preferences.h"

#include "panels/IntegerReading.h"
#include "tuner/Tuner.h"
#include "views/ReadoutWords.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

namespace clefmark {

Preferences::Settings Preferences::Settings::of(Tuner& tuner, std::function<void()> changed)
{
    Settings settings;
    settings.referencePitch = [&tuner] { return tuner.referencePitch(); };
    settings.octaveRejection = [&tuner] { return tuner.octaveRejection(); };
    settings.closeEnough = [&tuner] { return tuner.closeEnough(); };
    settings.setReferencePitch = [&tuner, changed](int hz) {
        tuner.setReferencePitch(hz);
        changed();
    };
    settings.setOctaveRejection = [&tuner](bool on) { tuner.setOctaveRejection(on); };
    settings.setCloseEnough = [&tuner, changed](bool on) {
        tuner.setCloseEnough(on);
        changed();
    };
    settings.transposition = [&tuner] { return tuner.transposition(); };
    settings.flatNames = [&tuner] { return tuner.flatNames(); };
    settings.setTransposition = [&tuner, changed](int semitones) {
        tuner.setTransposition(semitones);
        changed();
    };
    settings.setFlatNames = [&tuner, changed](bool on) {
        tuner.setFlatNames(on);
        changed();
    };
    settings.noteNaming = [&tuner] { return tuner.noteNaming().value_or(localNaming()); };
    settings.setNoteNaming = [&tuner, changed](NoteNaming naming) {
        tuner.setNoteNaming(naming);
        changed();
    };
    settings.freshNotes = [&tuner] { return tuner.freshNotes(); };
    settings.setFreshNotes = [&tuner](bool on) { tuner.setFreshNotes(on); };
    settings.secondOpinion = [&tuner] { return tuner.secondOpinion(); };
    settings.setSecondOpinion = [&tuner](bool on) { tuner.setSecondOpinion(on); };
    return settings;
}

QString Preferences::rangeAlert()
{
    return tr("The A-Reference must be a whole number of Hz from %1 to %2.")
        .arg(kReferencePitchSetting.min)
        .arg(kReferencePitchSetting.max);
}

Preferences::Preferences(Settings settings, AlertFunction alert, QObject* parent)
    : QObject(parent)
    , settings_(std::move(settings))
    , alert_(std::move(alert))
    , panel_(QStringLiteral("Preferences"))
{
}

Preferences::~Preferences() = default;

void Preferences::showPanel()
{
    panel_.show([this](QWidget* window) { awakeFromNib(window); });
}

void Preferences::awakeFromNib(QWidget* window)
{
    referencePitchText_ = window->findChild<QLineEdit*>(QStringLiteral("referencePitchText"));
    octaveRejectionCheckbox_
        = window->findChild<QAbstractButton*>(QStringLiteral("octaveRejectionCheckbox"));
    closeEnoughCheckbox_
        = window->findChild<QAbstractButton*>(QStringLiteral("closeEnoughCheckbox"));
    defaultsButton_ = window->findChild<QAbstractButton*>(QStringLiteral("defaultsButton"));
    freshNotesCheckbox_ = window->findChild<QAbstractButton*>(QStringLiteral("freshNotesCheckbox"));

    if (referencePitchText_) {
        referencePitchText_->setText(QString::number(settings_.referencePitch()));
        // Return, or leaving the field after changing it.
        connect(referencePitchText_, &QLineEdit::editingFinished, this,
            &Preferences::referencePitchTextChanged);
    }
    // Clicks only: the panel's own changes to the boxes are sent explicitly.
    if (octaveRejectionCheckbox_) {
        octaveRejectionCheckbox_->setChecked(settings_.octaveRejection());
        connect(octaveRejectionCheckbox_, &QAbstractButton::clicked, this,
            &Preferences::octaveRejectionChanged);
    }
    if (closeEnoughCheckbox_) {
        closeEnoughCheckbox_->setChecked(settings_.closeEnough());
        connect(closeEnoughCheckbox_, &QAbstractButton::clicked, this,
            &Preferences::closeEnoughChanged);
    }
    if (freshNotesCheckbox_) {
        freshNotesCheckbox_->setChecked(settings_.freshNotes && settings_.freshNotes());
        connect(
            freshNotesCheckbox_, &QAbstractButton::clicked, this, &Preferences::freshNotesChanged);
    }
    if (defaultsButton_)
        connect(defaultsButton_, &QAbstractButton::clicked, this, &Preferences::restoreDefaults);
    awakeNotation(window);
    awakeDetection(window);
}

void Preferences::referencePitchTextChanged()
{
    if (!referencePitchText_ || readingPitch_)
        return;
    // The alert takes the focus from the field, which must not read it again
    // in the middle.
    readingPitch_ = true;
    const QString typed = referencePitchText_->text();
    // A field emptied is no new pitch: the one in use stays.
    int hz = typed.trimmed().isEmpty() ? settings_.referencePitch() : readIntValue(typed);
    if (!kReferencePitchSetting.accepts(hz)) {
        const AlertsOver overThePanel(panel_.window());
        alert_(rangeAlert());
        hz = kReferencePitchSetting.within(hz);
    }
    // What is applied, not what was typed: "441.5" is read as 441.
    if (referencePitchText_)
        referencePitchText_->setText(QString::number(hz));
    readingPitch_ = false;
    settings_.setReferencePitch(hz);
}

void Preferences::octaveRejectionChanged()
{
    if (octaveRejectionCheckbox_)
        settings_.setOctaveRejection(octaveRejectionCheckbox_->isChecked());
}

void Preferences::closeEnoughChanged()
{
    if (closeEnoughCheckbox_)
        settings_.setCloseEnough(closeEnoughCheckbox_->isChecked());
}

void Preferences::freshNotesChanged()
{
    if (freshNotesCheckbox_ && settings_.setFreshNotes)
        settings_.setFreshNotes(freshNotesCheckbox_->isChecked());
}

void Preferences::restoreDefaults()
{
    if (referencePitchText_)
        referencePitchText_->setText(QString::number(kReferencePitchSetting.initial));
    if (octaveRejectionCheckbox_)
        octaveRejectionCheckbox_->setChecked(kOctaveRejectionSetting.initial);
    if (closeEnoughCheckbox_)
        closeEnoughCheckbox_->setChecked(kCloseEnoughSetting.initial);
    referencePitchTextChanged();
    octaveRejectionChanged();
    closeEnoughChanged();
    if (freshNotesCheckbox_ && settings_.setFreshNotes) {
        freshNotesCheckbox_->setChecked(kFreshNotesSetting.initial);
        freshNotesChanged();
    }
    showTransposition(kTranspositionSetting.initial);
    if (settings_.setTransposition)
        settings_.setTransposition(kTranspositionSetting.initial);
    if (detectionCombo_) {
        detectionCombo_->setCurrentIndex(kSecondOpinionSetting.initial ? 1 : 0);
        detectionChosen(detectionCombo_->currentIndex());
    }
}

} // namespace clefmark
