#pragma once

#include "insight/play_state.h"

#include <QColor>

class QPainter;
class QRectF;

namespace orvex {

// How the timeline draws a stretch of time, and its legend the same way.
enum class SpanLook { Active, Overlapped, NothingPlays };

inline const QColor kNothingPlaysColor(0xD8, 0xD8, 0xD8);

SpanLook lookOf(PlayState state);
// A loop that waits for a remote event is hatched over its state's colour.
void paintSpan(QPainter& painter, const QRectF& rect, SpanLook look, bool waits);

} // namespace orvex
