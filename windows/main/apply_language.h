#pragma once

class QWidget;

namespace orvex {

struct CaptionWindows {
    QWidget* main = nullptr;
    QWidget* settings = nullptr;
    QWidget* schedule = nullptr;
};

// Relabels the windows from the caption table in `language` (0 English, 1 Spanish); any other
// number changes nothing. Windows not given, and controls a window lacks, are passed over.
// A drop-down list keeps the entry the user had selected.
void applyCaptionTable(int language, const CaptionWindows& windows);

} // namespace orvex
