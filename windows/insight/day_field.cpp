#include "windows/insight/day_field.h"

#include "platform/services.h"
#include "windows/main/picker_formats.h"
#include "windows/shell/named_control.h"

#include <QDateEdit>

namespace orvex {

QDateEdit* makeDayField(const char* name) {
    auto* field = named<QDateEdit>(name);
    field->setCalendarPopup(true);
    field->setDisplayFormat(qtDateFormat(regional()));
    return field;
}

QDate qDateOfDay(std::int64_t day) {
    const CivilDate date = civilDateOf(day);
    return {date.year, date.month, date.day};
}

std::int64_t dayOfQDate(const QDate& date) {
    return dayNumberOf(CivilDate{date.year(), date.month(), date.day()});
}

} // namespace orvex
