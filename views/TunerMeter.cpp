#include "views/TunerMeter.h"

#include "views/AccessibleViews.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace clefmark {

namespace {
    const QColor kDimmedNeedle(0xa3, 0xa7, 0xad);
} // namespace

TunerMeter::TunerMeter(QWidget* parent)
    : AutoResizeView(parent)
{
}

TunerMeter::TunerMeter(const QRectF& frame, QWidget* parent)
    : AutoResizeView(frame, parent)
{
}

void TunerMeter::setTune(int tune, bool inTune)
{
    // Clamp before offsetting, so that no deviation can overflow.
    const int position = std::clamp(tune, -kCentre, kLastPosition - kCentre) + kCentre;
    // Against the value before, not the one drawn: a value can change and
    // change back between two redraws, and a screen reader told of the first
    // change must hear of the second.
    const bool changed = !hasTune_ || inTune != inTune_ || position != tune_;
    inTune_ = inTune;
    tune_ = position;
    hasTune_ = true;
    if (inTune != displayInTune_ || position != displayTune_)
        update();
    if (changed)
        accessibleViewChanged(this);
}

void TunerMeter::setDimmed(bool dimmed)
{
    if (dimmed == dimmed_)
        return;
    dimmed_ = dimmed;
    update();
}

void TunerMeter::setColours(const MeterPalette& palette)
{
    // The picture draws the standard band itself, so that the needle alone
    // is painted as long as the standard colours are shown.
    const std::optional<QColor> band = palette.band == MeterPalette::standard().band
        ? std::nullopt
        : std::optional<QColor>(palette.band);
    if (palette.inTune == inTuneColour_ && palette.outOfTune == outOfTuneColour_ && band == band_)
        return;
    inTuneColour_ = palette.inTune;
    outOfTuneColour_ = palette.outOfTune;
    band_ = band;
    update();
}

void TunerMeter::paintEvent(QPaintEvent*)
{
    displayTune_ = tune_;
    displayInTune_ = inTune_;
    const QRectF b = bounds();
    const auto originalWidth = static_cast<float>(originalFrameRect().width());
    if (!(originalWidth > 0.0f))
        return;
    const float s = static_cast<float>(b.width()) / originalWidth;
    const auto x = static_cast<float>((static_cast<double>(tune_) + 0.5) * static_cast<double>(s));

    // The needle is centred on x and s wide: at the initial size it covers
    // exactly the unit column of its position.
    QPainterPath needle;
    needle.moveTo(x, b.y());
    needle.lineTo(x, b.height());
    needle.closeSubpath();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (band_) {
        const auto left = static_cast<double>(kCentre) * static_cast<double>(s);
        painter.fillRect(QRectF(left, b.y(), static_cast<double>(s), b.height()), *band_);
    }
    // Dimmed, the grey of the readout's dimmed note: neither green nor red
    // can then be read as a judgement.
    const QColor colour = dimmed_ ? kDimmedNeedle : inTune_ ? inTuneColour_ : outOfTuneColour_;
    painter.strokePath(needle, QPen(colour, s, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

} // namespace clefmark
