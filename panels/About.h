// The about panel: the program's name, version, licence and links.
#pragma once

#include "panels/LazyPanel.h"
#include "panels/Manual.h"

#include <QObject>

namespace clefmark {

class About final : public QObject {
    Q_OBJECT
public:
    /// The one about panel of the program, made on first use.
    static void showAboutPanel();

    /// `webHost` is the web site's host; empty hides the link to it.
    explicit About(QObject* parent = nullptr, QString webHost = builtWebHost());
    /// Loads "About" on first use and brings the panel forward.
    void showPanel();
    QWidget* aboutWindow() const { return panel_.window(); }

    /// The version of this build.
    static QString version();
    /// The project's web site, without the scheme, as its link shows it;
    /// empty when this build names none.
    QString webSite() const;

private:
    QString webHost_;
    LazyPanel panel_;
};

} // namespace clefmark
