// The main window's content: its pictures stacked top to bottom, scaled as
// one. Each shown child is designed at its minimum size; the column's own
// minimum is those stacked, and at any size each child keeps its share of
// the column's height, so that a strip under the window's picture grows with
// the window like the picture does. A child hidden gives its height back:
// the others then fill the column as if it had never been there.
#pragma once

#include <QSize>
#include <QWidget>

namespace clefmark {

class ScaledColumn : public QWidget {
    Q_OBJECT

public:
    explicit ScaledColumn(QWidget* parent = nullptr);

    /// The shown children's minimum sizes stacked: the widest width and the
    /// summed heights. The column's size hints, so its least size unless a
    /// minimum size is set.
    QSize designedSize() const;

    QSize sizeHint() const override { return designedSize(); }
    QSize minimumSizeHint() const override { return designedSize(); }

protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void childrenChanged();
    void placeChildren();
};

} // namespace clefmark
