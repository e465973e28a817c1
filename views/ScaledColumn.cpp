#include "views/ScaledColumn.h"

#include <QChildEvent>
#include <QEvent>
#include <QList>
#include <algorithm>
#include <cmath>

namespace clefmark {

namespace {

    QList<QWidget*> shownChildren(const QWidget& column)
    {
        QList<QWidget*> shown;
        for (QWidget* child : column.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden() && !child->isWindow())
                shown.append(child);
        return shown;
    }

} // namespace

ScaledColumn::ScaledColumn(QWidget* parent)
    : QWidget(parent)
{
}

QSize ScaledColumn::designedSize() const
{
    QSize size(0, 0);
    for (const QWidget* child : shownChildren(*this)) {
        size.setWidth(std::max(size.width(), child->minimumWidth()));
        size.rheight() += child->minimumHeight();
    }
    return size;
}

void ScaledColumn::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
    if (!event->child()->isWidgetType())
        return;
    if (event->added())
        event->child()->installEventFilter(this);
    if (event->added() || event->removed())
        childrenChanged();
}

bool ScaledColumn::eventFilter(QObject* watched, QEvent* event)
{
    // Told to the child whenever it is shown or hidden as such, whether or
    // not the column is on the screen.
    if (watched->parent() == this
        && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        childrenChanged();
    return QWidget::eventFilter(watched, event);
}

void ScaledColumn::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeChildren();
}

void ScaledColumn::childrenChanged()
{
    updateGeometry();
    placeChildren();
}

void ScaledColumn::placeChildren()
{
    const int designedHeight = designedSize().height();
    if (designedHeight <= 0)
        return;
    // Edges from the running total, each rounded once, so that the children
    // meet without gaps and the last one ends exactly at the bottom.
    const double scale = static_cast<double>(height()) / designedHeight;
    int designedTop = 0;
    int top = 0;
    for (QWidget* child : shownChildren(*this)) {
        designedTop += child->minimumHeight();
        const int bottom = static_cast<int>(std::lround(designedTop * scale));
        child->setGeometry(0, top, width(), bottom - top);
        top = bottom;
    }
}

} // namespace clefmark
