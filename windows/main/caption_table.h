#pragma once

#include <array>

namespace orvex {

enum class CaptionWindow { Main, Settings, Schedule };

// One text of the interface in both languages. `code` 0 sets the control's own caption (a
// window's title), 100 + n the caption of a list's column n, 200 + n the text of a drop-down
// list's entry n. Texts are Windows-1252.
struct CaptionRow {
    CaptionWindow window;
    // The control's object name; none for the window itself, and for the row that ends the table.
    const char* control;
    unsigned code;
    const char* english;
    const char* spanish;
    bool ends = false;
};

extern const std::array<CaptionRow, 66> CaptionTable;

} // namespace orvex
