#pragma once

#include "model/records.h"
#include "windows/sequence_files/sequence_window.h"
#include "windows/shell/language_switch.h"

#include <QString>
#include <QWidget>
#include <cstdint>

class QComboBox;
class QLabel;
class QPushButton;

namespace orvex {

class Choosers;
class ImageListPanel;
class LoopListPanel;
class LoopPropertiesPanel;
class SequenceEditor;
class SequenceFileActions;
class SequencePrompts;
class TFormAddImage;
class TFormConfig;
class TFormShowSeq;
class TimelineWindow;

// The windows the main window hands over to; they live as long as it does.
struct EditorWindows {
    TFormAddImage* addImage = nullptr;
    TFormConfig* config = nullptr;
    TFormShowSeq* showSeq = nullptr;
    TimelineWindow* timeline = nullptr;
};

// The main window: the file and settings buttons, and the three panels over the sequence,
// wired to the editor that keeps its undo history. The loop selected in the list is the one
// the lower panels show.
class TFormImageLoop : public QWidget, public SequenceWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaptionPrefix = "Orvex Sequence Editor v1.1 : ";
    static constexpr std::uint8_t kNoSelection = 255;

    // The sequence, the choosers and the prompts outlive the window.
    TFormImageLoop(Sequence& sequence, Choosers& choosers, SequencePrompts& prompts,
                   QWidget* parent = nullptr);
    ~TFormImageLoop() override;

    void attachWindows(const EditorWindows& windows);

    QWidget* widget() override { return this; }
    const QString& sequenceFolder() const override { return m_sequenceFolder; }
    void SetSequenceFolder(const QString& folder) override;
    // Whether the sequence changed since it was started, loaded or saved.
    bool hasUnsavedChanges() const;
    SequenceEditor& editor() { return *m_editor; }

    void ButtonNewClick();
    void ButtonConfigClick();
    void ButtonShowSchedClick();
    void ButtonTimelineClick();
    void ButtonExitClick();
    // Relabels the main window, the settings dialog and the schedule window in language 0
    // (English) or 1 (Spanish), with Qt's own dialogs; any other number changes nothing.
    void ApplyLanguage(int language);

    // The store changed behind the window's back (a load): the lists read it again and the
    // undo history starts afresh.
    void RefreshLoopList() override;
    std::uint8_t SelectedLoopIndex() const;
    void selectLoopRow(int row) override;
    int loopRowCount() const override;
    std::uint16_t nextLoopNumber() const;
    void setNextLoopNumber(std::uint16_t number) override;
    void ShowLoopProperties(std::uint8_t loopIndex);

    LoopListPanel& loopList() { return *m_loopList; }
    LoopPropertiesPanel& loopProperties() { return *m_loopProperties; }
    ImageListPanel& imageList() { return *m_imageList; }

signals:
    // Emitted after every change to the sequence, its undoing and redoing, and never while
    // the window only shows the sequence.
    void sequenceChanged();

protected:
    // Closing throws the sequence away, so unsaved changes are offered for saving first.
    void closeEvent(QCloseEvent* event) override;
    // Keeps Ctrl+Z and its kin for the sequence's history even in a text box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLayout* buildTopRow();
    QLayout* buildBottomRow();
    void buildShortcuts();
    void restartSequence();
    void LoopListSelectItem(int row);
    void showTouchedLoop(int loop);
    void showTouchedImages(int loop, int first, int last);
    void historyMoved();

    Sequence& m_sequence;
    Choosers& m_choosers;
    SequencePrompts& m_prompts;
    EditorWindows m_windows;
    SequenceEditor* m_editor;
    SequenceFileActions* m_files = nullptr;
    QString m_sequenceFolder;
    bool m_restarting = false;
    LanguageSwitch m_language;

    QPushButton* ButtonNew = nullptr;
    QPushButton* ButtonLoad = nullptr;
    QPushButton* ButtonSave = nullptr;
    QPushButton* ButtonConfig = nullptr;
    QComboBox* Lang = nullptr;
    QLabel* Image1 = nullptr;
    LoopListPanel* m_loopList = nullptr;
    LoopPropertiesPanel* m_loopProperties = nullptr;
    ImageListPanel* m_imageList = nullptr;
    QPushButton* ButtonExit = nullptr;
    QPushButton* ButtonShowSched = nullptr;
    QPushButton* ButtonTimeline = nullptr;
    QPushButton* Copy2SD = nullptr;
};

} // namespace orvex
