#include "windows/main/unit_image_loop.h"

#include "model/store.h"
#include "platform/startup_folder.h"
#include "windows/config/unit_config.h"
#include "windows/insight/timeline_window.h"
#include "windows/main/apply_language.h"
#include "windows/main/decorative_badge.h"
#include "windows/main/image_list_panel.h"
#include "windows/main/image_table_model.h"
#include "windows/main/loop_list_panel.h"
#include "windows/main/loop_properties_panel.h"
#include "windows/main/loop_table_model.h"
#include "windows/main/report_view.h"
#include "windows/main/sequence_editor.h"
#include "windows/sequence_files/sequence_file_actions.h"
#include "windows/sequence_files/sequence_prompts.h"
#include "windows/shell/choosers.h"
#include "windows/shell/mnemonics.h"
#include "windows/shell/named_control.h"
#include "windows/show_sequence/unit_show_sequence.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace orvex {
namespace {

QString startupFolder() {
    const auto local = [](const QString& path) {
        return QFile::encodeName(path).toStdString();
    };
    return QFile::decodeName(startupSequenceFolder(local(QCoreApplication::applicationDirPath()),
                                                   local(QDir::homePath()))
                                 .c_str());
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* made = named<QPushButton>(name, caption, parent);
    made->setMinimumWidth(110);
    return made;
}

bool isHistoryKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
}

} // namespace

TFormImageLoop::TFormImageLoop(Sequence& sequence, Choosers& choosers, SequencePrompts& prompts,
                               QWidget* parent)
    : QWidget(parent), m_sequence(sequence), m_choosers(choosers), m_prompts(prompts),
      m_editor(new SequenceEditor(sequence, this)) {
    setObjectName(QStringLiteral("FormImageLoop"));
    setWindowTitle(QStringLiteral("Orvex Sequence Editor v1.1"));
    // The window was drawn for a compact 8-point font.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);

    QLayout* topRow = buildTopRow();
    m_loopList = new LoopListPanel(*m_editor, prompts, this);
    m_loopProperties = new LoopPropertiesPanel(*m_editor, this);
    m_imageList = new ImageListPanel(
        *m_editor, prompts, [this] { return m_sequenceFolder; }, this);
    // The lower panels keep their room while no loop is selected, so nothing jumps.
    for (QWidget* panel :
         {static_cast<QWidget*>(m_loopProperties), static_cast<QWidget*>(m_imageList)}) {
        QSizePolicy policy = panel->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        panel->setSizePolicy(policy);
        panel->hide();
    }
    auto* panels = new QHBoxLayout;
    panels->setSpacing(8);
    panels->addWidget(m_loopProperties, 1);
    panels->addWidget(m_imageList, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addLayout(topRow);
    // Growing, the window gives the loop list a little more of its height than the panels.
    layout->addWidget(m_loopList, 6);
    layout->addLayout(panels, 5);
    layout->addLayout(buildBottomRow());
    resize(728, 451);

    SetSequenceFolder(startupFolder());
    ClearLoops(m_sequence.loopTable);
    ResetConfig(m_sequence.mainParams);
    m_files = new SequenceFileActions(m_sequence, *this, m_choosers, prompts, this);
    restartSequence();

    connect(ButtonSave, &QPushButton::clicked, m_files, &SequenceFileActions::ButtonSaveClick);
    connect(ButtonLoad, &QPushButton::clicked, m_files, &SequenceFileActions::ButtonLoadClick);
    connect(m_files, &SequenceFileActions::saved, &m_editor->history(), &QUndoStack::setClean);
    connect(&m_editor->history(), &QUndoStack::indexChanged, this, &TFormImageLoop::historyMoved);
    connect(m_loopList, &LoopListPanel::loopSelected, this, &TFormImageLoop::LoopListSelectItem);
    connect(m_editor, &SequenceEditor::loopTouched, this, &TFormImageLoop::showTouchedLoop);
    connect(m_editor, &SequenceEditor::imagesTouched, this, &TFormImageLoop::showTouchedImages);
    buildShortcuts();
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->installEventFilter(this);
    }
    assignMnemonics(this);
}

