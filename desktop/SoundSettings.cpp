#include "desktop/SoundSettings.h"

#include <QProcess>
#include <QStandardPaths>

namespace clefmark {

const std::vector<SoundSettingsProgram>& soundSettingsPrograms()
{
    static const std::vector<SoundSettingsProgram> programs = {
        { QStringLiteral("pavucontrol"), { QStringLiteral("--tab=4") } }, // its Input Devices tab
        { QStringLiteral("pavucontrol-qt"), {} },
        { QStringLiteral("gnome-control-center"), { QStringLiteral("sound") } },
        { QStringLiteral("systemsettings"), { QStringLiteral("kcm_pulseaudio") } },
        { QStringLiteral("systemsettings5"), { QStringLiteral("kcm_pulseaudio") } },
        { QStringLiteral("cinnamon-settings"), { QStringLiteral("sound") } },
        { QStringLiteral("mate-volume-control"), {} },
    };
    return programs;
}

QString openSoundSettings(const std::function<QString(const QString& program)>& find,
    const std::function<bool(const QString& path, const QStringList& arguments)>& startDetached)
{
    for (const SoundSettingsProgram& candidate : soundSettingsPrograms()) {
        const QString path = find(candidate.program);
        if (!path.isEmpty() && startDetached(path, candidate.arguments))
            return candidate.program;
    }
    return {};
}

QString openSoundSettings()
{
    return openSoundSettings(
        [](const QString& program) { return QStandardPaths::findExecutable(program); },
        [](const QString& path, const QStringList& arguments) {
            return QProcess::startDetached(path, arguments);
        });
}

} // namespace clefmark
