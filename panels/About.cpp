#include "panels/About.h"

#include <QLabel>
#include <QWidget>

namespace clefmark {

void About::showAboutPanel()
{
    static About* const shared = new About;
    shared->showPanel();
}

About::About(QObject* parent)
    : QObject(parent)
    , panel_(QStringLiteral("About"))
{
}

QString About::version()
{
    return QStringLiteral(CLEFMARK_VERSION);
}

QString About::webSite()
{
    return QStringLiteral(CLEFMARK_WEB_HOST "/");
}

void About::showPanel()
{
    // The description holds the wording; the build supplies the facts.
    panel_.show([](QWidget* window) {
        if (auto* label = window->findChild<QLabel*>(QStringLiteral("versionLabel")))
            label->setText(QStringLiteral("Version %1").arg(version()));
        if (auto* link = window->findChild<QLabel*>(QStringLiteral("webSiteLink")))
            link->setText(webSite());
    });
}

} // namespace clefmark
