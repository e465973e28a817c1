#include "app/Accessibility.h"

#include "panels/AccessibleLink.h"
#include "views/AccessibleViews.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>

namespace clefmark {

namespace {

    /// The line telling why nothing is heard: a status bar named by what it
    /// says. Hidden and empty while capture runs, it is still named then, so
    /// that a screen reader never meets an unnamed object.
    class AccessibleCaptureStatus final : public QAccessibleWidget {
    public:
        explicit AccessibleCaptureStatus(QLabel* label)
            : QAccessibleWidget(label, QAccessible::StatusBar)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name) {
                const QString said = static_cast<QLabel*>(object())->text();
                return said.isEmpty() ? QCoreApplication::translate("Accessibility", "Input status")
                                      : said;
            }
            return QAccessibleWidget::text(t);
        }
    };

    QAccessibleInterface* captureStatusInterface(const QString& className, QObject* object)
    {
        // The controller's label, known by its object name.
        if (className == u"QLabel" && object->objectName() == u"captureStatus")
            return new AccessibleCaptureStatus(static_cast<QLabel*>(object));
        return nullptr;
    }

} // namespace

void installAccessibility()
{
    installViewAccessibility();
    installLinkAccessibility();
    QAccessible::installFactory(captureStatusInterface);
}

} // namespace clefmark
