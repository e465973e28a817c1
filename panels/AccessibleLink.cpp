#include "panels/AccessibleLink.h"

#include "panels/HotText.h"

#include <QAccessibleWidget>
#include <QUrl>

namespace clefmark {

namespace {

    class AccessibleLink final : public QAccessibleWidget {
    public:
        explicit AccessibleLink(HotText* link)
            : QAccessibleWidget(link, QAccessible::Link)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
                return link()->text();
            if (t == QAccessible::Value)
                return link()->url().toString();
            return QAccessibleWidget::text(t);
        }

        QAccessible::State state() const override
        {
            QAccessible::State state = QAccessibleWidget::state();
            state.linked = true;
            return state;
        }

        // Following the link comes first: it is what the field is for.
        QStringList actionNames() const override
        {
            return QStringList(pressAction()) + QAccessibleWidget::actionNames();
        }

        void doAction(const QString& name) override
        {
            if (name == pressAction())
                link()->openURL();
            else
                QAccessibleWidget::doAction(name);
        }

    private:
        HotText* link() const { return static_cast<HotText*>(object()); }
    };

    QAccessibleInterface* linkInterface(const QString& className, QObject* object)
    {
        if (className == QLatin1String(HotText::staticMetaObject.className()))
            return new AccessibleLink(static_cast<HotText*>(object));
        return nullptr;
    }

} // namespace

void installLinkAccessibility()
{
    QAccessible::installFactory(linkInterface);
}

} // namespace clefmark
