#include "desktop/Alerts.h"

#include <QApplication>
#include <QMessageBox>
#include <QtDebug>

namespace clefmark {

void runAlertPanel(const QString& title)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Clefmark"), title, QMessageBox::Ok);
    box.exec();
}

void logFailure(const QString& line)
{
    qWarning().noquote() << line;
    QApplication::beep();
}

} // namespace clefmark
