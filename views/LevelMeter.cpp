#include "views/LevelMeter.h"

#include <QPainter>
#include <algorithm>

namespace clefmark {

LevelMeter::LevelMeter(QWidget* parent)
    : AutoResizeView(parent)
    , timer_(makeEventLoopTimer())
{
}

LevelMeter::LevelMeter(const QRectF& frame, QWidget* parent)
    : AutoResizeView(frame, parent)
    , timer_(makeEventLoopTimer())
{
}

void LevelMeter::setDecayTimer(std::unique_ptr<OneShotTimer> timer)
{
    timer_->cancel();
    timer_ = std::move(timer);
    decayTimer_ = false;
}

void LevelMeter::setColours(const MeterPalette& palette)
{
    if (palette.lit == litColour_ && palette.fullScale == fullScaleColour_)
        return;
    litColour_ = palette.lit;
    fullScaleColour_ = palette.fullScale;
    update();
}

void LevelMeter::setLevel(int level)
{
    level = std::clamp(level, 0, kSegments);
    if (level >= peak_)
        peak_ = level;
    level_ = level;
    // A risen peak alone waits for the next redraw to show.
    if (level != displayLevel_)
        update();
}

void LevelMeter::clear()
{
    timer_->cancel();
    decayTimer_ = false;
    const bool shown = level_ != 0 || peak_ != 0;
    level_ = peak_ = 0;
    if (shown)
        update();
}

void LevelMeter::setDecay(double seconds)
{
    timer_->start(seconds, [this] { decay(); });
}

void LevelMeter::decay()
{
    // The marker shows only above the lit segments and below full scale; a
    // step anywhere else changes nothing on the screen.
    const bool shown = level_ < kSegments && peak_ > level_;
    if (peak_ != 0)
        --peak_;
    decayTimer_ = false;
    // The redraw schedules the next step while the peak is above zero;
    // without one, the step schedules it as the redraw would have.
    if (shown) {
        update();
    } else if (peak_ != 0) {
        decayTimer_ = true;
        setDecay(kDecaySeconds);
    }
}

void LevelMeter::paintEvent(QPaintEvent*)
{
    displayLevel_ = level_;
    const QRectF b = bounds();
    const float u = static_cast<float>(b.width()) / 60.0f;
    const float segmentStep = 8.0f * u;
    const auto segment = [&](float left) { return QRectF(left, b.y(), 4.0f * u, b.height()); };

    QPainter painter(this);
    float left = static_cast<float>(b.x());
    for (int i = 0; i < level_; ++i) {
        painter.fillRect(segment(left), litColour_);
        left = static_cast<float>(static_cast<double>(left) + static_cast<double>(segmentStep));
    }

    if (level_ == kSegments) {
        painter.fillRect(segment(u * 56.0f), fullScaleColour_);
    } else if (peak_ != level_) {
        if (peak_ == 0)
            return;
        painter.fillRect(segment(u * static_cast<float>(8 * peak_ - 8)),
            peak_ == kSegments ? fullScaleColour_ : litColour_);
    }

    if (peak_ == 0)
        return;
    if (peak_ == level_) {
        // Holding: every redraw starts the wait for the next step afresh.
        decayTimer_ = false;
        timer_->cancel();
    }
    if (!decayTimer_) {
        decayTimer_ = true;
        setDecay(kDecaySeconds);
    }
}

} // namespace clefmark
