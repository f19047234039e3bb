#include "windows/main/loop_properties_panel.h"

#include "model/sequence_edits.h"
#include "model/store.h"
#include "model/text_rules.h"
#include "windows/main/checked_picker.h"
#include "windows/main/playlist_text_validator.h"
#include "windows/main/sequence_editor.h"
#include "windows/shell/model_text.h"
#include "windows/shell/named_control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QToolTip>
#include <QVBoxLayout>
#include <initializer_list>
#include <utility>

namespace orvex {
namespace {

std::uint8_t flagOf(bool on) {
    return on ? 1 : 0;
}

QStringList namesOf(const auto& names) {
    QStringList list;
    for (const char* name : names) {
        list << QString::fromLatin1(name);
    }
    return list;
}

QComboBox* dropDown(const char* name, const QStringList& entries, QWidget* parent) {
    auto* box = named<QComboBox>(name, parent);
    box->addItems(entries);
    return box;
}

// Sets a control only when it shows something else, so that it sends no signal for nothing.
void showIndex(QComboBox* box, int index) {
    if (box->currentIndex() != index) {
        box->setCurrentIndex(index);
    }
}

} // namespace

LoopPropertiesPanel::LoopPropertiesPanel(SequenceEditor& editor, QWidget* parent)
    : QGroupBox(tr("Loop Properties"), parent), m_editor(editor),
      Label10(named<QLabel>("Label10", tr("Name"), this)),
      EditName(named<QLineEdit>("EditName", this)),
      m_nameValidator(new PlaylistTextValidator(kMaxLoopNameBytes, EditName)),
      Label1(named<QLabel>("Label1", tr("Initial Date:"), this)),
      DateIni(named<CheckedPicker>("DateIni", CheckedPicker::Kind::Date, this)),
      Label2(named<QLabel>("Label2", tr("End Date:"), this)),
      DateEnd(named<CheckedPicker>("DateEnd", CheckedPicker::Kind::Date, this)),
      Label3(named<QLabel>("Label3", tr("Initial Time:"), this)),
      TimeIni(named<CheckedPicker>("TimeIni", CheckedPicker::Kind::Time, this)),
      Label4(named<QLabel>("Label4", tr("End Time:"), this)),
      TimeEnd(named<CheckedPicker>("TimeEnd", CheckedPicker::Kind::Time, this)),
      CB_WeekDay(named<QCheckBox>("CB_WeekDay", tr("WeekDay"), this)),
      WeekDay(dropDown("WeekDay",
                       {tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"), tr("Thursday"),
                        tr("Friday"), tr("Saturday")},
                       this)),
      CB_MonthDay(named<QCheckBox>("CB_MonthDay", tr("Month Day"), this)),
      MonthDay(named<QSpinBox>("MonthDay", this)),
      LoopImages(named<QCheckBox>("LoopImages", tr("Loop Images"), this)),
      Label8(named<QLabel>("Label8", tr("Remote Event"), this)),
      EventBox(dropDown("EventBox", namesOf(kEventNames), this)) {
    setObjectName(QStringLiteral("LoopGroupBox"));
    EditName->setValidator(m_nameValidator);
    MonthDay->setRange(1, 31);
    // A box as wide as its caption, so that a click beside the caption ticks nothing.
    for (QCheckBox* box : {CB_WeekDay, CB_MonthDay, LoopImages}) {
        box->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    }
    Label10->setBuddy(EditName);
    Label1->setBuddy(DateIni);
    Label2->setBuddy(DateEnd);
    Label3->setBuddy(TimeIni);
    Label4->setBuddy(TimeEnd);
    Label8->setBuddy(EventBox);

    // The dates and times line up; the lower rows share their width as their captions need.
    auto* pickers = new QGridLayout;
    pickers->setHorizontalSpacing(4);
    pickers->setVerticalSpacing(4);
    pickers->addWidget(Label1, 0, 0);
    pickers->addWidget(DateIni, 0, 1);
    pickers->addWidget(Label2, 0, 2);
    pickers->addWidget(DateEnd, 0, 3);
    pickers->addWidget(Label3, 1, 0);
    pickers->addWidget(TimeIni, 1, 1);
    pickers->addWidget(Label4, 1, 2);
    pickers->addWidget(TimeEnd, 1, 3);
    pickers->setColumnStretch(1, 1);
    pickers->setColumnStretch(3, 1);
    const auto row = [](std::initializer_list<std::pair<QWidget*, int>> controls) {
        auto* line = new QHBoxLayout;
        line->setSpacing(4);
        for (const auto& [control, stretch] : controls) {
            line->addWidget(control, stretch);
        }
        return line;
    };
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(row({{Label10, 0}, {EditName, 1}}));
    layout->addLayout(pickers);
    layout->addLayout(row({{CB_WeekDay, 0}, {WeekDay, 1}, {CB_MonthDay, 0}, {MonthDay, 1}}));
    layout->addLayout(row({{LoopImages, 0}, {Label8, 0}, {EventBox, 1}}));
    layout->addStretch();

    const auto onChange = [this](LoopTag tag) {
        return [this, tag] {
            LoopPropertiesChange(tag);
        };
    };
    connect(EditName, &QLineEdit::textChanged, this, onChange(LoopTag::Name));
    connect(EditName, &QLineEdit::inputRejected, this, &LoopPropertiesPanel::EditNameRejected);
    connect(DateIni, &CheckedPicker::changed, this, onChange(LoopTag::DateIni));
    connect(DateEnd, &CheckedPicker::changed, this, onChange(LoopTag::DateEnd));
    connect(TimeIni, &CheckedPicker::changed, this, onChange(LoopTag::TimeIni));
    connect(TimeEnd, &CheckedPicker::changed, this, onChange(LoopTag::TimeEnd));
    connect(CB_WeekDay, &QCheckBox::toggled, this, onChange(LoopTag::CheckWeekDay));
    connect(WeekDay, &QComboBox::currentIndexChanged, this, onChange(LoopTag::WeekDay));
    connect(CB_MonthDay, &QCheckBox::toggled, this, onChange(LoopTag::CheckMonthDay));
    connect(MonthDay, &QSpinBox::valueChanged, this, onChange(LoopTag::MonthDay));
    connect(LoopImages, &QCheckBox::toggled, this, onChange(LoopTag::LoopImages));
    connect(EventBox, &QComboBox::currentIndexChanged, this, onChange(LoopTag::Event));
    // Leaving a box ends its typing: the next change there is a step of its own.
    connect(EditName, &QLineEdit::editingFinished, this, [this] { m_typingKey = 0; });
}

void LoopPropertiesPanel::ShowLoopProperties(std::uint8_t loopIndex) {
    const LoopEntry* loop = GetLoop(m_editor.sequence().loopTable, loopIndex);
    if (loop == nullptr) {
        m_loop = -1;
        return;
    }
    if (m_loop != loopIndex) {
        m_typingKey = 0;
    }
    m_loop = loopIndex;
    const QScopedValueRollback<bool> showing(m_showing, true);
    const QString name = modelText(textOf(loop->Name));
    if (EditName->text() != name) {
        EditName->setText(name);
    }
    const std::pair<CheckedPicker*, std::pair<TDateTime, std::uint8_t>> pickers[] = {
        {DateIni, {loop->DateIni, loop->bDateIni}},
        {DateEnd, {loop->DateEnd, loop->bDateEnd}},
        {TimeIni, {loop->TimeIni, loop->bTimeIni}},
        {TimeEnd, {loop->TimeEnd, loop->bTimeEnd}},
    };
    for (const auto& [picker, field] : pickers) {
        if (picker->value() != field.first) {
            picker->setValue(field.first);
        }
        picker->setChecked(field.second != 0);
    }
    CB_WeekDay->setChecked(loop->bWeekDay != 0);
    WeekDay->setEnabled(loop->bWeekDay != 0);
    CB_MonthDay->setChecked(loop->bMonthDay != 0);
    MonthDay->setEnabled(loop->bMonthDay != 0);
    // An index past the entries selects none; the stored value stays until the user picks one.
    showIndex(WeekDay, loop->WeekDay < WeekDay->count() ? loop->WeekDay : -1);
    if (MonthDay->value() != loop->MonthDay) {
        MonthDay->setValue(loop->MonthDay);
    }
    LoopImages->setChecked(loop->Loop != 0);
    showIndex(EventBox, loop->Event < EventBox->count() ? loop->Event : -1);
}

int LoopPropertiesPanel::typingKeyFor(LoopTag tag, bool flagChanged) {
    const bool typed = tag == LoopTag::Name || tag == LoopTag::MonthDay ||
                       ((tag == LoopTag::DateIni || tag == LoopTag::DateEnd ||
                         tag == LoopTag::TimeIni || tag == LoopTag::TimeEnd) &&
                        !flagChanged);
    if (!typed) {
        m_typingKey = 0;
        return 0;
    }
    if (m_typingKey == 0 || tag != m_lastTyped) {
        m_typingKey = m_editor.newTypingKey();
        m_lastTyped = tag;
    }
    return m_typingKey;
}

void LoopPropertiesPanel::LoopPropertiesChange(LoopTag tag) {
    const LoopEntry* loop = m_showing || m_loop < 0 ? nullptr
                                                    : GetLoop(m_editor.sequence().loopTable,
                                                              static_cast<std::uint8_t>(m_loop));
    if (loop == nullptr) {
        return;
    }
    LoopFields fields = loopFieldsOf(*loop);
    const auto picked = [](CheckedPicker* picker, TDateTime& value, std::uint8_t& flag) {
        value = picker->value();
        const bool flagChanged = flag != flagOf(picker->isChecked());
        flag = flagOf(picker->isChecked());
        return flagChanged;
    };
    bool flagChanged = false;
    switch (tag) {
    case LoopTag::Name: {
        // The validator lets only texts through that the playlist can carry.
        const PlaylistText name = toPlaylistText(EditName->text().toStdString(), kMaxLoopNameBytes);
        if (!name.ok()) {
            return;
        }
        setText(fields.Name, name.bytes);
        break;
    }
    case LoopTag::DateIni:
        flagChanged = picked(DateIni, fields.DateIni, fields.bDateIni);
        break;
    case LoopTag::DateEnd:
        flagChanged = picked(DateEnd, fields.DateEnd, fields.bDateEnd);
        break;
    case LoopTag::TimeIni:
        flagChanged = picked(TimeIni, fields.TimeIni, fields.bTimeIni);
        break;
    case LoopTag::TimeEnd:
        flagChanged = picked(TimeEnd, fields.TimeEnd, fields.bTimeEnd);
        break;
    case LoopTag::CheckWeekDay:
        fields.bWeekDay = flagOf(CB_WeekDay->isChecked());
        WeekDay->setEnabled(CB_WeekDay->isChecked());
        break;
    case LoopTag::WeekDay:
        if (WeekDay->currentIndex() < 0) {
            return;
        }
        fields.WeekDay = static_cast<std::uint8_t>(WeekDay->currentIndex());
        break;
    case LoopTag::CheckMonthDay:
        // The day the box shows becomes the loop's at once, as if it had just been typed.
        fields.bMonthDay = flagOf(CB_MonthDay->isChecked());
        fields.MonthDay = static_cast<std::uint8_t>(MonthDay->value());
        MonthDay->setEnabled(CB_MonthDay->isChecked());
        break;
    case LoopTag::MonthDay:
        fields.MonthDay = static_cast<std::uint8_t>(MonthDay->value());
        break;
    case LoopTag::LoopImages:
        fields.Loop = flagOf(LoopImages->isChecked());
        break;
    case LoopTag::Event:
        if (EventBox->currentIndex() < 0) {
            return;
        }
        fields.Event = static_cast<std::uint8_t>(EventBox->currentIndex());
        break;
    }
    m_editor.editLoop(static_cast<std::uint8_t>(m_loop), fields, typingKeyFor(tag, flagChanged));
}

void LoopPropertiesPanel::EditNameRejected() {
    QToolTip::showText(EditName->mapToGlobal(QPoint(0, EditName->height())),
                       describeTextFault(m_nameValidator->lastFault(), kMaxLoopNameBytes),
                       EditName);
}

} // namespace orvex
