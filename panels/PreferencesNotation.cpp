// The panel's controls for how notes are written and named.
#include "panels/Preferences.h"
#include "tuner/Transposition.h"
#include "views/ReadoutWords.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace clefmark {

namespace {

    constexpr int kPresetCount = static_cast<int>(std::size(kTranspositionPresets));

    // The presets' English names, where lupdate finds them for the
    // translations; the engine's table holds the same words.
    [[maybe_unused]] constexpr const char* kPresetNames[] = {
        QT_TRANSLATE_NOOP("Transposition", "Concert pitch"),
        QT_TRANSLATE_NOOP("Transposition", "B♭ (clarinet, trumpet, soprano sax)"),
        QT_TRANSLATE_NOOP("Transposition", "A (clarinet)"),
        QT_TRANSLATE_NOOP("Transposition", "E♭ alto (alto sax)"),
        QT_TRANSLATE_NOOP("Transposition", "F (horn)"),
        QT_TRANSLATE_NOOP("Transposition", "B♭ tenor (tenor sax)"),
        QT_TRANSLATE_NOOP("Transposition", "E♭ baritone (baritone sax)"),
        QT_TRANSLATE_NOOP("Transposition", "Guitar and bass"),
    };
    static_assert(std::size(kPresetNames) == std::size(kTranspositionPresets));

    /// The instrument written `semitones` from concert pitch, else "Other".
    int presetIndex(int semitones)
    {
        for (int i = 0; i < kPresetCount; ++i)
            if (kTranspositionPresets[i].semitones == semitones)
                return i;
        return kPresetCount;
    }

    // The unit after the box's number, agreeing with it as the language
    // wants ("1 semitone", "2 półtony", "5 półtonów"): the translator gives
    // the phrase for the number, and the box writes the number itself.
    QString semitoneUnit(int semitones)
    {
        const int n = std::abs(semitones);
        return QCoreApplication::translate("Transposition", "%n semitone(s)",
            "the unit after the number in the transposition box", n)
            .remove(QString::number(n));
    }

    void showSemitoneUnit(QSpinBox& spin, int semitones)
    {
        spin.setSuffix(semitoneUnit(semitones));
    }

} // namespace

void Preferences::awakeNotation(QWidget* window)
{
    transpositionCombo_ = window->findChild<QComboBox*>(QStringLiteral("transpositionCombo"));
    transpositionSpin_ = window->findChild<QSpinBox*>(QStringLiteral("transpositionSpin"));
    flatsRadio_ = window->findChild<QAbstractButton*>(QStringLiteral("flatsRadio"));
    sharpsRadio_ = window->findChild<QAbstractButton*>(QStringLiteral("sharpsRadio"));

    if (transpositionCombo_) {
        transpositionCombo_->clear();
        for (const TranspositionPreset& preset : kTranspositionPresets)
            transpositionCombo_->addItem(QCoreApplication::translate("Transposition", preset.name));
        transpositionCombo_->addItem(tr("Other"));
        connect(
            transpositionCombo_, &QComboBox::activated, this, &Preferences::transpositionChosen);
    }
    if (transpositionSpin_) {
        transpositionSpin_->setRange(kTranspositionSetting.min, kTranspositionSetting.max);
        // As wide as its widest unit, so that stepping never moves the panel.
        int widest = 0;
        for (int n = 0; n <= kTranspositionSetting.max; ++n) {
            showSemitoneUnit(*transpositionSpin_, n);
            widest = std::max(widest, transpositionSpin_->sizeHint().width());
        }
        transpositionSpin_->setMinimumWidth(widest);
        showSemitoneUnit(*transpositionSpin_, transpositionSpin_->value());
        connect(
            transpositionSpin_, &QSpinBox::valueChanged, this, &Preferences::transpositionChanged);
    }
    if (settings_.transposition)
        showTransposition(settings_.transposition());

    namingCombo_ = window->findChild<QComboBox*>(QStringLiteral("namingCombo"));
    if (namingCombo_) {
        namingCombo_->clear();
        for (const NoteNaming naming : kNoteNamings)
            namingCombo_->addItem(namingLabel(naming));
        if (settings_.noteNaming && settings_.setNoteNaming) {
            namingCombo_->setCurrentIndex(static_cast<int>(settings_.noteNaming()));
            connect(namingCombo_, &QComboBox::activated, this, &Preferences::namingChosen);
        } else {
            namingCombo_->setEnabled(false);
        }
    }

    const bool flats = settings_.flatNames && settings_.flatNames();
    for (QAbstractButton* radio : { flatsRadio_.data(), sharpsRadio_.data() }) {
        if (radio == nullptr)
            continue;
        radio->setChecked(flats == (radio == flatsRadio_));
        connect(radio, &QAbstractButton::clicked, this, &Preferences::noteNamesChanged);
    }
}

// Shown without being sent: what the panel sets itself is sent explicitly.
void Preferences::showTransposition(int semitones)
{
    if (transpositionSpin_) {
        const QSignalBlocker quiet(transpositionSpin_);
        transpositionSpin_->setValue(semitones);
        showSemitoneUnit(*transpositionSpin_, semitones);
    }
    if (transpositionCombo_)
        transpositionCombo_->setCurrentIndex(presetIndex(semitones));
}

void Preferences::transpositionChosen(int index)
{
    if (index < 0 || index >= kPresetCount) {
        if (transpositionSpin_)
            transpositionSpin_->setFocus();
        return;
    }
    showTransposition(kTranspositionPresets[index].semitones);
    transpositionChanged();
}

void Preferences::transpositionChanged()
{
    if (!transpositionSpin_)
        return;
    const int semitones = transpositionSpin_->value();
    showSemitoneUnit(*transpositionSpin_, semitones);
    if (transpositionCombo_)
        transpositionCombo_->setCurrentIndex(presetIndex(semitones));
    if (settings_.setTransposition)
        settings_.setTransposition(semitones);
}

void Preferences::namingChosen(int index)
{
    if (settings_.setNoteNaming && index >= 0 && index < static_cast<int>(std::size(kNoteNamings)))
        settings_.setNoteNaming(kNoteNamings[index]);
}

void Preferences::noteNamesChanged()
{
    if (flatsRadio_ && settings_.setFlatNames)
        settings_.setFlatNames(flatsRadio_->isChecked());
}

} // namespace clefmark
