#include "views/AutoResizeView.h"

#include <QEvent>
#include <QResizeEvent>
#include <cmath>

namespace clefmark {

QRect pixelRect(const QRectF& frame)
{
    const auto left = static_cast<int>(std::lround(frame.left()));
    const auto top = static_cast<int>(std::lround(frame.top()));
    const auto right = static_cast<int>(std::lround(frame.left() + frame.width()));
    const auto bottom = static_cast<int>(std::lround(frame.top() + frame.height()));
    return QRect(left, top, right - left, bottom - top);
}

AutoResizeView::AutoResizeView(QWidget* parent)
    : QWidget(parent)
    , originalFrame_(geometry())
    , frame_(geometry())
{
    viewDidMoveToSuperview();
}

AutoResizeView::AutoResizeView(const QRectF& frame, QWidget* parent)
    : QWidget(parent)
    , originalFrame_(frame)
{
    setFrame(frame);
    // A parent given here arrives before this class's event handling exists,
    // so the placement is recorded by hand.
    viewDidMoveToSuperview();
}

void AutoResizeView::setOriginalGeometry(const QRectF& frame, const QSizeF& superviewSize)
{
    originalFrame_ = frame;
    originalSuperviewSize_ = superviewSize;
    originalSuperviewSizeSet_ = true;
    setFrame(frame);
    if (parentWidget())
        resizeWithOldSuperviewSize(parentWidget()->size());
    originalFrameChanged();
}

QRectF AutoResizeView::frame() const
{
    // Someone other than this class may have set the geometry (a loader
    // applying the description's); the widget's own geometry then wins.
    return geometry() == pixelRect(frame_) ? frame_ : QRectF(geometry());
}

void AutoResizeView::resizeWithOldSuperviewSize(const QSizeF&)
{
    QWidget* superview = parentWidget();
    if (!superview || !originalSuperviewSizeSet_)
        return;
    const auto originalWidth = static_cast<float>(originalSuperviewSize_.width());
    const auto originalHeight = static_cast<float>(originalSuperviewSize_.height());
    // A parent recorded at zero size gives no scale; the frame stays put.
    if (!(originalWidth > 0.0f) || !(originalHeight > 0.0f))
        return;
    const float sx = static_cast<float>(superview->width()) / originalWidth;
    const float sy = static_cast<float>(superview->height()) / originalHeight;
    setFrame(QRectF(static_cast<float>(originalFrame_.x()) * sx,
        static_cast<float>(originalFrame_.y()) * sy,
        static_cast<float>(originalFrame_.width()) * sx,
        static_cast<float>(originalFrame_.height()) * sy));
}

bool AutoResizeView::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        viewDidMoveToSuperview();
    return QWidget::event(event);
}

bool AutoResizeView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        resizeWithOldSuperviewSize(static_cast<QResizeEvent*>(event)->oldSize());
    return QWidget::eventFilter(watched, event);
}

void AutoResizeView::viewDidMoveToSuperview()
{
    if (watchedParent_ == parentWidget())
        return;
    if (watchedParent_)
        watchedParent_->removeEventFilter(this);
    watchedParent_ = parentWidget();
    if (!watchedParent_)
        return;
    watchedParent_->installEventFilter(this);
    // Only the first parent counts: later moves keep comparing against it.
    if (!originalSuperviewSizeSet_) {
        originalSuperviewSize_ = watchedParent_->size();
        originalSuperviewSizeSet_ = true;
    }
}

void AutoResizeView::setFrame(const QRectF& frame)
{
    frame_ = frame;
    setGeometry(pixelRect(frame));
    frameChanged();
}

} // namespace clefmark
