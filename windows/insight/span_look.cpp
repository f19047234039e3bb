#include "windows/insight/span_look.h"

#include "windows/show_sequence/legend_colors.h"

#include <QPainter>

namespace orvex {
namespace {

const QColor kSpanBorder(0x70, 0x70, 0x70);
const QColor kNothingPlaysDots(0x90, 0x90, 0x90);
const QColor kWaitingHatch(0x30, 0x50, 0xA0);

} // namespace

SpanLook lookOf(PlayState state) {
    return state == PlayState::Active ? SpanLook::Active : SpanLook::Overlapped;
}

void paintSpan(QPainter& painter, const QRectF& rect, SpanLook look, bool waits) {
    if (look == SpanLook::NothingPlays) {
        painter.fillRect(rect, kNothingPlaysColor);
        painter.fillRect(rect, QBrush(kNothingPlaysDots, Qt::Dense6Pattern));
        return;
    }
    painter.fillRect(rect, look == SpanLook::Active ? kActiveColor : kOverlappedColor);
    if (waits) {
        painter.fillRect(rect, QBrush(kWaitingHatch, Qt::BDiagPattern));
    }
    painter.setPen(kSpanBorder);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

} // namespace orvex
