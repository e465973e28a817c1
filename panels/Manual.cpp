#include "panels/Manual.h"

#include "views/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifndef CLEFMARK_WEB_HOST
#error "CLEFMARK_WEB_HOST must name the web site's host, or be empty"
#endif
#ifndef CLEFMARK_INSTALL_DOCDIR
#error "CLEFMARK_INSTALL_DOCDIR must name the documentation folder, relative and full"
#endif

namespace clefmark {

QString builtWebHost()
{
    return QStringLiteral(CLEFMARK_WEB_HOST).trimmed();
}

QString manualMarkdown(QString* error)
{
    const QString path = findResource(QStringLiteral("manual.md"));
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = path.isEmpty()
                ? QStringLiteral("No manual.md in %1").arg(resourceFolders().join(u", "))
                : QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        }
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

QString manualHtmlPath()
{
    const QString name = QStringLiteral("manual.html");
    if (QString built = findResource(name); !built.isEmpty())
        return built;
    // An installed program finds its prefix from where it runs, so that a
    // moved prefix still finds its manual; the configured one comes last.
    QStringList folders;
    if (QCoreApplication::instance()) {
        folders << QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral("../" CLEFMARK_INSTALL_DOCDIR));
    }
    folders << QStringLiteral(CLEFMARK_INSTALL_FULL_DOCDIR);
    for (const QString& folder : folders) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

HelpButton helpButtonFor(const QString& host, const QString& manualPath)
{
    if (!host.isEmpty()) {
        return { QCoreApplication::translate("Manual", "Help on the &Web…"),
            QCoreApplication::translate("Manual", "Open Clefmark's help page in your web browser"),
            QUrl(QStringLiteral("http://%1/help/").arg(host)) };
    }
    if (manualPath.isEmpty()) {
        return { QCoreApplication::translate("Manual", "Open the &Manual…"),
            QCoreApplication::translate("Manual", "The manual is not installed"), QUrl() };
    }
    return { QCoreApplication::translate("Manual", "Open the &Manual…"),
        QCoreApplication::translate("Manual", "Open the manual in your web browser"),
        QUrl::fromLocalFile(manualPath) };
}

} // namespace clefmark
