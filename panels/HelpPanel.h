// The help panel: how to use the tuner, and a way to its help web page.
#pragma once

#include "panels/LazyPanel.h"

#include <QObject>
#include <QUrl>

namespace clefmark {

class HelpPanel final : public QObject {
    Q_OBJECT
public:
    /// The one help panel of the program, made on first use.
    static void showHelpPanel();

    explicit HelpPanel(QObject* parent = nullptr);
    /// Loads "Help" on first use and brings the panel forward.
    void showPanel();
    QWidget* window() const { return panel_.window(); }

    /// The help web page: http://<the project's host>/help/.
    static QUrl helpPageUrl();

public slots:
    /// Opens the help web page in the browser.
    void visitWebSite();

private:
    LazyPanel panel_;
};

} // namespace clefmark
