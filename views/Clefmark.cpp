#include "views/Clefmark.h"

#include "views/AccessibleViews.h"
#include "views/Resources.h"

#include <QPainter>
#include <QtGlobal>
#include <cstdint>

namespace clefmark {

Clefmark::Clefmark(QWidget* parent)
    : AutoResizeView(parent)
{
    loadImages();
}

Clefmark::Clefmark(const QRectF& frame, QWidget* parent)
    : AutoResizeView(frame, parent)
{
    loadImages();
}

void Clefmark::loadImages()
{
    for (std::size_t i = 0; i < SPD.size(); ++i) {
        QString error;
        // Notes that need a missing picture are simply not drawn.
        if (!SPD[i].image.load(QString::fromLatin1(kImageNames[i]), &error))
            qWarning("Clefmark: %s", qUtf8Printable(error));
    }
    placeImages();
}

void Clefmark::originalFrameChanged()
{
    placeImages();
}

void Clefmark::placeImages()
{
    // Middle C's picture sits 24 units below the middle of the initial frame,
    // so a note head centred 24 units up the picture lies on that middle.
    const auto height = static_cast<double>(static_cast<float>(originalFrameRect().height()));
    const float y0 = static_cast<float>(height * 0.5 - 4.0) - 20.0f;
    for (auto& data : SPD)
        data.point = QPointF(3.0f, y0);
}

void Clefmark::setNote(int note)
{
    // The staves fold octaves together; a screen reader hears the true one.
    const bool heardNew = heardNote_ != note;
    heardNote_ = note;
    if (note >= 28 && note <= 70) {
        note_ = note + 12;
    } else {
        // In 64 bits, so that no note number can overflow on the way.
        note_ = 60 + static_cast<int>((static_cast<std::int64_t>(note) + 12) % 12);
    }
    if (note_ != displayNote_)
        update();
    if (heardNew)
        accessibleViewChanged(this);
}

Clefmark::Placement Clefmark::placement(int internalNote)
{
    static constexpr int kLetterStep[12] = { 0, 0, 1, 0, 2, 3, 0, 4, 0, 5, 0, 6 };
    Placement place;
    int m = internalNote;
    int c = m % 12;
    // Black keys are written as the natural below with a sharp, never as flats.
    if (c == 1 || c == 3 || c == 6 || c == 8 || c == 10) {
        place.sharp = true;
        --m;
        c = m % 12;
    }
    const int step = c >= 0 ? kLetterStep[c] : 0;
    const int diatonic = step + 7 * (m / 12);
    place.step = diatonic - 35;
    place.ledger = diatonic == 23 || diatonic == 35 || diatonic == 47;
    return place;
}

void Clefmark::paintEvent(QPaintEvent*)
{
    displayNote_ = note_;
    const Placement place = placement(note_);
    const ImageData& data = SPD[static_cast<std::size_t>(place.imageIndex())];
    if (data.image.isNull())
        return;

    const QRectF original = originalFrameRect();
    if (!(original.width() > 0.0) || !(original.height() > 0.0))
        return;
    const QRectF b = bounds();
    const float sx = static_cast<float>(b.width()) / static_cast<float>(original.width());
    const float sy = static_cast<float>(b.height()) / static_cast<float>(original.height());
    const QSizeF natural = data.image.size();
    const float x = sx * static_cast<float>(data.point.x());
    const float y
        = (static_cast<float>(kStepHeight * place.step) + static_cast<float>(data.point.y())) * sy;
    const float width = sx * static_cast<float>(natural.width());
    const float height = sy * static_cast<float>(natural.height());

    // y is the picture's bottom edge measured up from the view's bottom.
    const QRectF target(
        x, b.height() - (static_cast<double>(y) + static_cast<double>(height)), width, height);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage& image = data.image.at(devicePixelRatioF() * static_cast<qreal>(sy));
    painter.drawImage(target, image, QRectF(QPointF(), QSizeF(image.size())));
}

} // namespace clefmark
