// The panel's controls for how notes are written and named.
#include "panels/Preferences.h"
#include "tuner/Transposition.h"

#include <QCoreApplication>
#include <QSignalBlocker>
#include <QWidget>
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
        connect(
            transpositionSpin_, &QSpinBox::valueChanged, this, &Preferences::transpositionChanged);
    }
    if (settings_.transposition)
        showTransposition(settings_.transposition());

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
    if (transpositionCombo_)
        transpositionCombo_->setCurrentIndex(presetIndex(semitones));
    if (settings_.setTransposition)
        settings_.setTransposition(semitones);
}

void Preferences::noteNamesChanged()
{
    if (flatsRadio_ && settings_.setFlatNames)
        settings_.setFlatNames(flatsRadio_->isChecked());
}

} // namespace clefmark
