#include "windows/main/checked_picker.h"

#include "platform/services.h"
#include "windows/main/picker_formats.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace orvex {
namespace {

// TDateTime counts days from 30 December 1899.
const qint64 kJulianDayOfDayZero = QDate(1899, 12, 30).toJulianDay();

QDateTimeEdit* makeEditor(CheckedPicker::Kind kind, QWidget* parent) {
    if (kind == CheckedPicker::Kind::Date) {
        auto* edit = new QDateEdit(parent);
        edit->setDisplayFormat(qtDateFormat(regional()));
        edit->setCalendarPopup(true);
        return edit;
    }
    auto* edit = new QTimeEdit(parent);
    edit->setDisplayFormat(qtTimeFormat(regional()));
    // The designators then read AM and PM whatever the desktop's language.
    edit->setLocale(QLocale::c());
    return edit;
}

} // namespace

CheckedPicker::CheckedPicker(Kind kind, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_check(new QCheckBox(this)), m_edit(makeEditor(kind, this)) {
    m_check->setObjectName(QStringLiteral("Check"));
    m_edit->setObjectName(QStringLiteral("Edit"));
    m_check->setChecked(true);
    setFocusProxy(m_edit);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_check);
    layout->addWidget(m_edit, 1);

    connect(m_check, &QCheckBox::toggled, this, [this](bool on) {
        m_edit->setEnabled(on);
        emit changed();
    });
    connect(m_edit, &QDateTimeEdit::dateTimeChanged, this, &CheckedPicker::changed);
}

void CheckedPicker::setValue(TDateTime value) {
    const QSignalBlocker blocker(m_edit);
    if (m_kind == Kind::Date) {
        m_edit->setDate(QDate::fromJulianDay(dayNumberOf(value) + kJulianDayOfDayZero));
    } else {
        m_edit->setTime(QTime::fromMSecsSinceStartOfDay(secondOfDay(value) * 1000));
    }
}

void CheckedPicker::setChecked(bool checked) {
    const QSignalBlocker blocker(m_check);
    m_check->setChecked(checked);
    m_edit->setEnabled(checked);
}

TDateTime CheckedPicker::value() const {
    if (m_kind == Kind::Date) {
        return encodeDateTime(m_edit->date().toJulianDay() - kJulianDayOfDayZero, 0);
    }
    return encodeDateTime(0, m_edit->time().msecsSinceStartOfDay() / 1000);
}

bool CheckedPicker::isChecked() const {
    return m_check->isChecked();
}

} // namespace orvex
