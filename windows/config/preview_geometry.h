#pragma once

#include <QPoint>
#include <QRect>
#include <cstdint>

namespace orvex {

// The preview stands for the player's 720 x 576 screen (576 x 720 turned) at half scale. Its
// rectangle is given within the canvas that holds it, whose left edge is the dialog's.
QRect previewRect(int rotation);

// A control's edge as the player's screen pixel, worked out in signed 16 bits as the stored
// field is; a control left of or above the preview is stored at 0.
std::int16_t storedPosition(int controlEdge, int previewEdge);

// Where a stored screen pixel shows on the preview, the half truncated toward zero.
int shownPosition(int previewEdge, std::int16_t stored);

// The top-left corner that puts `control` back inside `preview`: first against the left and
// top edges, then the right and bottom, so a control larger than the preview ends flush with
// its right or bottom edge.
QPoint keptInside(const QRect& control, const QRect& preview);

} // namespace orvex
