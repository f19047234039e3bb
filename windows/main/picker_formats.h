#pragma once

#include "platform/regional.h"

#include <QString>

namespace orvex {

// Display formats for Qt's date and time editors that follow the user's regional conventions,
// so that a picker reads the same as the list cell beside it. Qt takes the morning and
// afternoon designators from the editor's locale, not from `format`.
QString qtDateFormat(const RegionalFormat& format);
QString qtTimeFormat(const RegionalFormat& format);

} // namespace orvex
