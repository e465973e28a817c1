// The main window's content: its pictures stacked top to bottom, scaled as
// one. Each shown child is designed at its minimum size; the column's own
// minimum is those stacked, and at any size each child keeps its share of
// the column's height, so that a strip under the window's picture grows with
// the window like the picture does. A child hidden gives its height back:
// the others then fill the column as if it had never been there.
#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

namespace clefmark {

/// The largest rectangle in `designed`'s proportions that fits in `area`,
/// centred in it. A side within a pixel of the area's takes the area's, so
/// that sizes rounded to whole pixels leave no one-pixel seam.
QRect letterbox(QSize area, QSize designed);

class ScaledColumn : public QWidget {
    Q_OBJECT

public:
    explicit ScaledColumn(QWidget* parent = nullptr);

    /// The shown children's designed sizes (their minimum sizes as first
    /// given) stacked: the widest width and the summed heights.
    QSize designedSize() const;

    /// How far below its designed size the column may go: 1 (the default)
    /// keeps it at least that, less lets it shrink in proportion, children
    /// and all, onto a screen too small for it.
    void setLeastScale(double scale);
    double leastScale() const { return leastScale_; }

    QSize sizeHint() const override { return designedSize(); }
    /// The designed size at the least scale.
    QSize minimumSizeHint() const override;

    /// Whether the children keep their designed proportions at the largest
    /// size that fits, centred on what lies behind the column, rather than
    /// stretch to the column's own proportions. Off unless set.
    void setLetterboxed(bool on);
    bool isLetterboxed() const { return letterboxed_; }

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void childrenChanged();
    void placeChildren();

    bool letterboxed_ = false;
    double leastScale_ = 1.0;
};

} // namespace clefmark
