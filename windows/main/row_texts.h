#pragma once

#include "model/records.h"
#include "windows/shell/model_text.h"

#include <QString>
#include <QStringList>
#include <string_view>

namespace orvex {

// The rows of the two lists. Their cells hold fixed English words ("----", "ON", the day and
// position names) whatever language the captions speak.

// A loop's row: its name, then the cells Ini Date, End Date, Week Day, Month Day, Ini Time,
// End Time, Loop and Event. Values outside their range read "----" even with their flag on.
QStringList loopRowTexts(const LoopEntry& loop);

// An image entry's row: its file name, then the cells Duration and Position.
QStringList imageRowTexts(const ImageItem& item);

} // namespace orvex
