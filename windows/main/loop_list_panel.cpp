#include "windows/main/loop_list_panel.h"

#include "model/store.h"
#include "windows/main/loop_table_model.h"
#include "windows/main/report_view.h"
#include "windows/main/sequence_editor.h"
#include "windows/shell/error_messages.h"
#include "windows/shell/named_control.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QUndoStack>
#include <QVBoxLayout>
#include <string>

namespace orvex {
namespace {

// Keys that work while the list has the focus.
void onKey(QWidget* list, const QKeySequence& key, const std::function<void()>& act) {
    auto* shortcut = new QShortcut(key, list);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, list, act);
}

} // namespace

LoopListPanel::LoopListPanel(SequenceEditor& editor, ErrorMessages& messages, QWidget* parent)
    : QGroupBox(tr("Loop List"), parent), m_editor(editor), m_messages(messages),
      m_list(named<ReportView>("LoopList", true, this)),
      m_newButton(named<QPushButton>("NewLoop", tr("New Loop"), this)),
      m_deleteButton(named<QPushButton>("DeleteLoop", tr("Delete Loop"), this)),
      m_upButton(named<QPushButton>("PriorityUp", tr("High Priority"), this)),
      m_downButton(named<QPushButton>("PriorityDown", tr("Low Priority"), this)) {
    setObjectName(QStringLiteral("LoopListBox"));
    m_list->showModel(&editor.loops());

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_newButton, m_deleteButton, m_upButton, m_downButton}) {
        button->setMinimumWidth(110);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 6);
    layout->setSpacing(6);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { emit loopSelected(m_list->selectedRow()); });
    // A reset drops the selection without a word.
    connect(&editor.loops(), &QAbstractItemModel::modelReset, this,
            [this] { emit loopSelected(-1); });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &LoopListPanel::LoopListColumnClick);
    connect(m_newButton, &QPushButton::clicked, this, &LoopListPanel::NewLoopClick);
    connect(m_deleteButton, &QPushButton::clicked, this, &LoopListPanel::DeleteLoopClick);
    connect(m_upButton, &QPushButton::clicked, this, &LoopListPanel::PriorityUpClick);
    connect(m_downButton, &QPushButton::clicked, this, &LoopListPanel::PriorityDownClick);
    onKey(m_list, QKeySequence::Delete, [this] { DeleteLoopClick(); });
    onKey(m_list, QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { PriorityUpClick(); });
    onKey(m_list, QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { PriorityDownClick(); });
    buildContextMenu();
}

void LoopListPanel::buildContextMenu() {
    m_duplicate = new QAction(m_list);
    m_duplicate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_duplicate->setShortcutContext(Qt::WindowShortcut);
    connect(m_duplicate, &QAction::triggered, this, &LoopListPanel::DuplicateLoopClick);
    auto* separator = new QAction(m_list);
    separator->setSeparator(true);
    // Ctrl+Z and Ctrl+Shift+Z belong to the window, so that they work everywhere in it.
    QUndoStack& history = m_editor.history();
    m_undo = new QAction(m_list);
    connect(m_undo, &QAction::triggered, &history, &QUndoStack::undo);
    connect(&history, &QUndoStack::canUndoChanged, m_undo, &QAction::setEnabled);
    m_redo = new QAction(m_list);
    connect(m_redo, &QAction::triggered, &history, &QUndoStack::redo);
    connect(&history, &QUndoStack::canRedoChanged, m_redo, &QAction::setEnabled);
    for (const auto changed : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged}) {
        connect(&history, changed, this, &LoopListPanel::retranslate);
    }
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    m_list->addActions({m_duplicate, separator, m_undo, m_redo});
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    retranslate();
}

void LoopListPanel::retranslate() {
    m_duplicate->setText(tr("D&uplicate Loop"));
    m_undo->setText(tr("&Undo %1").arg(m_editor.history().undoText()));
    m_redo->setText(tr("&Redo %1").arg(m_editor.history().redoText()));
}

void LoopListPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QGroupBox::changeEvent(event);
}

std::uint8_t LoopListPanel::SelectedLoopIndex() const {
    const int row = m_list->selectedRow();
    return row < 0 ? kNoSelection : static_cast<std::uint8_t>(row);
}

void LoopListPanel::selectLoopRow(int row) {
    m_list->selectOnly(row);
}

int LoopListPanel::loopRowCount() const {
    return m_editor.loops().rowCount();
}

void LoopListPanel::addLoopCopy(std::uint8_t index, LoopEntry& loop, const QString& text) {
    if (loopRowCount() >= kMaxLoops) {
        m_messages.showError(
            this, tr("The sequence already holds %1 loops, the most a playlist can carry.")
                      .arg(kMaxLoops));
        return;
    }
    setText(loop.Name, "Loop" + std::to_string(m_nextLoopNumber));
    ++m_nextLoopNumber;
    m_editor.addLoop(index, loop, text);
}

void LoopListPanel::NewLoopClick() {
    LoopEntry loop;
    resetLoopEntry(loop);
    addLoopCopy(static_cast<std::uint8_t>(loopRowCount()), loop, tr("New Loop"));
}

void LoopListPanel::DuplicateLoopClick() {
    const std::uint8_t index = SelectedLoopIndex();
    const LoopEntry* selected = GetLoop(m_editor.sequence().loopTable, index);
    if (selected == nullptr) {
        return;
    }
    LoopEntry copy = *selected;
    addLoopCopy(static_cast<std::uint8_t>(index + 1), copy, tr("Duplicate Loop"));
}

void LoopListPanel::DeleteLoopClick() {
    const std::uint8_t index = SelectedLoopIndex();
    if (index != kNoSelection) {
        m_editor.deleteLoop(index);
    }
}

void LoopListPanel::PriorityUpClick() {
    const std::uint8_t index = SelectedLoopIndex();
    if (index != kNoSelection && index > 0) {
        m_editor.moveLoop(index, static_cast<std::uint8_t>(index - 1));
    }
}

void LoopListPanel::PriorityDownClick() {
    const std::uint8_t index = SelectedLoopIndex();
    if (index != kNoSelection && index + 1 < loopRowCount()) {
        m_editor.moveLoop(index, static_cast<std::uint8_t>(index + 1));
    }
}

void LoopListPanel::LoopListColumnClick() {
    m_editor.loops().reread();
    selectLoopRow(0);
}

} // namespace orvex
