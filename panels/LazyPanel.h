// A panel window loaded from its interface description on first use, and
// kept, hidden when closed, for the rest of the run.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace clefmark {

class LazyPanel {
public:
    /// `interfaceName` names the description, e.g. "Preferences".
    explicit LazyPanel(QString interfaceName);
    ~LazyPanel();

    LazyPanel(const LazyPanel&) = delete;
    LazyPanel& operator=(const LazyPanel&) = delete;

    /// Loads the description unless loaded already, calling `awake` with the
    /// window once, right after a successful load; centres the window on its
    /// screen unless it is on screen already (so it keeps the place the user
    /// gave it), then shows, raises and activates it. When loading fails the
    /// failure is logged with a beep, nothing is shown, and the next call
    /// tries again. Returns the window, or null.
    QWidget* show(const std::function<void(QWidget*)>& awake);

    /// The loaded window, or null before the first successful load.
    QWidget* window() const { return window_.get(); }

private:
    QString name_;
    std::unique_ptr<QWidget> window_;
};

/// Lets interface descriptions use `HotText`; called before any panel loads.
void registerPanelWidgets();

} // namespace clefmark
