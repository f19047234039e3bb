#pragma once

#include "model/records.h"
#include "windows/sequence_files/sequence_window.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace orvex {

class CheckedPicker;
class Choosers;
class SequenceFileActions;
class SequencePrompts;
class PlaylistTextValidator;
class ReportList;
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

class TFormImageLoop : public QWidget, public SequenceWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaptionPrefix = "Orvex Sequence Editor v1.1 : ";
    static constexpr std::uint8_t kNoSelection = 255;

    // The sequence, the choosers and the prompts outlive the window.
    TFormImageLoop(Sequence& sequence, Choosers& choosers, SequencePrompts& prompts,
                   QWidget* parent = nullptr);

    void attachWindows(const EditorWindows& windows);

    QWidget* widget() override { return this; }
    const QString& sequenceFolder() const override { return m_sequenceFolder; }
    void SetSequenceFolder(const QString& folder) override;
    // Whether the sequence changed since it was started, loaded or saved.
    bool hasUnsavedChanges() const;

    void ButtonNewClick();
    void ButtonConfigClick();
    void ButtonShowSchedClick();
    void ButtonTimelineClick();
    void ButtonExitClick();

    // The loop list.
    void RefreshLoopList() override;
    // The selected row's index, or kNoSelection.
    std::uint8_t SelectedLoopIndex() const;
    // Selects a row as a click on it would; an index outside the list clears the selection.
    void selectLoopRow(int row) override;
    int loopRowCount() const override;
    std::uint16_t nextLoopNumber() const { return m_nextLoopNumber; }
    void setNextLoopNumber(std::uint16_t number) override { m_nextLoopNumber = number; }
    void ShowLoopProperties(std::uint8_t loopIndex);
    void SyncLoopChecks();
    void NewLoopClick();
    void DeleteLoopClick();
    void PriorityUpClick();
    void PriorityDownClick();

    // The image list of the selected loop.
    std::uint8_t SelectedImageIndex() const;
    void RefreshImageList(std::uint8_t loopIndex);
    void ShowImageProperties(std::uint8_t itemIndex);
    void SyncImageChecks(std::uint8_t loopIndex);
    // Appends pictures of the sequence folder, by bare file name, to the selected loop.
    void InsertSelectedFiles(const QStringList& fileNames);
    void AddImgButtonClick();
    void AddInactiveButtonClick();
    void DeleteImgButtonClick();

signals:
    // Emitted after every change this window makes to the sequence, and never while it only
    // shows the sequence.
    void sequenceChanged();

protected:
    // Closing throws the sequence away, so unsaved changes are offered for saving first.
    void closeEvent(QCloseEvent* event) override;

private:
    // What each control of "Loop Properties" edits; the numbers are the controls' tags.
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
    enum class ImageTag { Duration = 0, Position = 1 };

    void buildTopRow();
    void buildLoopListGroup();
    void buildLoopPropertiesGroup();
    void buildImageListGroup();
    void buildBottomRow();
    void clearSequence();
    void hideLoopGroups();

    // The one place every edit of the sequence passes through.
    void noteSequenceEdited();

    LoopEntry* selectedLoop();
    void LoopListSelectItem(int row);
    void LoopListColumnClick();
    void selectLoopAfterChange(std::uint8_t index);
    void writeLoopRow(std::uint8_t loopIndex);
    void LoopPropertiesChange(LoopTag tag);
    void EditNameRejected();

    void ImageListSelectItem();
    void ImageListChange(ImageTag tag);
    void selectImageRow(int row);
    void setImagePropertiesEnabled(bool enabled);

    Sequence& m_sequence;
    Choosers& m_choosers;
    EditorWindows m_windows;
    SequenceFileActions* m_files = nullptr;
    QString m_sequenceFolder;
    std::uint16_t m_nextLoopNumber = 0;
    // Set while controls are being filled from the sequence, so that they write nothing back.
    bool m_filling = false;

    QPushButton* ButtonNew = nullptr;
    QPushButton* ButtonLoad = nullptr;
    QPushButton* ButtonSave = nullptr;
    QPushButton* ButtonConfig = nullptr;
    QComboBox* Lang = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* LoopListBox = nullptr;
    QGroupBox* LoopGroupBox = nullptr;
    QGroupBox* ImageListGroupBox = nullptr;
    QPushButton* ButtonExit = nullptr;
    QPushButton* ButtonShowSched = nullptr;
    QPushButton* ButtonTimeline = nullptr;
    QPushButton* Copy2SD = nullptr;

    ReportList* LoopList = nullptr;
    QPushButton* NewLoop = nullptr;
    QPushButton* DeleteLoop = nullptr;
    QPushButton* PriorityUp = nullptr;
    QPushButton* PriorityDown = nullptr;

    QLabel* Label10 = nullptr;
    QLineEdit* EditName = nullptr;
    PlaylistTextValidator* m_nameValidator = nullptr;
    QLabel* Label1 = nullptr;
    CheckedPicker* DateIni = nullptr;
    QLabel* Label2 = nullptr;
    CheckedPicker* DateEnd = nullptr;
    QLabel* Label3 = nullptr;
    CheckedPicker* TimeIni = nullptr;
    QLabel* Label4 = nullptr;
    CheckedPicker* TimeEnd = nullptr;
    QCheckBox* CB_WeekDay = nullptr;
    QComboBox* WeekDay = nullptr;
    QCheckBox* CB_MonthDay = nullptr;
    QSpinBox* MonthDay = nullptr;
    QCheckBox* LoopImages = nullptr;
    QLabel* Label8 = nullptr;
    QComboBox* EventBox = nullptr;

    QPushButton* AddInactiveButton = nullptr;
    QPushButton* AddImgButton = nullptr;
    QPushButton* DeleteImgButton = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    ReportList* ImageList = nullptr;
    QLabel* Label5 = nullptr;
    CheckedPicker* Duration = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* Position = nullptr;
};

} // namespace orvex
