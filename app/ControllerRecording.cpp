// The controller's side of tuning from a recording: Tuner > Open Recording…,
// Tuner > Listen to Input, files dropped on the window, and the title that
// names the file heard.
#include "app/Controller.h"
#include "app/FileDrop.h"
#include "audio/AudioFormats.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QStandardPaths>
#include <QStringList>
#include <QWidget>

namespace clefmark {

namespace {

    // Both cases: recorders name their files in capitals ("ZOOM0001.WAV"),
    // and not every file chooser matches without regard to case.
    QString recordingFilter()
    {
        QStringList patterns;
        for (const std::string& extension : readableExtensions()) {
            const QString e = QString::fromStdString(extension);
            patterns << QStringLiteral("*.") + e << QStringLiteral("*.") + e.toUpper();
        }
        return Controller::tr("Recordings (%1);;All files (*)").arg(patterns.join(u' '));
    }

} // namespace

QString Controller::windowTitle(const QString& recordingName, bool paused)
{
    const QString title = paused ? tr(kPausedTitleText) : kTitle;
    return recordingName.isEmpty() ? title : recordingName + QStringLiteral(" \u2014 ") + title;
}

QString Controller::cannotPlayMessage(const QString& path, const QString& reason)
{
    return tr("Clefmark cannot play \u201c%1\u201d: %2.").arg(QFileInfo(path).fileName(), reason);
}

void Controller::connectRecordingCommands(QWidget* window)
{
    auto action = [window](const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    };
    if (QAction* open = action("actionOpenRecording")) {
        if (open->shortcut().isEmpty())
            open->setShortcut(QKeySequence::Open);
        open->setEnabled(bool(services_.playFile));
        connect(open, &QAction::triggered, this, [this] { openRecording(sender()); });
    }
    listenToInputAction_ = action("actionListenToInput");
    if (listenToInputAction_ != nullptr) {
        listenToInputAction_->setEnabled(false);
        connect(
            listenToInputAction_, &QAction::triggered, this, [this] { listenToInput(sender()); });
    }
    if (!services_.chooseRecording)
        services_.chooseRecording = [this, folder = QString()]() mutable {
            // A folder that is not there would be taken for the file's name.
            if (folder.isEmpty() || !QDir(folder).exists())
                folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
            if (!QDir(folder).exists())
                folder = QDir::homePath();
            const QString path = QFileDialog::getOpenFileName(
                mainWindow(), tr("Open Recording"), folder, recordingFilter());
            if (!path.isEmpty())
                folder = QFileInfo(path).absolutePath();
            return path;
        };
    if (QWidget* main = mainWindow(); main != nullptr && services_.playFile)
        new FileDropTarget(main, [this](const QString& path) { playRecording(path); });
}

QString Controller::useRecording(const QString& path)
{
    if (!services_.playFile || terminated_)
        return tr("this window plays no files");
    const QString reason = services_.playFile(path);
    if (reason.isEmpty())
        showRecording(QFileInfo(path).fileName());
    return reason;
}

void Controller::playRecording(const QString& path)
{
    if (const QString reason = useRecording(path); !reason.isEmpty())
        services_.alert(cannotPlayMessage(path, reason));
}

void Controller::openRecording(QObject*)
{
    if (!services_.chooseRecording || terminated_)
        return;
    if (const QString path = services_.chooseRecording(); !path.isEmpty() && !terminated_)
        playRecording(path);
}

void Controller::listenToInput(QObject*)
{
    if (recordingName_.isEmpty())
        return;
    if (services_.listenToInput)
        services_.listenToInput();
    showRecording({});
}

void Controller::showRecording(const QString& name)
{
    recordingName_ = name;
    if (QWidget* window = mainWindow())
        window->setWindowTitle(windowTitle(recordingName_, paused_));
    if (listenToInputAction_ != nullptr)
        listenToInputAction_->setEnabled(!recordingName_.isEmpty());
}

} // namespace clefmark
