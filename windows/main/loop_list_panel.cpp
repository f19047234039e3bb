// The "Loop List" group of the main window: the loops in priority order and the buttons that
// add, delete and reorder them.
#include "model/store.h"
#include "platform/services.h"
#include "windows/main/control_factory.h"
#include "windows/main/report_list.h"
#include "windows/main/row_texts.h"
#include "windows/main/unit_image_loop.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <string>

namespace orvex {
namespace {

std::array<ReportColumn, 9> loopColumns() {
    const QString date = modelText(formatDate(regional(), encodeDate({2000, 12, 28})));
    const QString time = modelText(formatTime(regional(), encodeTime({23, 58, 58})));
    return {{
        {QStringLiteral("Name"), 120, {}, true},
        {QStringLiteral("Ini Date"), 70, date, false},
        {QStringLiteral("End Date"), 70, date, false},
        {QStringLiteral("Week Day"), 70, QStringLiteral("Wednesday"), false},
        {QStringLiteral("Month Day"), 70, {}, false},
        {QStringLiteral("Ini Time"), 60, time, false},
        {QStringLiteral("End Time"), 60, time, false},
        {QStringLiteral("Loop"), 50, {}, false},
        {QStringLiteral("Event"), 105, QStringLiteral("KEY_VOL_DOWN"), false},
    }};
}

} // namespace

void TFormImageLoop::buildLoopListGroup() {
    LoopListBox = makeGroup(this, "LoopListBox", tr("Loop List"), {8, 42, 712, 196});
    LoopList = new ReportList(loopColumns(), true, LoopListBox);
    LoopList->setObjectName(QStringLiteral("LoopList"));
    LoopList->setGeometry(8, 20, 696, 138);
    NewLoop = makeButton(LoopListBox, "NewLoop", tr("New Loop"), {8, 164, 110, 26});
    DeleteLoop = makeButton(LoopListBox, "DeleteLoop", tr("Delete Loop"), {124, 164, 110, 26});
    PriorityUp = makeButton(LoopListBox, "PriorityUp", tr("High Priority"), {240, 164, 110, 26});
    PriorityDown = makeButton(LoopListBox, "PriorityDown", tr("Low Priority"), {356, 164, 110, 26});

    connect(LoopList, &QTableWidget::itemSelectionChanged, this,
            [this] { LoopListSelectItem(LoopList->selectedRow()); });
    // Every tick or clear of a row's box reaches its loop at once, by mouse or by keyboard,
    // so that no change waits for a later click to be kept.
    connect(LoopList, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == 0) {
            SyncLoopChecks();
        }
    });
    connect(LoopList->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TFormImageLoop::LoopListColumnClick);
    connect(NewLoop, &QPushButton::clicked, this, &TFormImageLoop::NewLoopClick);
    connect(DeleteLoop, &QPushButton::clicked, this, &TFormImageLoop::DeleteLoopClick);
    connect(PriorityUp, &QPushButton::clicked, this, &TFormImageLoop::PriorityUpClick);
    connect(PriorityDown, &QPushButton::clicked, this, &TFormImageLoop::PriorityDownClick);
}

void TFormImageLoop::RefreshLoopList() {
    const LoopTable& table = m_sequence.loopTable;
    const std::uint8_t count = GetLoopCount(table);
    LoopList->resetRows(count);
    for (std::uint8_t index = 0; index < count; ++index) {
        LoopList->setRowTexts(index, loopRowTexts(table.Loops[index]));
        LoopList->setRowChecked(index, table.Loops[index].Checked != 0);
    }
    // Nothing is left to edit, so the lower groups would only show a loop that is gone.
    if (count == 0) {
        hideLoopGroups();
    }
}

std::uint8_t TFormImageLoop::SelectedLoopIndex() const {
    const int row = LoopList->selectedRow();
    return row < 0 ? kNoSelection : static_cast<std::uint8_t>(row);
}

