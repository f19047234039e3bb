#pragma once

#include "insight/play_state.h"
#include "windows/show_sequence/legend_colors.h"

namespace orvex {

// The legend colour of a loop that plays.
inline QColor stateColor(PlayState state) {
    return state == PlayState::Active ? kActiveColor : kOverlappedColor;
}

} // namespace orvex
