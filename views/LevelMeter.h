// The input level as eight segments lit from the left, the last one red at
// full scale, with a peak marker that holds the highest recent level and
// falls back one segment every 0.2 s. Only the lit segments and the marker
// are painted; the window shows through everywhere else.
#pragma once

#include "tuner/Displays.h"
#include "views/AutoResizeView.h"
#include "views/MeterPalette.h"
#include "views/OneShotTimer.h"

#include <QColor>
#include <memory>

namespace clefmark {

class LevelMeter : public AutoResizeView, public LevelDisplay {
    Q_OBJECT

public:
    static constexpr int kSegments = 8;
    static constexpr double kDecaySeconds = 0.2;

    /// Segments, and the marker below full scale.
    static inline const QColor green = MeterPalette::standard().lit;
    /// The last segment and the marker at full scale.
    static inline const QColor red = MeterPalette::standard().fullScale;

    explicit LevelMeter(QWidget* parent = nullptr);
    explicit LevelMeter(const QRectF& frame, QWidget* parent = nullptr);

    /// 0 (quiet) to 8 (full scale); anything beyond is shown as the nearest end.
    void setLevel(int level) override;
    /// Nothing lit and no marker: no sound is coming in, whatever came last.
    void clear();
    /// Schedules one `decay` step `seconds` from now.
    void setDecay(double seconds);
    /// Lowers the peak by one step, and redraws if the marker moves.
    void decay();

    int peak() const { return peak_; }
    int level() const { return level_; }
    int displayLevel() const { return displayLevel_; }
    bool isDecayPending() const { return decayTimer_; }

    /// The segments' two colours; the standard palette (green, red) until set.
    void setColours(const MeterPalette& palette);

    /// Replaces the timer that runs the decay steps (tests drive their own).
    void setDecayTimer(std::unique_ptr<OneShotTimer> timer);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int peak_ = 0;
    int level_ = 0;
    int displayLevel_ = 0;
    bool decayTimer_ = false;
    QColor litColour_ = green;
    QColor fullScaleColour_ = red;
    std::unique_ptr<OneShotTimer> timer_;
};

} // namespace clefmark