TFormImageLoop::~TFormImageLoop() {
    // The panels' lists tell of their lost selection as they are taken down, when this
    // window is no longer whole enough to hear it.
    for (const QObject* sender :
         {static_cast<QObject*>(m_loopList), static_cast<QObject*>(m_editor),
          static_cast<QObject*>(&m_editor->history())}) {
        disconnect(sender, nullptr, this, nullptr);
    }
}

QLayout* TFormImageLoop::buildTopRow() {
    ButtonNew = button("ButtonNew", tr("New Sequence"), this);
    ButtonLoad = button("ButtonLoad", tr("Load Sequence"), this);
    ButtonSave = button("ButtonSave", tr("Save Sequence"), this);
    ButtonConfig = button("ButtonConfig", tr("Config Sequence"), this);
    Lang = named<QComboBox>("Lang", this);
    Lang->addItems({QStringLiteral("English"), QStringLiteral("Espa\u00f1ol")});
    Lang->setMinimumWidth(100);
    Image1 = named<QLabel>("Image1", this);
    Image1->setPixmap(decorativeBadge(100, 31));

    connect(ButtonNew, &QPushButton::clicked, this, &TFormImageLoop::ButtonNewClick);
    connect(Lang, &QComboBox::activated, this, &TFormImageLoop::ApplyLanguage);
    connect(ButtonConfig, &QPushButton::clicked, this, &TFormImageLoop::ButtonConfigClick);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    for (QWidget* control : {static_cast<QWidget*>(ButtonNew), static_cast<QWidget*>(ButtonLoad),
                             static_cast<QWidget*>(ButtonSave), static_cast<QWidget*>(ButtonConfig),
                             static_cast<QWidget*>(Lang)}) {
        row->addWidget(control);
    }
    row->addStretch();
    row->addWidget(Image1);
    return row;
}

QLayout* TFormImageLoop::buildBottomRow() {
    ButtonExit = button("ButtonExit", tr("Exit"), this);
    ButtonShowSched = button("ButtonShowSched", tr("Schedule"), this);
    Copy2SD = button("Copy2SD", tr("Copy to SD"), this);
    Copy2SD->hide();
    ButtonTimeline = button("ButtonTimeline", tr("Timeline"), this);

    connect(ButtonExit, &QPushButton::clicked, this, &TFormImageLoop::ButtonExitClick);
    connect(ButtonShowSched, &QPushButton::clicked, this, &TFormImageLoop::ButtonShowSchedClick);
    connect(ButtonTimeline, &QPushButton::clicked, this, &TFormImageLoop::ButtonTimelineClick);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(ButtonExit);
    row->addWidget(ButtonShowSched);
    row->addWidget(ButtonTimeline);
    row->addWidget(Copy2SD);
    row->addStretch();
    return row;
}

void TFormImageLoop::buildShortcuts() {
    const auto onKey = [this](const QKeySequence& key, auto act) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, act);
    };
    onKey(QKeySequence(Qt::Key_Escape), &TFormImageLoop::ButtonExitClick);
    onKey(QKeySequence::New, &TFormImageLoop::ButtonNewClick);
    onKey(QKeySequence::Open, [this] { m_files->ButtonLoadClick(); });
    onKey(QKeySequence::Save, [this] { m_files->ButtonSaveClick(); });
    onKey(QKeySequence::Undo, [this] { m_editor->history().undo(); });
    onKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { m_editor->history().redo(); });
    onKey(QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { m_editor->history().redo(); });
}

