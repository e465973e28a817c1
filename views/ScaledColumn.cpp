#include "views/ScaledColumn.h"

#include <QChildEvent>
#include <QEvent>
#include <QList>
#include <QVariant>
#include <algorithm>
#include <cmath>

namespace clefmark {

namespace {

    // Where a child's designed size is kept once its minimum size may be
    // lowered.
    constexpr const char* kDesigned = "designedSize";

    QSize designedSizeOf(const QWidget& child)
    {
        const QVariant designed = child.property(kDesigned);
        return designed.isValid() ? designed.toSize() : child.minimumSize();
    }

    QSize scaled(QSize size, double scale)
    {
        return { static_cast<int>(std::lround(size.width() * scale)),
            static_cast<int>(std::lround(size.height() * scale)) };
    }

    QList<QWidget*> shownChildren(const QWidget& column)
    {
        QList<QWidget*> shown;
        for (QWidget* child : column.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isHidden() && !child->isWindow())
                shown.append(child);
        return shown;
    }

} // namespace

QRect letterbox(QSize area, QSize designed)
{
    if (designed.width() <= 0 || designed.height() <= 0 || area.isEmpty())
        return QRect(QPoint(), area);
    const double scale = std::min(static_cast<double>(area.width()) / designed.width(),
        static_cast<double>(area.height()) / designed.height());
    QSize size(static_cast<int>(std::lround(designed.width() * scale)),
        static_cast<int>(std::lround(designed.height() * scale)));
    if (area.width() - size.width() <= 1)
        size.setWidth(area.width());
    if (area.height() - size.height() <= 1)
        size.setHeight(area.height());
    return { QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size };
}

ScaledColumn::ScaledColumn(QWidget* parent)
    : QWidget(parent)
{
}

QSize ScaledColumn::designedSize() const
{
    QSize size(0, 0);
    for (const QWidget* child : shownChildren(*this)) {
        const QSize designed = designedSizeOf(*child);
        size.setWidth(std::max(size.width(), designed.width()));
        size.rheight() += designed.height();
    }
    return size;
}

QSize ScaledColumn::minimumSizeHint() const
{
    return scaled(designedSize(), leastScale_);
}

void ScaledColumn::setLeastScale(double scale)
{
    scale = std::clamp(scale, 0.05, 1.0);
    if (scale == leastScale_)
        return;
    leastScale_ = scale;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if (!child->property(kDesigned).isValid())
            child->setProperty(kDesigned, child->minimumSize());
        child->setMinimumSize(scaled(designedSizeOf(*child), scale));
    }
    updateGeometry();
    placeChildren();
}

void ScaledColumn::setLetterboxed(bool on)
{
    if (letterboxed_ == on)
        return;
    letterboxed_ = on;
    placeChildren();
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
    const QSize designed = designedSize();
    if (designed.height() <= 0)
        return;
    const QRect frame = letterboxed_ ? letterbox(size(), designed) : rect();
    // Edges from the running total, each rounded once, so that the children
    // meet without gaps and the last one ends exactly at the bottom.
    const double scale = static_cast<double>(frame.height()) / designed.height();
    int designedTop = 0;
    int top = 0;
    for (QWidget* child : shownChildren(*this)) {
        designedTop += designedSizeOf(*child).height();
        const int bottom = static_cast<int>(std::lround(designedTop * scale));
        child->setGeometry(frame.left(), frame.top() + top, frame.width(), bottom - top);
        top = bottom;
    }
}

} // namespace clefmark
