#include "windows/main/unit_image_loop.h"

#include "model/store.h"
#include "platform/startup_folder.h"
#include "windows/config/unit_config.h"
#include "windows/insight/timeline_window.h"
#include "windows/main/control_factory.h"
#include "windows/main/decorative_badge.h"
#include "windows/sequence_files/sequence_file_actions.h"
#include "windows/shell/choosers.h"
#include "windows/show_sequence/unit_show_sequence.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

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

} // namespace

TFormImageLoop::TFormImageLoop(Sequence& sequence, Choosers& choosers, SequencePrompts& prompts,
                               QWidget* parent)
    : QWidget(parent), m_sequence(sequence), m_choosers(choosers) {
    setObjectName(QStringLiteral("FormImageLoop"));
    setWindowTitle(QStringLiteral("Orvex Sequence Editor v1.1"));
    setFixedSize(728, 451);
    // The window's fixed layout was drawn for a compact 8-point font.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);
    buildTopRow();
    buildLoopListGroup();
    buildLoopPropertiesGroup();
    buildImageListGroup();
    buildBottomRow();

    SetSequenceFolder(startupFolder());
    clearSequence();
    ResetConfig(m_sequence.mainParams);

    m_files = new SequenceFileActions(m_sequence, *this, m_choosers, prompts, this);
    connect(this, &TFormImageLoop::sequenceChanged, m_files, &SequenceFileActions::markModified);
    connect(ButtonSave, &QPushButton::clicked, m_files, &SequenceFileActions::ButtonSaveClick);
    connect(ButtonLoad, &QPushButton::clicked, m_files, &SequenceFileActions::ButtonLoadClick);
}

void TFormImageLoop::buildTopRow() {
    ButtonNew = makeButton(this, "ButtonNew", tr("New Sequence"), {8, 8, 110, 27});
    ButtonLoad = makeButton(this, "ButtonLoad", tr("Load Sequence"), {124, 8, 110, 27});
    ButtonSave = makeButton(this, "ButtonSave", tr("Save Sequence"), {240, 8, 110, 27});
    ButtonConfig = makeButton(this, "ButtonConfig", tr("Config Sequence"), {356, 8, 110, 27});
    Lang = makeDropDown(this, "Lang", {QStringLiteral("English"), QStringLiteral("Espa\u00f1ol")},
                        {472, 9, 100, 25});
    Image1 = makeLabel(this, "Image1", QString(), {620, 6, 100, 31});
    Image1->setPixmap(decorativeBadge(100, 31));

    connect(ButtonNew, &QPushButton::clicked, this, &TFormImageLoop::ButtonNewClick);
    connect(ButtonConfig, &QPushButton::clicked, this, &TFormImageLoop::ButtonConfigClick);
}

void TFormImageLoop::buildBottomRow() {
    ButtonExit = makeButton(this, "ButtonExit", tr("Exit"), {8, 418, 110, 27});
    ButtonShowSched = makeButton(this, "ButtonShowSched", tr("Schedule"), {124, 418, 110, 27});
    Copy2SD = makeButton(this, "Copy2SD", tr("Copy to SD"), {240, 418, 110, 27});
    Copy2SD->hide();
    // In the place of the button that is never shown.
    ButtonTimeline = makeButton(this, "ButtonTimeline", tr("Timeline"), {240, 418, 110, 27});

    connect(ButtonExit, &QPushButton::clicked, this, &TFormImageLoop::ButtonExitClick);
    connect(ButtonShowSched, &QPushButton::clicked, this, &TFormImageLoop::ButtonShowSchedClick);
    connect(ButtonTimeline, &QPushButton::clicked, this, &TFormImageLoop::ButtonTimelineClick);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TFormImageLoop::ButtonExitClick);
}

void TFormImageLoop::attachWindows(const EditorWindows& windows) {
    m_windows = windows;
}

void TFormImageLoop::SetSequenceFolder(const QString& folder) {
    m_sequenceFolder = folder;
    setWindowTitle(QString::fromLatin1(kCaptionPrefix) + folder + QStringLiteral("[*]"));
}

void TFormImageLoop::noteSequenceEdited() {
    emit sequenceChanged();
}

void TFormImageLoop::clearSequence() {
    ClearLoops(m_sequence.loopTable);
    RefreshLoopList();
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

void TFormImageLoop::ButtonNewClick() {
    if (!m_files->confirmDiscardChanges()) {
        return;
    }
    const auto folder = m_choosers.chooseFolder(this, m_sequenceFolder);
    if (!folder) {
        return;
    }
    clearSequence();
    ResetConfig(m_sequence.mainParams);
    SetSequenceFolder(folder->endsWith(QLatin1Char('/')) ? *folder : *folder + QLatin1Char('/'));
    m_files->markUnmodified();
}

void TFormImageLoop::ButtonConfigClick() {
    if (m_windows.config == nullptr) {
        return;
    }
    const MainParams before = m_sequence.mainParams;
    m_windows.config->LoadFromParams(&m_sequence.mainParams);
    m_windows.config->exec();
    if (!(m_sequence.mainParams == before)) {
        noteSequenceEdited();
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
