#include "windows/config/preview_geometry.h"

namespace orvex {

QRect previewRect(int rotation) {
    if (rotation == 0 || rotation == 2) {
        return {8, 0, 360, 288};
    }
    return {42, 0, 288, 360};
}

std::int16_t storedPosition(int controlEdge, int previewEdge) {
    const auto stored = static_cast<std::int16_t>(2 * (controlEdge - previewEdge));
    return stored < 0 ? std::int16_t{0} : stored;
}

int shownPosition(int previewEdge, std::int16_t stored) {
    return previewEdge + stored / 2;
}

QPoint keptInside(const QRect& control, const QRect& preview) {
    int left = control.left();
    int top = control.top();
    const int right = preview.left() + preview.width();
    const int bottom = preview.top() + preview.height();
    if (left < preview.left()) {
        left = preview.left();
    }
    if (top < preview.top()) {
        top = preview.top();
    }
    if (left + control.width() > right) {
        left = right - control.width();
    }
    if (top + control.height() > bottom) {
        top = bottom - control.height();
    }
    return {left, top};
}

} // namespace orvex
