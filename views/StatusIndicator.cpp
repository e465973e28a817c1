#include "views/StatusIndicator.h"

#include "views/NegativeImage.h"
#include "views/Resources.h"

#include <QPainter>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace clefmark {

StatusIndicator::StatusIndicator(QWidget* parent)
    : AutoResizeView(parent)
{
    loadStatusImage();
}

StatusIndicator::StatusIndicator(const QRectF& frame, QWidget* parent)
    : AutoResizeView(frame, parent)
{
    loadStatusImage();
}

void StatusIndicator::loadStatusImage()
{
    QString error;
    statusImage_ = loadImage(QStringLiteral("status"), &error);
    if (statusImage_.isNull())
        qWarning("StatusIndicator: %s", qUtf8Printable(error));
}

void StatusIndicator::increment()
{
    status_ = (status_ + 1) % kCycle;
    update();
}

void StatusIndicator::paintEvent(QPaintEvent*)
{
    if (statusImage_.isNull())
        return;
    QPixmap& frame = frames_[static_cast<std::size_t>(status_)];
    if (frame.isNull()) {
        // The band moves one unit column per step; a denser image has that
        // many pixel columns to a unit.
        const int density
            = std::max(1, static_cast<int>(std::lround(statusImage_.devicePixelRatio())));
        const QImage negative = negativeImage(statusImage_, column() * density);
        if (negative.isNull())
            return;
        frame = QPixmap::fromImage(negative);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(bounds(), frame, QRectF(QPointF(), QSizeF(frame.size())));
}

}  // namespace clefmark
