// The about panel: the program's name, version, licence and links.
#pragma once

#include "panels/LazyPanel.h"

#include <QObject>

namespace clefmark {

class About final : public QObject {
    Q_OBJECT
public:
    /// The one about panel of the program, made on first use.
    static void showAboutPanel();

    explicit About(QObject* parent = nullptr);
    /// Loads "About" on first use and brings the panel forward.
    void showPanel();
    QWidget* aboutWindow() const { return panel_.window(); }

    /// The version of this build.
    static QString version();
    /// The project's web site, without the scheme, as its link shows it.
    static QString webSite();

private:
    LazyPanel panel_;
};

} // namespace clefmark
