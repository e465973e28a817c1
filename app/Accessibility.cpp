#include "app/Accessibility.h"

#include "panels/AccessibleLink.h"
#include "views/AccessibleViews.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
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

    /// A drop-down list given a name of its own: named by it, with the
    /// choice shown as its value. Qt names one by its choice on Linux and
    /// leaves its label to a relation, which not every reader follows, so
    /// the transposition box was heard as "Concert pitch".
    class AccessibleNamedComboBox final : public QAccessibleWidget {
    public:
        explicit AccessibleNamedComboBox(QComboBox* box)
            : QAccessibleWidget(box, QAccessible::ComboBox)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Value)
                return box()->currentText();
            return QAccessibleWidget::text(t);
        }

        // The list that opens, as Qt's own interface has it.
        int childCount() const override { return 1; }
        QAccessibleInterface* child(int index) const override
        {
            return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
        }
        int indexOfChild(const QAccessibleInterface* child) const override
        {
            return child != nullptr && child->object() == box()->view() ? 0 : -1;
        }

        QStringList actionNames() const override { return { showMenuAction(), pressAction() }; }
        void doAction(const QString& name) override
        {
            if (name == showMenuAction() || name == pressAction())
                box()->showPopup();
        }

    private:
        QComboBox* box() const { return static_cast<QComboBox*>(object()); }
    };

    QAccessibleInterface* programInterface(const QString& className, QObject* object)
    {
        // The controller's label, known by its object name.
        if (className == u"QLabel" && object->objectName() == u"captureStatus")
            return new AccessibleCaptureStatus(static_cast<QLabel*>(object));
        if (className == u"QComboBox" && !static_cast<QWidget*>(object)->accessibleName().isEmpty())
            return new AccessibleNamedComboBox(static_cast<QComboBox*>(object));
        return nullptr;
    }

} // namespace

void installAccessibility()
{
    installViewAccessibility();
    installLinkAccessibility();
    QAccessible::installFactory(programInterface);
}

} // namespace clefmark
