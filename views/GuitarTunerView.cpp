#include "views/GuitarTunerView.h"

#include "views/Resources.h"

#include <QPainter>
#include <QPixmap>
#include <QtGlobal>

namespace clefmark {

GuitarTunerView::GuitarTunerView(QWidget* parent)
    : QLabel(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScaledContents(true);
}

void GuitarTunerView::setImageName(const QString& name)
{
    imageName_ = name;
    QString error;
    if (!image_.load(name, &error))
        qWarning("GuitarTunerView: %s", qUtf8Printable(error));
    // The label's own pixmap gives it its size hint; painting uses image_.
    setPixmap(QPixmap::fromImage(image_.at(devicePixelRatioF())));
}

void GuitarTunerView::paintEvent(QPaintEvent* event)
{
    if (!image_.isNull() && hasScaledContents() && !image_.size().isEmpty()) {
        const QImage& image = image_.at(devicePixelRatioF() * width() / image_.size().width());
        QPainter painter(this);
        if (image.hasAlphaChannel())
            painter.fillRect(rect(), palette().window());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(rect()), image, QRectF(QPointF(), QSizeF(image.size())));
        return;
    }
    // Opaque means every pixel is ours to paint, picture or not.
    if (pixmap().isNull() || !hasScaledContents() || pixmap().hasAlphaChannel()) {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
    }
    QLabel::paintEvent(event);
}

} // namespace clefmark
