// The help panel: the manual, and a way to its web page or installed copy.
#pragma once

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

    /// `webHost` is the web site's host, or empty for the installed manual.
    explicit HelpPanel(QObject* parent = nullptr, QString webHost = builtWebHost());
    /// Loads "Help" on first use and brings the panel forward.
    void showPanel();
    QWidget* window() const { return panel_.window(); }

    /// What the button says and opens.
    HelpButton button() const { return helpButtonFor(webHost_, manualHtmlPath()); }

public slots:
    /// Opens the help web page, or the installed manual, in the browser.
    void visitWebSite();

private:
    QString webHost_;
    LazyPanel panel_;
};

} // namespace clefmark
