#pragma once

#include <QGroupBox>
#include <QStringList>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace orvex {

class CheckedPicker;
class ErrorMessages;
class ReportView;
class SequenceEditor;
class TFormAddImage;

// "Image List": the picture entries of one loop, their duration, position and check box, and
// the buttons that add and delete entries. Several selected rows take a duration or a
// position at once; Ctrl+Up and Ctrl+Down, or a drag, reorder them.
class ImageListPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr std::uint8_t kNoSelection = 255;
    enum class ImageTag { Duration = 0, Position = 1 };

    // `sequenceFolder` names the folder the pictures are chosen from.
    ImageListPanel(SequenceEditor& editor, ErrorMessages& messages,
                   std::function<QString()> sequenceFolder, QWidget* parent = nullptr);

    void setAddImageDialog(TFormAddImage* dialog) { m_addImage = dialog; }
    ReportView* list() const { return ImageList; }

    // Shows loop `loopIndex`'s entries with none selected.
    void RefreshImageList(std::uint8_t loopIndex);
    // The current selected row, or kNoSelection.
    std::uint8_t SelectedImageIndex() const;
    void ShowImageProperties(std::uint8_t itemIndex);
    // Selects rows `first` to `last` and shows them.
    void selectImageRows(int first, int last);
    // Appends pictures of the sequence folder, by bare file name, to the shown loop.
    void InsertSelectedFiles(const QStringList& fileNames);
    void AddImgButtonClick();
    void AddInactiveButtonClick();
    void DeleteImgButtonClick();
    void moveSelectedImage(int step);

private:
    void ImageListSelectItem();
    void ImageListChange(ImageTag tag);
    void setImagePropertiesEnabled(bool enabled);
    std::uint8_t shownLoop() const;
    std::vector<std::uint8_t> selectedRows() const;

    SequenceEditor& m_editor;
    ErrorMessages& m_messages;
    std::function<QString()> m_sequenceFolder;
    TFormAddImage* m_addImage = nullptr;
    bool m_showing = false;
    int m_durationTyping = 0;

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    ReportView* ImageList;
    QPushButton* AddImgButton;
    QPushButton* AddInactiveButton;
    QPushButton* DeleteImgButton;
    QLabel* Label5;
    CheckedPicker* Duration;
    QLabel* Label6;
    QComboBox* Position;
};

} // namespace orvex
