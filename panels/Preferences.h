// The preferences panel: the tuner's reference pitch, octave rejection,
// close-enough leniency, fresh notes, transposition and note names, each
// applied to the tuner the moment it changes.
#pragma once

#include "desktop/Alerts.h"
#include "panels/LazyPanel.h"
#include "tuner/Tuner.h"
#include "tuner/TunerSettings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QSpinBox>
#include <functional>

namespace clefmark {

class Preferences final : public QObject {
    Q_OBJECT
public:
    /// Said when the pitch typed is outside kReferencePitchSetting's range,
    /// in the user's language.
    static QString rangeAlert();

    /// What the panel reads from and sends to the tuner; tests record it.
    struct Settings {
        std::function<int()> referencePitch;
        std::function<bool()> octaveRejection;
        std::function<bool()> closeEnough;
        std::function<void(int)> setReferencePitch;
        std::function<void(bool)> setOctaveRejection;
        std::function<void(bool)> setCloseEnough;
        // Optional: without them the panel leaves these controls alone.
        std::function<int()> transposition;
        std::function<bool()> flatNames;
        std::function<void(int)> setTransposition;
        std::function<void(bool)> setFlatNames;
        /// The names in use: the user's choice, else their language's.
        std::function<NoteNaming()> noteNaming;
        std::function<void(NoteNaming)> setNoteNaming;
        std::function<bool()> freshNotes;
        std::function<void(bool)> setFreshNotes;
        std::function<bool()> secondOpinion;
        std::function<void(bool)> setSecondOpinion;

        /// The settings of `tuner`, which must outlive them. `changed` is
        /// called after each change that alters how the tuner's results read
        /// (all but octave rejection), so that what shows them can follow.
        static Settings of(Tuner& tuner, std::function<void()> changed);
    };

    explicit Preferences(
        Settings settings, AlertFunction alert = runAlertPanel, QObject* parent = nullptr);
    ~Preferences() override;

    /// Loads "Preferences" on first use and brings the panel forward.
    void showPanel();

    QWidget* prefsWindow() const { return panel_.window(); }
    QLineEdit* referencePitchText() const { return referencePitchText_; }
    QAbstractButton* octaveRejectionCheckbox() const { return octaveRejectionCheckbox_; }
    QAbstractButton* closeEnoughCheckbox() const { return closeEnoughCheckbox_; }
    QAbstractButton* freshNotesCheckbox() const { return freshNotesCheckbox_; }
    QAbstractButton* defaultsButton() const { return defaultsButton_; }
    /// The instruments, concert pitch first, then "Other".
    QComboBox* transpositionCombo() const { return transpositionCombo_; }
    QSpinBox* transpositionSpin() const { return transpositionSpin_; }
    QAbstractButton* flatsRadio() const { return flatsRadio_; }
    QAbstractButton* sharpsRadio() const { return sharpsRadio_; }
    /// Letters, German, solfège.
    QComboBox* namingCombo() const { return namingCombo_; }
    /// Classic, then classic with the second opinion.
    QComboBox* detectionCombo() const { return detectionCombo_; }

public slots:
    /// Reads the field as a whole number (an empty field keeps the pitch in
    /// use); outside 420..460 it alerts and takes the nearer limit. The
    /// field then shows the pitch sent, which is sent on every call.
    void referencePitchTextChanged();
    void octaveRejectionChanged();
    void closeEnoughChanged();
    void freshNotesChanged();
    /// An instrument chosen: its semitones shown and sent; "Other" only
    /// moves to the number.
    void transpositionChosen(int index);
    /// The number changed: the instrument that has it shown, and it sent.
    void transpositionChanged();
    void noteNamesChanged();
    /// 0 letters, 1 German, 2 solfège: sent.
    void namingChosen(int index);
    /// 0 classic, 1 with the second opinion: sent.
    void detectionChosen(int index);
    /// 440 Hz and the switches off, shown and sent in that order, then
    /// concert pitch and classic detection. The note names are the user's notation, not a tuning
    /// setting, and stay.
    void restoreDefaults();

private:
    void awakeFromNib(QWidget* window);
    void awakeNotation(QWidget* window);
    void awakeDetection(QWidget* window);
    void showTransposition(int semitones);

    Settings settings_;
    AlertFunction alert_;
    LazyPanel panel_;
    QPointer<QLineEdit> referencePitchText_;
    QPointer<QAbstractButton> octaveRejectionCheckbox_;
    QPointer<QAbstractButton> closeEnoughCheckbox_;
    QPointer<QAbstractButton> freshNotesCheckbox_;
    QPointer<QAbstractButton> defaultsButton_;
    QPointer<QComboBox> transpositionCombo_;
    QPointer<QSpinBox> transpositionSpin_;
    QPointer<QAbstractButton> flatsRadio_;
    QPointer<QAbstractButton> sharpsRadio_;
    QPointer<QComboBox> namingCombo_;
    QPointer<QComboBox> detectionCombo_;
    bool readingPitch_ = false;
};

} // namespace clefmark
