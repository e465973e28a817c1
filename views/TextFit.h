// Whether a text fits its box at the size it is drawn, and how to lay it
// smaller or over more lines where it does not, breaking only between words.
// Boxes and font sizes are in units of a view's designed size; `scale` is the
// pixels a unit takes on the screen, so that the measure is the font's own at
// the size it is drawn (hinting keeps widths from scaling exactly).
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

namespace clefmark {

/// `font` (pixel size in units) as drawn at `scale`.
QFont fontAtScale(const QFont& font, double scale);
/// The width of `text` in `font` (pixel size in units) drawn at `scale`, in
/// units.
double unitsWide(const QString& text, const QFont& font, double scale);
/// Whether `text`, on one line in `font` (pixel size in units), fits `box`
/// (units) drawn at `scale`: its advance within the width, its ink within
/// the height.
bool fitsBox(const QString& text, const QFont& font, const QSizeF& box, double scale);

/// A text laid in a box: the font (pixel size in units) and the lines.
struct FittedText {
    QFont font;
    QStringList lines;
    /// Units from one line's top to the next.
    double lineHeight = 0.0;
};

/// `text` in `font` from `pixels` down to `least` units, on at most
/// `maxLines` lines broken between words, fitted to `box` drawn at `scale`:
/// the largest size that fits, in the fewest lines at that size. None when
/// even the least size does not fit.
std::optional<FittedText> fitText(const QString& text, QFont font, int pixels, int least,
    const QSizeF& box, int maxLines, double scale);

} // namespace clefmark
