// The desktop's sound settings, where the user picks the input device.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace clefmark {

/// A program that shows the sound settings, with its arguments.
struct SoundSettingsProgram {
    QString program;
    QStringList arguments;
};

/// The candidates, most suitable first: mixers that show the input devices
/// directly, then the desktops' own settings at their sound page.
const std::vector<SoundSettingsProgram>& soundSettingsPrograms();

/// Starts the first candidate that is installed and starts, detached from
/// Clefmark so it stays open when Clefmark quits. `find` gives a program's
/// full path, or empty when it is not installed; `startDetached` starts it
/// and tells whether it did. Returns the program started, or empty when none
/// was.
QString openSoundSettings(const std::function<QString(const QString& program)>& find,
    const std::function<bool(const QString& path, const QStringList& arguments)>& startDetached);

/// The same, looking in PATH and starting through QProcess.
QString openSoundSettings();

} // namespace clefmark
