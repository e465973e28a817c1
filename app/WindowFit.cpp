#include "app/WindowFit.h"

#include <algorithm>
#include <cmath>

namespace clefmark {

namespace {

    bool positive(QSize size)
    {
        return size.width() > 0 && size.height() > 0;
    }

    // Sizes are whole pixels, so a scale read back from one is off by a
    // pixel's share at most; closer than this counts as the same.
    constexpr double kSameScale = 1e-3;

    double roomyScale(QSize unit, QSize room)
    {
        return std::min(static_cast<double>(room.width()) / unit.width(),
            static_cast<double>(room.height()) / unit.height());
    }

} // namespace

int largestMultiple(QSize unit, QSize room)
{
    if (!positive(unit))
        return 1;
    return std::max(1, static_cast<int>(std::floor(roomyScale(unit, room))));
}

std::optional<int> zoomedMultiple(Zoom zoom, double scale, int largest)
{
    largest = std::max(1, largest);
    int multiple = 1;
    switch (zoom) {
    case Zoom::ActualSize:
        break;
    case Zoom::In:
        multiple = std::min(largest, static_cast<int>(std::floor(scale + kSameScale)) + 1);
        if (multiple <= scale + kSameScale)
            return std::nullopt;
        return multiple;
    case Zoom::Out:
        multiple = std::clamp(static_cast<int>(std::ceil(scale - kSameScale)) - 1, 1, largest);
        break;
    }
    if (multiple >= scale - kSameScale)
        return std::nullopt;
    return multiple;
}

QSize fitInRoom(QSize content, QSize unit, QSize room, bool whole)
{
    if (!positive(unit) || (content.width() <= room.width() && content.height() <= room.height()))
        return content;
    if (!positive(room))
        return unit;
    // Below the unit, no whole multiple fits: the window is shrunk in
    // proportion rather than left running off the screen.
    double scale = roomyScale(unit, room);
    if (whole && scale >= 1.0)
        scale = std::floor(scale);
    return { static_cast<int>(std::lround(unit.width() * scale)),
        static_cast<int>(std::lround(unit.height() * scale)) };
}

QPoint keptInside(QRect frame, QRect area)
{
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return { x, y };
}

int screenOf(QRect frame, const QList<QRect>& areas)
{
    int best = areas.isEmpty() ? -1 : 0;
    qint64 most = 0;
    for (int i = 0; i < areas.size(); ++i) {
        const QRect shared = areas[i].intersected(frame);
        const qint64 overlap = static_cast<qint64>(shared.width()) * shared.height();
        if (overlap > most) {
            most = overlap;
            best = i;
        }
    }
    return best;
}

std::optional<QPoint> restoredPlace(QPoint place, QSize size, const QList<QRect>& areas)
{
    const QRect frame(place, size);
    for (const QRect& area : areas)
        if (area.contains(frame.center()))
            return keptInside(frame, area);
    return std::nullopt;
}

} // namespace clefmark
