#include "panels/About.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

namespace clefmark {

void About::showAboutPanel()
{
    static About* const shared = new About;
    shared->showPanel();
}

About::About(QObject* parent, QString webHost)
    : QObject(parent)
    , webHost_(std::move(webHost))
    , panel_(QStringLiteral("About"))
{
}

QString About::version()
{
    return QStringLiteral(CLEFMARK_VERSION);
}

QString About::webSite() const
{
    return webHost_.isEmpty() ? QString() : webHost_ + u'/';
}

void About::showPanel()
{
    // The description holds the wording; the build supplies the facts.
    panel_.show([this](QWidget* window) {
        if (auto* label = window->findChild<QLabel*>(QStringLiteral("versionLabel")))
            label->setText(QCoreApplication::translate("About", "Version %1").arg(version()));
        if (auto* link = window->findChild<QLabel*>(QStringLiteral("webSiteLink"))) {
            // A build without a web site shows no link rather than a made-up one.
            link->setText(webSite());
            link->setVisible(!webSite().isEmpty());
        }
    });
}

} // namespace clefmark
