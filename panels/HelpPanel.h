// The help panel: the manual, and a way to its web page or installed copy.
#pragma once

#include "desktop/Alerts.h"
#include "panels/LazyPanel.h"
#include "panels/Manual.h"

#include <QObject>
#include <QUrl>

namespace clefmark {

class HelpPanel final : public QObject {
    Q_OBJECT
public:
    /// The one help panel of the program, made on first use.
    static void showHelpPanel();

    /// `webHost` is the web site's host, or empty for the installed manual;
    /// `alert` says when no browser could be started to open it.
    explicit HelpPanel(QObject* parent = nullptr, QString webHost = builtWebHost(),
        AlertFunction alert = runAlertPanel);
    /// Loads "Help" on first use and brings the panel forward.
    void showPanel();
    QWidget* window() const { return panel_.window(); }

    /// What the button says and opens.
    HelpButton button() const { return helpButtonFor(webHost_, manualHtmlPath()); }

public slots:
    /// Opens the help web page, or the installed manual, in the browser;
    /// with none to open it, an alert says where it is.
    void visitWebSite();

private:
    QString webHost_;
    AlertFunction alert_;
    LazyPanel panel_;
};

} // namespace clefmark
