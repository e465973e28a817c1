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
    pictureOpaque_ = !statusImages_.isNull();
    for (const qreal density : { 1.0, 2.0, 3.0 })
        pictureOpaque_ = pictureOpaque_ && isOpaque(statusImages_.at(density));
    updateOpaqueness();
}

bool StatusIndicator::isOpaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return false;
    }
    return true;
}

void StatusIndicator::updateOpaqueness()
{
    // Redrawn some twenty times a second: when the picture covers every
    // pixel, the window's picture beneath need not be drawn each time too.
    // A frame a fraction smaller than its pixels would leave an edge column
    // or row to show through, and then it is drawn as before.
    const QSizeF frameSize = bounds().size();
    setAttribute(Qt::WA_OpaquePaintEvent,
        pictureOpaque_ && frameSize.width() >= width() && frameSize.height() >= height());
}

void StatusIndicator::resizeEvent(QResizeEvent* event)
{
    AutoResizeView::resizeEvent(event);
    updateOpaqueness();
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
