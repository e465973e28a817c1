#include "desktop/Alerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QtDebug>

namespace clefmark {

namespace {

    QPointer<QWidget>& alertsOver()
    {
        static QPointer<QWidget> window;
        return window;
    }

} // namespace

AlertsOver::AlertsOver(QWidget* window)
    : previous_(alertsOver())
{
    alertsOver() = window;
}

AlertsOver::~AlertsOver()
{
    alertsOver() = previous_;
}

void runAlertPanel(const QString& title)
{
    // A box with a parent is centred on it, and stays above it.
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Clefmark"), title, QMessageBox::Ok, alertsOver());
    box.exec();
}

void logFailure(const QString& line)
{
    qWarning().noquote() << line;
    QApplication::beep();
}

} // namespace clefmark
