// The desktop program's command line.
#pragma once

#include "tuner/NoteNames.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace clefmark {

struct AppOptions {
    /// A sound file played, looped, as the default input instead of the
    /// sound server's.
    QString input;
    /// Where to save the main window's picture just before quitting.
    QString snapshot;
    /// Quit in order after this many seconds.
    std::optional<double> quitAfter;
    // Settings applied to the tuner once it runs, as the preferences panel
    // would, and so remembered at exit.
    std::optional<int> referencePitch;
    std::optional<bool> octaveRejection;
    std::optional<bool> closeEnough;
    std::optional<int> transposition;
    std::optional<bool> flatNames;
    std::optional<NoteNaming> noteNaming;
    std::optional<bool> freshNotes;
    /// `--detector hybrid`: the second opinion where the classic detector
    /// finds nothing.
    std::optional<bool> secondOpinion;
};

/// The seconds `--snapshot` waits when `--quit-after` is not given.
inline constexpr double kDefaultSnapshotSeconds = 3.0;
/// A day: longer is surely a typing error.
inline constexpr int kMaxQuitAfterSeconds = 86400;

struct ParsedOptions {
    AppOptions options;
    /// One line naming the option at fault; empty when all was understood.
    QString error;
};

/// Parses the arguments after the program name (Qt's own options already
/// taken out). Values follow their option as the next argument or after '='.
ParsedOptions parseOptions(const QStringList& arguments);

/// True when the arguments ask for help or the version: answered before any
/// window system is contacted. The word after an option that takes a value
/// is that value, whatever it looks like.
bool asksForHelpOrVersion(const QStringList& arguments);
/// True when, of the two, it is help that is answered.
bool asksForHelp(const QStringList& arguments);

QString helpText();
QString versionText();

} // namespace clefmark
