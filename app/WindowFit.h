// How large the main window may be on its screen, what the zoom commands make
// of it, and where a remembered place may put it. Sizes are of the content
// area (the window less its menu bar and frame) unless said otherwise; the
// unit is the content's least size, whose proportions every size keeps.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace clefmark {

/// The largest whole multiple of `unit` that fits in `room`; at least 1, so
/// that a screen too small for the least size still leaves the window that.
int largestMultiple(QSize unit, QSize room);

enum class Zoom { ActualSize, In, Out };

/// The whole multiple of the unit a zoom command brings a content at
/// `scale` times the unit to: Actual Size 1, Zoom In the next whole multiple
/// above `scale` but none past `largest`, Zoom Out the next below it (and
/// no more than `largest`). Nothing when that would not move the size the
/// way the command says: at a limit a command does nothing.
std::optional<int> zoomedMultiple(Zoom zoom, double scale, int largest);

/// `content` as it is when it fits in `room`; else the largest size in the
/// unit's proportions that does (a whole multiple of it when `whole`), which
/// is smaller than the unit only on a screen smaller than that.
QSize fitInRoom(QSize content, QSize unit, QSize room, bool whole);

/// Where `frame` goes when moved as little as it takes to lie within `area`;
/// a frame larger than the area keeps its top left corner in it.
QPoint keptInside(QRect frame, QRect area);

/// The screen area (of `areas`) that holds the most of `frame`; the first
/// when none holds any of it, -1 when there are none.
int screenOf(QRect frame, const QList<QRect>& areas);

/// Where a frame of `size` remembered at `place` goes now: kept inside the
/// area that holds its centre, or nowhere when no screen there is left.
std::optional<QPoint> restoredPlace(QPoint place, QSize size, const QList<QRect>& areas);

} // namespace clefmark
