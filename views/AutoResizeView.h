// The base of the main window's displays: a view whose frame is always its
// initial frame scaled, per axis, by how much its parent has grown since the
// view was first placed in it, so the whole window scales as one picture.
//
// Frames are floating point, as the drawing needs them (a view one and a half
// times its initial size draws at scale 1.5, not at whatever its rounded pixel
// size implies); the widget's own integer geometry is that frame rounded.
// Frames are in the parent's coordinates with Qt's top-left origin: scaling
// every coordinate by the parent's growth is the same from either corner.
#pragma once

#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

namespace clefmark {

class AutoResizeView : public QWidget {
    Q_OBJECT

public:
    /// A view whose initial frame is whatever geometry it has now (Qt's
    /// default until someone sets it); interface loaders build views this way
    /// and then hand them their designed frame through `setOriginalGeometry`.
    explicit AutoResizeView(QWidget* parent = nullptr);
    /// A view with initial frame `frame`; with a parent, the parent's size
    /// now is the size the frame was made for.
    explicit AutoResizeView(const QRectF& frame, QWidget* parent = nullptr);

    QRectF originalFrameRect() const { return originalFrame_; }
    /// The parent's size the original frame was made for; only the size
    /// matters, so the origin is always zero.
    QRectF originalSuperviewBounds() const { return QRectF(QPointF(), originalSuperviewSize_); }
    bool isOriginalSuperviewBoundsSet() const { return originalSuperviewSizeSet_; }

    /// The designed placement, for interface loaders, which only know it once
    /// the view has been built: the frame the description gives the view and
    /// the size it gives the view's parent. Replaces whatever was recorded
    /// when the view was built, then fits the frame to the parent's size now.
    void setOriginalGeometry(const QRectF& frame, const QSizeF& superviewSize);

    /// The current frame in the parent's coordinates, and the same size at
    /// the origin: what the displays draw in.
    QRectF frame() const;
    QRectF bounds() const { return QRectF(QPointF(), frame().size()); }

    /// Recomputes the frame from the parent's current size. Runs on every
    /// resize of the parent; `oldSuperviewSize` is not needed, since every
    /// frame is computed afresh from the original one.
    void resizeWithOldSuperviewSize(const QSizeF& oldSuperviewSize);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    /// Called after the original frame has been replaced by
    /// `setOriginalGeometry`, for views that derive values from it.
    virtual void originalFrameChanged() { }
    /// Called whenever this class has set a new frame, which can change
    /// without the widget's pixels moving or resizing.
    virtual void frameChanged() { }

private:
    void viewDidMoveToSuperview();
    void setFrame(const QRectF& frame);

    QRectF originalFrame_;
    QSizeF originalSuperviewSize_;
    bool originalSuperviewSizeSet_ = false;
    QRectF frame_;
    QPointer<QWidget> watchedParent_;
};

/// The integer geometry a floating-point frame occupies: each edge rounded on
/// its own, so that views that meet in floating point also meet in pixels.
QRect pixelRect(const QRectF& frame);

} // namespace clefmark
