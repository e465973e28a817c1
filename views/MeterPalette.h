// The colours of the needle and the level meter. The standard palette is the
// window's green and red; the colour-blind-safe one sets blue against orange,
// which stay apart under the common colour-vision deficiencies: red-green in
// either form, where green and red both turn olive, and blue-yellow, where
// the two still differ in lightness.
#pragma once

#include <QColor>

namespace clefmark {

struct MeterPalette {
    QColor inTune; // the needle
    QColor outOfTune;
    QColor lit; // the level meter's segments, and its marker below full scale
    QColor fullScale; // its last segment, and the marker at full scale
    /// The column behind the needle's in-tune place. The standard one is the
    /// picture's own pale green, which the needle leaves to the picture.
    QColor band;

    friend bool operator==(const MeterPalette&, const MeterPalette&) = default;

    static MeterPalette standard()
    {
        return { QColor(0, 150, 0), QColor(238, 0, 0), QColor(0, 187, 0), QColor(238, 0, 0),
            QColor(0xcf, 0xe6, 0xcf) };
    }
    static MeterPalette colourBlindSafe()
    {
        return { QColor(0, 114, 178), QColor(213, 94, 0), QColor(0, 114, 178), QColor(213, 94, 0),
            QColor(0xc8, 0xdc, 0xea) };
    }
};

} // namespace clefmark
