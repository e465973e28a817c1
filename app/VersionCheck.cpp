#include "app/VersionCheck.h"

#include <QCoreApplication>
#include <QStringList>
#include <QtGlobal>

namespace clefmark {

namespace {

    int majorOf(int version)
    {
        return (version >> 16) & 0xff;
    }

    int minorOf(int version)
    {
        return (version >> 8) & 0xff;
    }

} // namespace

QString minimumQtVersion()
{
    return QStringLiteral("%1.%2").arg(majorOf(QT_VERSION)).arg(minorOf(QT_VERSION));
}

bool qtVersionSufficient(const QString& runningVersion, int builtForVersion)
{
    // Patch releases keep the ABI both ways; only the minor version decides.
    const QStringList parts = runningVersion.trimmed().split(u'.');
    if (parts.size() < 2)
        return false;
    bool majorOk = false;
    bool minorOk = false;
    const int major = parts[0].toInt(&majorOk);
    const int minor = parts[1].toInt(&minorOk);
    if (!majorOk || !minorOk)
        return false;
    if (major != majorOf(builtForVersion))
        return major > majorOf(builtForVersion);
    return minor >= minorOf(builtForVersion);
}

bool qtVersionSufficient(const QString& runningVersion)
{
    return qtVersionSufficient(runningVersion, QT_VERSION);
}

QString qtVersionAlertTitle()
{
    return QCoreApplication::translate(
        "VersionCheck", "Sorry, Clefmark runs only on Qt %1 or later.")
        .arg(minimumQtVersion());
}

} // namespace clefmark
