#pragma once

#include "platform/tdatetime.h"

#include <QWidget>

class QCheckBox;
class QDateTimeEdit;

namespace orvex {

// A date or time editor with a check box of its own that switches the value on or off, as the
// loop conditions and the image durations need. The editor is greyed while the box is clear.
class CheckedPicker : public QWidget {
    Q_OBJECT
public:
    enum class Kind { Date, Time };

    CheckedPicker(Kind kind, QWidget* parent = nullptr);

    // Setting a value or the box from code is not a change by the user: no changed() follows.
    // A date picker shows only the calendar day of `value`, a time picker only its time of day.
    void setValue(TDateTime value);
    void setChecked(bool checked);

    // A date picker gives the day at midnight, a time picker the time of day on day 0.
    TDateTime value() const;
    bool isChecked() const;

    QCheckBox* checkBox() const { return m_check; }
    QDateTimeEdit* editor() const { return m_edit; }

signals:
    void changed();

private:
    Kind m_kind;
    QCheckBox* m_check;
    QDateTimeEdit* m_edit;
};

} // namespace orvex
