#pragma once

#include <QGroupBox>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace orvex {

class CheckedPicker;
class PlaylistTextValidator;
class SequenceEditor;

// "Loop Properties": the fields of one loop. Every change is an edit of the sequence at once;
// typing in one box on one loop makes one step of the history.
class LoopPropertiesPanel : public QGroupBox {
    Q_OBJECT
public:
    // What each control edits; the numbers are the controls' tags.
    enum class LoopTag {
        Name = 0,
        DateIni = 1,
        DateEnd = 2,
        TimeIni = 3,
        TimeEnd = 4,
        CheckWeekDay = 5,
        WeekDay = 6,
        CheckMonthDay = 7,
        MonthDay = 8,
        LoopImages = 9,
        Event = 10,
    };

    explicit LoopPropertiesPanel(SequenceEditor& editor, QWidget* parent = nullptr);

    // Shows loop `loopIndex`, or clears the controls' link to any loop for an index past the
    // list. Showing the loop already shown again only updates what differs, so that a box being
    // typed in keeps its cursor.
    void ShowLoopProperties(std::uint8_t loopIndex);

private:
    void LoopPropertiesChange(LoopTag tag);
    void EditNameRejected();
    int typingKeyFor(LoopTag tag, bool flagChanged);

    SequenceEditor& m_editor;
    int m_loop = -1;
    bool m_showing = false;
    LoopTag m_lastTyped = LoopTag::Name;
    int m_typingKey = 0;

    QLabel* Label10;
    QLineEdit* EditName;
    PlaylistTextValidator* m_nameValidator;
    QLabel* Label1;
    CheckedPicker* DateIni;
    QLabel* Label2;
    CheckedPicker* DateEnd;
    QLabel* Label3;
    CheckedPicker* TimeIni;
    QLabel* Label4;
    CheckedPicker* TimeEnd;
    QCheckBox* CB_WeekDay;
    QComboBox* WeekDay;
    QCheckBox* CB_MonthDay;
    QSpinBox* MonthDay;
    QCheckBox* LoopImages;
    QLabel* Label8;
    QComboBox* EventBox;
};

} // namespace orvex
