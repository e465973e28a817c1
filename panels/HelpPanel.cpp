#include "panels/HelpPanel.h"

#include "panels/UrlOpener.h"

#include <QAbstractButton>
#include <QWidget>

namespace clefmark {

void HelpPanel::showHelpPanel()
{
    static HelpPanel* const shared = new HelpPanel;
    shared->showPanel();
}

HelpPanel::HelpPanel(QObject* parent)
    : QObject(parent)
    , panel_(QStringLiteral("Help"))
{
}

QUrl HelpPanel::helpPageUrl()
{
    return QUrl(QStringLiteral("http://" CLEFMARK_WEB_HOST "/help/"));
}

void HelpPanel::showPanel()
{
    panel_.show([this](QWidget* window) {
        if (auto* button
            = window->findChild<QAbstractButton*>(QStringLiteral("visitWebSiteButton")))
            connect(button, &QAbstractButton::clicked, this, &HelpPanel::visitWebSite);
    });
}

void HelpPanel::visitWebSite()
{
    openUrl(helpPageUrl());
}

} // namespace clefmark
