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
    if (!statusImages_.load(QStringLiteral("status"), &error))
        qWarning("StatusIndicator: %s", qUtf8Printable(error));
}

void StatusIndicator::increment()
{
    status_ = (status_ + 1) % kCycle;
    update();
}

void StatusIndicator::paintEvent(QPaintEvent*)
{
    if (statusImages_.isNull())
        return;
    const QImage& image = statusImages_.at(
        devicePixelRatioF() * bounds().width() / std::max(1.0, statusImages_.size().width()));
    if (image.devicePixelRatio() != framesDensity_) {
        frames_.fill(QPixmap());
        framesDensity_ = image.devicePixelRatio();
    }
    QPixmap& frame = frames_[static_cast<std::size_t>(status_)];
    if (frame.isNull()) {
        // The band moves one unit column per step; a denser image has that
        // many pixel columns to a unit.
        const int density = std::max(1, static_cast<int>(std::lround(image.devicePixelRatio())));
        const QImage negative = negativeImage(image, column() * density);
        if (negative.isNull())
            return;
        frame = QPixmap::fromImage(negative);
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(bounds(), frame, QRectF(QPointF(), QSizeF(frame.size())));
}

} // namespace clefmark