bool TFormImageLoop::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && isHistoryKey(static_cast<QKeyEvent*>(event))) {
        // Ignored here, the key goes on to the window's shortcut instead of the box's own undo.
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFormImageLoop::attachWindows(const EditorWindows& windows) {
    m_windows = windows;
    m_imageList->setAddImageDialog(windows.addImage);
}

void TFormImageLoop::SetSequenceFolder(const QString& folder) {
    m_sequenceFolder = folder;
    setWindowTitle(QString::fromLatin1(kCaptionPrefix) + folder + QStringLiteral("[*]"));
}

void TFormImageLoop::historyMoved() {
    if (m_restarting) {
        return;
    }
    if (m_editor->history().isClean()) {
        m_files->markUnmodified();
    } else {
        m_files->markModified();
    }
    emit sequenceChanged();
}

void TFormImageLoop::restartSequence() {
    m_restarting = true;
    m_editor->restart();
    m_restarting = false;
}

void TFormImageLoop::RefreshLoopList() {
    restartSequence();
}

bool TFormImageLoop::hasUnsavedChanges() const {
    return m_files->isModified();
}

void TFormImageLoop::closeEvent(QCloseEvent* event) {
    if (m_files->confirmDiscardChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

std::uint8_t TFormImageLoop::SelectedLoopIndex() const {
    return m_loopList->SelectedLoopIndex();
}

void TFormImageLoop::selectLoopRow(int row) {
    m_loopList->selectLoopRow(row);
}

int TFormImageLoop::loopRowCount() const {
    return m_loopList->loopRowCount();
}

std::uint16_t TFormImageLoop::nextLoopNumber() const {
    return m_loopList->nextLoopNumber();
}

void TFormImageLoop::setNextLoopNumber(std::uint16_t number) {
    m_loopList->setNextLoopNumber(number);
}

void TFormImageLoop::ShowLoopProperties(std::uint8_t loopIndex) {
    m_loopProperties->ShowLoopProperties(loopIndex);
    if (m_editor->images().shownLoop() != loopIndex) {
        m_imageList->RefreshImageList(loopIndex);
    }
}

void TFormImageLoop::LoopListSelectItem(int row) {
    // With no loop selected, panels left on show would take edits that reach no loop.
    if (row < 0) {
        m_loopProperties->hide();
        m_imageList->hide();
        m_loopProperties->ShowLoopProperties(kNoSelection);
        m_imageList->RefreshImageList(kNoSelection);
        return;
    }
    ShowLoopProperties(static_cast<std::uint8_t>(row));
    m_loopProperties->show();
    m_imageList->show();
}

void TFormImageLoop::showTouchedLoop(int loop) {
    if (loop < 0) {
        return;
    }
    if (SelectedLoopIndex() != loop) {
        selectLoopRow(loop);
    } else {
        m_loopProperties->ShowLoopProperties(static_cast<std::uint8_t>(loop));
        m_loopList->list()->scrollIntoView(m_editor->loops().index(loop, 0));
    }
}

void TFormImageLoop::showTouchedImages(int loop, int first, int last) {
    showTouchedLoop(loop);
    m_imageList->selectImageRows(first, last);
    m_imageList->ShowImageProperties(m_imageList->SelectedImageIndex());
}

void TFormImageLoop::ButtonNewClick() {
    if (!m_files->confirmDiscardChanges()) {
        return;
    }
    const auto folder = m_choosers.chooseFolder(this, m_sequenceFolder);
    if (!folder) {
        return;
    }
    ClearLoops(m_sequence.loopTable);
    ResetConfig(m_sequence.mainParams);
    restartSequence();
    SetSequenceFolder(folder->endsWith(QLatin1Char('/')) ? *folder : *folder + QLatin1Char('/'));
    m_files->markUnmodified();
}

void TFormImageLoop::ButtonConfigClick() {
    if (m_windows.config == nullptr) {
        return;
    }
    // The dialog edits a copy, so that its OK becomes one step of the history.
    MainParams edited = m_sequence.mainParams;
    m_windows.config->LoadFromParams(&edited);
    m_windows.config->exec();
    m_windows.config->LoadFromParams(nullptr);
    m_editor->editMainParams(edited);
}

void TFormImageLoop::ApplyLanguage(int language) {
    if (language != LanguageSwitch::kEnglish && language != LanguageSwitch::kSpanish) {
        return;
    }
    m_language.use(language);
    applyCaptionTable(language, {this, m_windows.config, m_windows.showSeq});
    for (QWidget* window : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_windows.config),
                            static_cast<QWidget*>(m_windows.showSeq)}) {
        if (window != nullptr) {
            assignMnemonics(window);
        }
    }
}

void TFormImageLoop::ButtonShowSchedClick() {
    if (m_windows.showSeq != nullptr) {
        m_windows.showSeq->exec();
    }
}

void TFormImageLoop::ButtonTimelineClick() {
    if (m_windows.timeline != nullptr) {
        m_windows.timeline->exec();
    }
}

void TFormImageLoop::ButtonExitClick() {
    close();
}

} // namespace orvex
