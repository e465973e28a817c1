#include "views/ReadoutWords.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace clefmark {

QString stateWords(Readout::State state, bool deviceUnusable)
{
    switch (state) {
    case Readout::State::Live:
        break;
    case Readout::State::Listening:
        return QCoreApplication::translate(
            "Readout", "Listening", "capture runs; nothing pitched heard lately");
    case Readout::State::TooQuiet:
        return QCoreApplication::translate(
            "Readout", "Too quiet", "the input level stays below what the tuner needs");
    case Readout::State::Paused:
        return QCoreApplication::translate("Readout", "Paused");
    case Readout::State::NoDevice:
        return deviceUnusable
            ? QCoreApplication::translate("Readout", "The input device cannot be used")
            : QCoreApplication::translate("Readout", "No input device");
    case Readout::State::WaitingForServer:
        return QCoreApplication::translate("Readout", "Waiting for the sound server");
    }
    return {};
}

QString judgementWords(Readout::Judgement judgement)
{
    switch (judgement) {
    case Readout::Judgement::None:
        break;
    case Readout::Judgement::Flat:
        return QStringLiteral("\u266D ")
            + QCoreApplication::translate(
                "Readout", "flat", "the note is below the pitch it should be");
    case Readout::Judgement::InTune:
        return QStringLiteral("\u2713 ") + QCoreApplication::translate("Readout", "in tune");
    case Readout::Judgement::Sharp:
        return QStringLiteral("\u266F ")
            + QCoreApplication::translate(
                "Readout", "sharp", "the note is above the pitch it should be");
    }
    return {};
}

Syllables localSyllables()
{
    static constexpr const char* kSyllables[7][2] = {
        QT_TRANSLATE_NOOP3("NoteNames", "Do", "fixed-do name of C"),
        QT_TRANSLATE_NOOP3("NoteNames", "Re", "fixed-do name of D"),
        QT_TRANSLATE_NOOP3("NoteNames", "Mi", "fixed-do name of E"),
        QT_TRANSLATE_NOOP3("NoteNames", "Fa", "fixed-do name of F"),
        QT_TRANSLATE_NOOP3("NoteNames", "Sol", "fixed-do name of G"),
        QT_TRANSLATE_NOOP3("NoteNames", "La", "fixed-do name of A"),
        QT_TRANSLATE_NOOP3("NoteNames", "Si", "fixed-do name of B"),
    };
    Syllables syllables;
    for (std::size_t i = 0; i < syllables.size(); ++i)
        syllables[i] = QCoreApplication::translate("NoteNames", kSyllables[i][0], kSyllables[i][1])
                           .toStdString();
    return syllables;
}

QString namingLabel(NoteNaming naming)
{
    switch (naming) {
    case NoteNaming::German:
        return QCoreApplication::translate("NoteNames", "German (C D E F G A H, and B for B♭)");
    case NoteNaming::Solfege: {
        QStringList names;
        for (const std::string& syllable : localSyllables())
            names << QString::fromStdString(syllable);
        return QCoreApplication::translate("NoteNames", "Solfège (%1)").arg(names.join(u' '));
    }
    case NoteNaming::Letters:
        break;
    }
    return QCoreApplication::translate("NoteNames", "Letters (C D E F G A B)");
}

NoteNaming localNaming()
{
    return namingForLanguage(QLocale().name().toStdString());
}

QString localNumber(const std::string& text)
{
    QString number = QString::fromStdString(text);
    const QString point = QLocale().decimalPoint();
    if (point != u".")
        number.replace(u'.', point);
    return number;
}

} // namespace clefmark
