// How far the pitch lies from the nearest note: one vertical needle, one unit
// of the initial frame per tune step, green when in tune and red otherwise.
// Only the needle is painted; any scale behind it shows through.
#pragma once

#include "tuner/Displays.h"
#include "views/AutoResizeView.h"
#include "views/MeterPalette.h"

#include <QColor>
#include <optional>

namespace clefmark {

class TunerMeter : public AutoResizeView, public TuneDisplay {
    Q_OBJECT

public:
    /// Needle positions run from 0 to 64; no deviation is the centre.
    static constexpr int kCentre = 32;
    static constexpr int kLastPosition = 64;

    static inline const QColor green = MeterPalette::standard().inTune;
    static inline const QColor red = MeterPalette::standard().outOfTune;

    explicit TunerMeter(QWidget* parent = nullptr);
    explicit TunerMeter(const QRectF& frame, QWidget* parent = nullptr);

    /// Any deviation is accepted; beyond ±32 the needle stays at the end.
    void setTune(int tune, bool inTune) override;

    /// The needle's two colours and the band behind its in-tune place; the
    /// standard palette (green, red, the picture's band) until set.
    void setColours(const MeterPalette& palette);

    /// Whether the needle is drawn dimmed, in no judgement's colour: the
    /// note it points for is no longer heard.
    void setDimmed(bool dimmed);
    bool isDimmed() const { return dimmed_; }

    int tune() const { return tune_; }
    bool inTune() const { return inTune_; }
    /// Whether any value has arrived: until then the needle's place means
    /// nothing.
    bool hasTune() const { return hasTune_; }
    int displayTune() const { return displayTune_; }
    bool displayInTune() const { return displayInTune_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int tune_ = 0;
    bool inTune_ = false;
    bool hasTune_ = false;
    int displayTune_ = 0;
    bool displayInTune_ = false;
    QColor inTuneColour_ = green;
    QColor outOfTuneColour_ = red;
    bool dimmed_ = false;
    std::optional<QColor> band_; // none: the picture's own shows through
};

} // namespace clefmark
