#pragma once

#include <QDate>
#include <cstdint>

class QDateEdit;

namespace orvex {

// A date editor, carrying `name` as its object name, in the user's regional date format with
// a calendar that drops down.
QDateEdit* makeDayField(const char* name);

QDate qDateOfDay(std::int64_t day);
std::int64_t dayOfQDate(const QDate& date);

} // namespace orvex
