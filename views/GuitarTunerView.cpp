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
    const QImage image = loadImage(name, &error);
    if (image.isNull())
        qWarning("GuitarTunerView: %s", qUtf8Printable(error));
    setPixmap(QPixmap::fromImage(image));
}

void GuitarTunerView::paintEvent(QPaintEvent* event)
{
    // Opaque means every pixel is ours to paint, picture or not.
    if (pixmap().isNull() || !hasScaledContents() || pixmap().hasAlphaChannel()) {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
    }
    QLabel::paintEvent(event);
}

}  // namespace clefmark
