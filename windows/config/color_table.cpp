#include "windows/config/color_table.h"

namespace orvex {

const std::array<ColorEntry, kColorCount> ColorTable = {{
    {"Transparent", 0},
    {"Black", qRgb(0x00, 0x00, 0x00)},
    {"White", qRgb(0xFF, 0xFF, 0xFF)},
    {"Silver", qRgb(0xC0, 0xC0, 0xC0)},
    {"Green", qRgb(0x00, 0x80, 0x00)},
    {"Olive", qRgb(0x80, 0x80, 0x00)},
    {"Navy", qRgb(0x00, 0x00, 0x80)},
    {"Purple", qRgb(0x80, 0x00, 0x80)},
    {"Teal", qRgb(0x00, 0x80, 0x80)},
    {"Gray", qRgb(0x80, 0x80, 0x80)},
    {"Red", qRgb(0xFF, 0x00, 0x00)},
    {"Lime", qRgb(0x00, 0xFF, 0x00)},
    {"Yellow", qRgb(0xFF, 0xFF, 0x00)},
    {"Blue", qRgb(0x00, 0x00, 0xFF)},
    {"Fuchsia", qRgb(0xFF, 0x00, 0xFF)},
    {"Aqua", qRgb(0x00, 0xFF, 0xFF)},
    {"LtGray", qRgb(0xC0, 0xC0, 0xC0)},
    {"DkGray", qRgb(0x80, 0x80, 0x80)},
    {"Maroon", qRgb(0x80, 0x00, 0x00)},
    {"MoneyGreen", qRgb(0xC0, 0xDC, 0xC0)},
    {"SkyBlue", qRgb(0xA6, 0xCA, 0xF0)},
    {"Cream", qRgb(0xFF, 0xFB, 0xF0)},
    {"MedGray", qRgb(0xA0, 0xA0, 0xA4)},
}};

QColor previewColor(int index, const QColor& background, const QColor& unknown) {
    if (index == 0) {
        return background;
    }
    if (index < 0 || index >= kColorCount) {
        return unknown;
    }
    return QColor(ColorTable[static_cast<std::size_t>(index)].preview);
}

} // namespace orvex
