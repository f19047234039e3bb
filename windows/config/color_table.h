#pragma once

#include <QColor>
#include <array>

namespace orvex {

inline constexpr int kColorCount = 23;

// The player's colours by ColorIndex, with the colour the clock preview shows for each.
struct ColorEntry {
    const char* name;
    QRgb preview;
};

// Entry 0, "Transparent", has no colour of its own: the preview shows the dialog's background.
extern const std::array<ColorEntry, kColorCount> ColorTable;

// The preview colour of a ColorIndex: `background` for "Transparent", and `unknown` for an
// index past the table, which only an edited file can hold.
QColor previewColor(int index, const QColor& background, const QColor& unknown);

} // namespace orvex
