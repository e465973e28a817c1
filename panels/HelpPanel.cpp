#include "panels/HelpPanel.h"

#include "panels/UrlOpener.h"

#include <QAbstractButton>
#include <QDebug>
#include <QTextBrowser>
#include <QWidget>

namespace clefmark {

void HelpPanel::showHelpPanel()
{
    static HelpPanel* const shared = new HelpPanel;
    shared->showPanel();
}

HelpPanel::HelpPanel(QObject* parent, QString webHost, AlertFunction alert)
    : QObject(parent)
    , webHost_(std::move(webHost))
    , alert_(std::move(alert))
    , panel_(QStringLiteral("Help"))
{
}

void HelpPanel::showPanel()
{
    panel_.show([this](QWidget* window) {
        if (auto* text = window->findChild<QTextBrowser*>(QStringLiteral("helpText"))) {
            QString error;
            const QString markdown = manualMarkdown(&error);
            if (markdown.isEmpty())
                qWarning().noquote() << error;
            text->setMarkdown(markdown.isEmpty() ? error : markdown);
        }
        if (auto* button
            = window->findChild<QAbstractButton*>(QStringLiteral("visitWebSiteButton"))) {
            const HelpButton what = this->button();
            button->setText(what.text);
            button->setToolTip(what.toolTip);
            button->setEnabled(what.target.isValid());
            connect(button, &QAbstractButton::clicked, this, &HelpPanel::visitWebSite);
        }
    });
}

void HelpPanel::visitWebSite()
{
    const QUrl target = button().target;
    if (!target.isValid() || openUrl(target))
        return;
    const AlertsOver overThePanel(panel_.window());
    alert_(target.isLocalFile()
            ? tr("No web browser was found to open the manual. It is at %1.")
                  .arg(target.toLocalFile())
            : tr("No web browser was found to open %1.").arg(target.toString()));
}

} // namespace clefmark
