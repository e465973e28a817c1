// The two ways the program reports a failure to the user.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

namespace clefmark {

/// A modal alert: `title` as its text, nothing more, and one "OK" button,
/// centred on the window an `AlertsOver` names, if any. Returns when the
/// user has dismissed it.
void runAlertPanel(const QString& title);

/// While it lives, alerts stand centred on `window`, the panel they are
/// about, rather than where the window system would put a window of their
/// own. Main thread; they nest.
class AlertsOver {
public:
    explicit AlertsOver(QWidget* window);
    ~AlertsOver();
    AlertsOver(const AlertsOver&) = delete;
    AlertsOver& operator=(const AlertsOver&) = delete;

private:
    QPointer<QWidget> previous_;
};

using AlertFunction = std::function<void(const QString& title)>;

/// One line to standard error through Qt's logging, then a beep.
void logFailure(const QString& line);

} // namespace clefmark