void TFormImageLoop::selectLoopRow(int row) {
    if (row < 0 || row >= LoopList->rowCount()) {
        LoopList->clearSelection();
        return;
    }
    LoopList->selectRow(row);
}

int TFormImageLoop::loopRowCount() const {
    return LoopList->rowCount();
}

LoopEntry* TFormImageLoop::selectedLoop() {
    const std::uint8_t index = SelectedLoopIndex();
    return index < kMaxLoops ? GetLoop(m_sequence.loopTable, index) : nullptr;
}

void TFormImageLoop::LoopListSelectItem(int row) {
    // A click beside the rows clears the selection; groups left on show would take edits
    // that reach no loop and are silently lost.
    if (row < 0) {
        hideLoopGroups();
        return;
    }
    ShowLoopProperties(static_cast<std::uint8_t>(row));
    LoopGroupBox->show();
    ImageListGroupBox->show();
}

void TFormImageLoop::hideLoopGroups() {
    LoopGroupBox->hide();
    ImageListGroupBox->hide();
}

void TFormImageLoop::writeLoopRow(std::uint8_t loopIndex) {
    if (const LoopEntry* loop = GetLoop(m_sequence.loopTable, loopIndex)) {
        LoopList->setRowTexts(loopIndex, loopRowTexts(*loop));
    }
}

void TFormImageLoop::SyncLoopChecks() {
    LoopTable& table = m_sequence.loopTable;
    bool changed = false;
    for (int row = 0; row < LoopList->rowCount() && row < GetLoopCount(table); ++row) {
        const std::uint8_t checked = LoopList->isRowChecked(row) ? 1 : 0;
        LoopEntry& loop = table.Loops[static_cast<std::size_t>(row)];
        changed = changed || loop.Checked != checked;
        loop.Checked = checked;
    }
    if (changed) {
        noteSequenceEdited();
    }
}

void TFormImageLoop::selectLoopAfterChange(std::uint8_t index) {
    RefreshLoopList();
    selectLoopRow(index);
    noteSequenceEdited();
}

void TFormImageLoop::NewLoopClick() {
    LoopTable& table = m_sequence.loopTable;
    LoopEntry* loop = AddLoop(table);
    if (loop == nullptr) {
        return;
    }
    setText(loop->Name, "Loop" + std::to_string(m_nextLoopNumber));
    ++m_nextLoopNumber;
    selectLoopAfterChange(static_cast<std::uint8_t>(GetLoopCount(table) - 1));
}

void TFormImageLoop::DeleteLoopClick() {
    const std::uint8_t index = SelectedLoopIndex();
    if (LoopList->rowCount() == 0 || index >= kMaxLoops) {
        return;
    }
    LoopTable& table = m_sequence.loopTable;
    RemoveLoop(table, index);
    const std::uint8_t remaining = GetLoopCount(table);
    // With no loop left, the refresh hides the groups.
    selectLoopAfterChange(
        remaining == 0 ? kNoSelection : std::min(index, static_cast<std::uint8_t>(remaining - 1)));
}

void TFormImageLoop::PriorityUpClick() {
    const std::uint8_t index = SelectedLoopIndex();
    if (LoopList->rowCount() == 0 || index >= kMaxLoops) {
        return;
    }
    const std::uint8_t moved = MoveLoopUp(m_sequence.loopTable, index);
    if (moved != NotMoved) {
        selectLoopAfterChange(moved);
    }
}

void TFormImageLoop::PriorityDownClick() {
    const std::uint8_t index = SelectedLoopIndex();
    if (LoopList->rowCount() == 0 || index >= kMaxLoops) {
        return;
    }
    const std::uint8_t moved = MoveLoopDown(m_sequence.loopTable, index);
    if (moved != NotMoved) {
        selectLoopAfterChange(moved);
    }
}

void TFormImageLoop::LoopListColumnClick() {
    RefreshLoopList();
    selectLoopRow(0);
}

} // namespace orvex
