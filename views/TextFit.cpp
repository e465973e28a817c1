#include "views/TextFit.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace clefmark {

QFont fontAtScale(const QFont& font, double scale)
{
    QFont scaled = font;
    scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale))));
    return scaled;
}

double unitsWide(const QString& text, const QFont& font, double scale)
{
    return QFontMetricsF(fontAtScale(font, scale)).horizontalAdvance(text) / scale;
}

bool fitsBox(const QString& text, const QFont& font, const QSizeF& box, double scale)
{
    const QFontMetricsF metrics(fontAtScale(font, scale));
    // A fraction of a pixel of slack: the same rounding the drawing meets.
    constexpr double kSlack = 0.01;
    return metrics.horizontalAdvance(text) <= box.width() * scale + kSlack
        && metrics.tightBoundingRect(text).height() <= box.height() * scale + kSlack;
}

namespace {

    /// `words` broken greedily into lines no wider than `width`; none when a
    /// word alone is wider.
    std::optional<QStringList> breakLines(
        const QStringList& words, const QFont& font, double width, double scale)
    {
        QStringList lines;
        for (const QString& word : words) {
            if (unitsWide(word, font, scale) > width)
                return std::nullopt;
            if (!lines.isEmpty() && unitsWide(lines.last() + u' ' + word, font, scale) <= width)
                lines.last() += u' ' + word;
            else
                lines.append(word);
        }
        return lines;
    }

} // namespace

std::optional<FittedText> fitText(const QString& text, QFont font, int pixels, int least,
    const QSizeF& box, int maxLines, double scale)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (int size = pixels; size >= least; --size) {
        font.setPixelSize(size);
        const double lineHeight = QFontMetricsF(fontAtScale(font, scale)).height() / scale;
        const std::optional<QStringList> lines = breakLines(words, font, box.width(), scale);
        if (!lines || lines->size() > maxLines)
            continue;
        // One line needs only its ink inside the box; more need their
        // spacing, and each its ink inside its own line (an accent over a
        // descender can reach past the spacing at small sizes).
        const bool fits = lines->size() == 1
            ? fitsBox(lines->first(), font, box, scale)
            : lineHeight * static_cast<double>(lines->size()) <= box.height() + 0.01
                && std::all_of(lines->begin(), lines->end(), [&](const QString& line) {
                       return fitsBox(line, font, QSizeF(box.width(), lineHeight), scale);
                   });
        if (fits)
            return FittedText { font, *lines, lineHeight };
    }
    return std::nullopt;
}

} // namespace clefmark
