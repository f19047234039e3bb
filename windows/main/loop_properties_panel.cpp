// The "Loop Properties" group of the main window: the fields of the selected loop. One
// handler takes every change, told apart by the control's tag.
#include "model/store.h"
#include "model/text_rules.h"
#include "windows/main/checked_picker.h"
#include "windows/main/control_factory.h"
#include "windows/main/playlist_text_validator.h"
#include "windows/main/row_texts.h"
#include "windows/main/unit_image_loop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QToolTip>

namespace orvex {
namespace {

template <typename Field, typename Value> bool assign(Field& field, Value value) {
    const auto converted = static_cast<Field>(value);
    const bool changed = field != converted;
    field = converted;
    return changed;
}

// Both assignments run, as a function's arguments are all evaluated before its body.
bool eitherChanged(bool first, bool second) {
    return first || second;
}

bool assignText(Text64& field, const std::string& text) {
    const bool changed = textOf(field) != text;
    setText(field, text);
    return changed;
}

std::uint8_t flagOf(bool on) {
    return on ? 1 : 0;
}

CheckedPicker* makePicker(QWidget* parent, const char* name, CheckedPicker::Kind kind,
                          const QRect& place) {
    auto* picker = new CheckedPicker(kind, parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setGeometry(place);
    return picker;
}

QStringList namesOf(const auto& names) {
    QStringList list;
    for (const char* name : names) {
        list << QString::fromLatin1(name);
    }
    return list;
}

} // namespace

void TFormImageLoop::buildLoopPropertiesGroup() {
    using Kind = CheckedPicker::Kind;
    LoopGroupBox = makeGroup(this, "LoopGroupBox", tr("Loop Properties"), {8, 242, 352, 170});
    QWidget* group = LoopGroupBox;

    Label10 = makeLabel(group, "Label10", tr("Name"), {8, 20, 62, 24});
    EditName = new QLineEdit(group);
    EditName->setObjectName(QStringLiteral("EditName"));
    EditName->setGeometry(70, 20, 274, 24);
    m_nameValidator = new PlaylistTextValidator(kMaxLoopNameBytes, EditName);
    EditName->setValidator(m_nameValidator);

    Label1 = makeLabel(group, "Label1", tr("Initial Date:"), {8, 48, 62, 24});
    DateIni = makePicker(group, "DateIni", Kind::Date, {72, 48, 108, 24});
    Label2 = makeLabel(group, "Label2", tr("End Date:"), {184, 48, 50, 24});
    DateEnd = makePicker(group, "DateEnd", Kind::Date, {234, 48, 110, 24});
    Label3 = makeLabel(group, "Label3", tr("Initial Time:"), {8, 76, 62, 24});
    TimeIni = makePicker(group, "TimeIni", Kind::Time, {72, 76, 108, 24});
    Label4 = makeLabel(group, "Label4", tr("End Time:"), {184, 76, 50, 24});
    TimeEnd = makePicker(group, "TimeEnd", Kind::Time, {234, 76, 110, 24});

    CB_WeekDay = makeCheckBox(group, "CB_WeekDay", tr("WeekDay"), {8, 104, 76, 24});
    WeekDay = makeDropDown(group, "WeekDay",
                           {tr("Sunday"), tr("Monday"), tr("Tuesday"), tr("Wednesday"),
                            tr("Thursday"), tr("Friday"), tr("Saturday")},
                           {84, 104, 96, 24});
    CB_MonthDay = makeCheckBox(group, "CB_MonthDay", tr("Month Day"), {184, 104, 90, 24});
    MonthDay = new QSpinBox(group);
    MonthDay->setObjectName(QStringLiteral("MonthDay"));
    MonthDay->setGeometry(280, 104, 64, 24);
    MonthDay->setRange(1, 31);

    LoopImages = makeCheckBox(group, "LoopImages", tr("Loop Images"), {8, 132, 110, 24});
    Label8 = makeLabel(group, "Label8", tr("Remote Event"), {124, 132, 86, 24});
    EventBox = makeDropDown(group, "EventBox", namesOf(kEventNames), {212, 132, 132, 24});
    LoopGroupBox->hide();

    const auto onChange = [this](LoopTag tag) {
        return [this, tag] {
            LoopPropertiesChange(tag);
        };
    };
    connect(EditName, &QLineEdit::textChanged, this, onChange(LoopTag::Name));
    connect(EditName, &QLineEdit::inputRejected, this, &TFormImageLoop::EditNameRejected);
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
}

void TFormImageLoop::ShowLoopProperties(std::uint8_t loopIndex) {
    const LoopEntry* loop = GetLoop(m_sequence.loopTable, loopIndex);
    if (loop == nullptr) {
        return;
    }
    const QScopedValueRollback<bool> filling(m_filling, true);
    EditName->setText(modelText(textOf(loop->Name)));
    const std::pair<CheckedPicker*, std::pair<TDateTime, std::uint8_t>> pickers[] = {
        {DateIni, {loop->DateIni, loop->bDateIni}},
        {DateEnd, {loop->DateEnd, loop->bDateEnd}},
        {TimeIni, {loop->TimeIni, loop->bTimeIni}},
        {TimeEnd, {loop->TimeEnd, loop->bTimeEnd}},
    };
    for (const auto& [picker, field] : pickers) {
        picker->setValue(field.first);
        picker->setChecked(field.second != 0);
    }
    CB_WeekDay->setChecked(loop->bWeekDay != 0);
    WeekDay->setEnabled(loop->bWeekDay != 0);
    CB_MonthDay->setChecked(loop->bMonthDay != 0);
    MonthDay->setEnabled(loop->bMonthDay != 0);
    // An index past the entries selects none; the stored value stays until the user picks one.
    WeekDay->setCurrentIndex(loop->WeekDay < WeekDay->count() ? loop->WeekDay : -1);
    MonthDay->setValue(loop->MonthDay);
    LoopImages->setChecked(loop->Loop != 0);
    EventBox->setCurrentIndex(loop->Event < EventBox->count() ? loop->Event : -1);
    RefreshImageList(loopIndex);
}

void TFormImageLoop::LoopPropertiesChange(LoopTag tag) {
    LoopEntry* loop = m_filling ? nullptr : selectedLoop();
    if (loop == nullptr) {
        return;
    }
    bool changed = false;
    switch (tag) {
    case LoopTag::Name: {
        // The validator lets only texts through that the playlist can carry.
        const PlaylistText name = toPlaylistText(EditName->text().toStdString(), kMaxLoopNameBytes);
        if (!name.ok()) {
            return;
        }
        changed = assignText(loop->Name, name.bytes);
        break;
    }
    case LoopTag::DateIni:
        changed = eitherChanged(assign(loop->DateIni, DateIni->value()),
                                assign(loop->bDateIni, flagOf(DateIni->isChecked())));
        break;
    case LoopTag::DateEnd:
        changed = eitherChanged(assign(loop->DateEnd, DateEnd->value()),
                                assign(loop->bDateEnd, flagOf(DateEnd->isChecked())));
        break;
    case LoopTag::TimeIni:
        changed = eitherChanged(assign(loop->TimeIni, TimeIni->value()),
                                assign(loop->bTimeIni, flagOf(TimeIni->isChecked())));
        break;
    case LoopTag::TimeEnd:
        changed = eitherChanged(assign(loop->TimeEnd, TimeEnd->value()),
                                assign(loop->bTimeEnd, flagOf(TimeEnd->isChecked())));
        break;
    case LoopTag::CheckWeekDay:
        changed = assign(loop->bWeekDay, flagOf(CB_WeekDay->isChecked()));
        WeekDay->setEnabled(CB_WeekDay->isChecked());
        break;
    case LoopTag::WeekDay:
        changed = WeekDay->currentIndex() >= 0 && assign(loop->WeekDay, WeekDay->currentIndex());
        break;
    case LoopTag::CheckMonthDay:
        // The day the box shows becomes the loop's at once, as if it had just been typed.
        changed = eitherChanged(assign(loop->bMonthDay, flagOf(CB_MonthDay->isChecked())),
                                assign(loop->MonthDay, MonthDay->value()));
        MonthDay->setEnabled(CB_MonthDay->isChecked());
        break;
    case LoopTag::MonthDay:
        changed = assign(loop->MonthDay, MonthDay->value());
        break;
    case LoopTag::LoopImages:
        changed = assign(loop->Loop, flagOf(LoopImages->isChecked()));
        break;
    case LoopTag::Event:
        changed = EventBox->currentIndex() >= 0 && assign(loop->Event, EventBox->currentIndex());
        break;
    }
    if (changed) {
        writeLoopRow(SelectedLoopIndex());
        noteSequenceEdited();
    }
}

void TFormImageLoop::EditNameRejected() {
    QToolTip::showText(EditName->mapToGlobal(QPoint(0, EditName->height())),
                       describeTextFault(m_nameValidator->lastFault(), kMaxLoopNameBytes),
                       EditName);
}

} // namespace orvex
