// The "Image List" group of the main window: the picture entries of the selected loop, their
// duration, position and check box, and the buttons that add and delete entries.
#include "model/store.h"
#include "model/text_rules.h"
#include "platform/services.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/main/checked_picker.h"
#include "windows/main/control_factory.h"
#include "windows/main/deferred_error.h"
#include "windows/main/playlist_text_validator.h"
#include "windows/main/report_list.h"
#include "windows/main/row_texts.h"
#include "windows/main/unit_image_loop.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

namespace orvex {
namespace {

std::array<ReportColumn, 3> imageColumns() {
    return {{
        {QStringLiteral("File Name"), 160, {}, true},
        {QStringLiteral("Duration"), 60,
         modelText(formatTime(regional(), encodeTime({23, 58, 58}))), false},
        {QStringLiteral("Position"), 60, QStringLiteral("BOTTOM"), false},
    }};
}

// The entry that names no picture.
constexpr const char* kInactiveFileName = "NULL";

} // namespace

void TFormImageLoop::buildImageListGroup() {
    ImageListGroupBox =
        makeGroup(this, "ImageListGroupBox", tr("Image List"), {368, 242, 352, 170});
    QWidget* group = ImageListGroupBox;

    PageControl1 = new QTabWidget(group);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(8, 18, 246, 116);
    TabSheet1 = new QWidget(PageControl1);
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet1, tr("Play List"));
    ImageList = new ReportList(imageColumns(), false, TabSheet1);
    ImageList->setObjectName(QStringLiteral("ImageList"));
    auto* page = new QVBoxLayout(TabSheet1);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(ImageList);

    AddImgButton = makeButton(group, "AddImgButton", tr("Add Image"), {260, 22, 84, 26});
    AddInactiveButton =
        makeButton(group, "AddInactiveButton", tr("Add Inactive"), {260, 52, 84, 26});
    DeleteImgButton = makeButton(group, "DeleteImgButton", tr("Delete Image"), {260, 82, 84, 26});

    Label5 = makeLabel(group, "Label5", tr("Duration"), {8, 140, 52, 24});
    Duration = new CheckedPicker(CheckedPicker::Kind::Time, group);
    Duration->setObjectName(QStringLiteral("Duration"));
    Duration->setGeometry(60, 140, 104, 24);
    Duration->setValue(kDefaultDuration);
    Label6 = makeLabel(group, "Label6", tr("Position"), {172, 140, 52, 24});
    Position = makeDropDown(group, "Position",
                            {tr("CENTER"), tr("TOP"), tr("BOTTOM"), tr("LEFT"), tr("RIGHT")},
                            {224, 140, 120, 24});
    setImagePropertiesEnabled(false);
    ImageListGroupBox->hide();

    connect(ImageList, &QTableWidget::itemSelectionChanged, this,
            &TFormImageLoop::ImageListSelectItem);
    // As in the loop list, a tick reaches the store at once, however it was made.
    connect(ImageList, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == 0) {
            SyncImageChecks(SelectedLoopIndex());
        }
    });
    connect(Duration, &CheckedPicker::changed, this,
            [this] { ImageListChange(ImageTag::Duration); });
    connect(Position, &QComboBox::currentIndexChanged, this,
            [this] { ImageListChange(ImageTag::Position); });
    connect(AddImgButton, &QPushButton::clicked, this, &TFormImageLoop::AddImgButtonClick);
    connect(AddInactiveButton, &QPushButton::clicked, this,
            &TFormImageLoop::AddInactiveButtonClick);
    connect(DeleteImgButton, &QPushButton::clicked, this, &TFormImageLoop::DeleteImgButtonClick);
}

void TFormImageLoop::setImagePropertiesEnabled(bool enabled) {
    Duration->setEnabled(enabled);
    Position->setEnabled(enabled);
}

void TFormImageLoop::RefreshImageList(std::uint8_t loopIndex) {
    const LoopEntry* loop = GetLoop(m_sequence.loopTable, loopIndex);
    if (loop == nullptr) {
        return;
    }
    ImageList->resetRows(loop->nItems);
    for (int row = 0; row < loop->nItems; ++row) {
        const ImageItem& item = loop->Items[static_cast<std::size_t>(row)];
        ImageList->setRowTexts(row, imageRowTexts(item));
        ImageList->setRowChecked(row, item.Checked != 0);
    }
    setImagePropertiesEnabled(false);
}

std::uint8_t TFormImageLoop::SelectedImageIndex() const {
    const int row = ImageList->selectedRow();
    return row < 0 ? kNoSelection : static_cast<std::uint8_t>(row);
}

void TFormImageLoop::ImageListSelectItem() {
    const std::uint8_t index = SelectedImageIndex();
    if (index == kNoSelection) {
        setImagePropertiesEnabled(false);
        return;
    }
    ShowImageProperties(index);
    setImagePropertiesEnabled(true);
}

void TFormImageLoop::ShowImageProperties(std::uint8_t itemIndex) {
    const LoopEntry* loop = selectedLoop();
    if (loop == nullptr || itemIndex >= loop->nItems) {
        return;
    }
    const ImageItem& item = loop->Items[itemIndex];
    const QScopedValueRollback<bool> filling(m_filling, true);
    Duration->setValue(item.Duration);
    Duration->setChecked(item.bDuration != 0);
    Position->setCurrentIndex(item.Position < Position->count() ? item.Position : -1);
}

void TFormImageLoop::ImageListChange(ImageTag tag) {
    LoopEntry* loop = m_filling ? nullptr : selectedLoop();
    if (loop == nullptr) {
        return;
    }
    const std::uint8_t index = SelectedImageIndex();
    if (index >= loop->nItems) {
        return;
    }
    ImageItem& item = loop->Items[index];
    bool changed = false;
    if (tag == ImageTag::Duration) {
        const TDateTime duration = Duration->value();
        const std::uint8_t on = Duration->isChecked() ? 1 : 0;
        changed = item.Duration != duration || item.bDuration != on;
        item.Duration = duration;
        item.bDuration = on;
    } else if (Position->currentIndex() >= 0) {
        const auto position = static_cast<std::uint8_t>(Position->currentIndex());
        changed = item.Position != position;
        item.Position = position;
    }
    if (changed) {
        ImageList->setRowTexts(index, imageRowTexts(item));
        noteSequenceEdited();
    }
}

void TFormImageLoop::SyncImageChecks(std::uint8_t loopIndex) {
    LoopEntry* loop = loopIndex < kMaxLoops ? GetLoop(m_sequence.loopTable, loopIndex) : nullptr;
    if (loop == nullptr) {
        return;
    }
    bool changed = false;
    for (int row = 0; row < ImageList->rowCount() && row < loop->nItems; ++row) {
        const std::uint8_t checked = ImageList->isRowChecked(row) ? 1 : 0;
        ImageItem& item = loop->Items[static_cast<std::size_t>(row)];
        changed = changed || item.Checked != checked;
        item.Checked = checked;
    }
    if (changed) {
        noteSequenceEdited();
    }
}

void TFormImageLoop::selectImageRow(int row) {
    if (row >= 0 && row < ImageList->rowCount()) {
        ImageList->selectRow(row);
    }
}

void TFormImageLoop::AddImgButtonClick() {
    TFormAddImage* dialog = m_windows.addImage;
    if (dialog == nullptr) {
        return;
    }
    dialog->bindFolder(m_sequenceFolder);
    if (dialog->exec() == QDialog::Accepted) {
        InsertSelectedFiles(dialog->selectedFileNames());
    }
}

void TFormImageLoop::InsertSelectedFiles(const QStringList& fileNames) {
    const std::uint8_t loopIndex = SelectedLoopIndex();
    if (selectedLoop() == nullptr) {
        return;
    }
    bool added = false;
    QStringList skipped;
    for (const QString& fileName : fileNames) {
        const PlaylistText name = toPlaylistText(fileName.toStdString(), kMaxBareFileNameBytes);
        if (!name.ok()) {
            skipped << fileName + QStringLiteral(": ") +
                           describeTextFault(name.fault, kMaxBareFileNameBytes);
        } else if (AddImageItem(m_sequence.loopTable, loopIndex, "/" + name.bytes) == nullptr) {
            skipped
                << tr("%1: the loop already holds %2 pictures.").arg(fileName).arg(kMaxImageItems);
        } else {
            added = true;
        }
    }
    RefreshImageList(loopIndex);
    if (added) {
        noteSequenceEdited();
    }
    if (!skipped.isEmpty()) {
        showErrorLater(
            this, tr("These pictures were not added:\n%1").arg(skipped.join(QLatin1Char('\n'))));
    }
}

void TFormImageLoop::AddInactiveButtonClick() {
    const std::uint8_t loopIndex = SelectedLoopIndex();
    if (selectedLoop() == nullptr) {
        return;
    }
    const bool added = AddImageItem(m_sequence.loopTable, loopIndex, kInactiveFileName) != nullptr;
    RefreshImageList(loopIndex);
    if (added) {
        noteSequenceEdited();
    }
}

void TFormImageLoop::DeleteImgButtonClick() {
    const std::uint8_t loopIndex = SelectedLoopIndex();
    const std::uint8_t itemIndex = SelectedImageIndex();
    const LoopEntry* loop = selectedLoop();
    if (ImageList->rowCount() == 0 || loop == nullptr || itemIndex >= loop->nItems) {
        return;
    }
    RemoveImageItem(m_sequence.loopTable, loopIndex, itemIndex);
    RefreshImageList(loopIndex);
    selectImageRow(std::min<int>(itemIndex, ImageList->rowCount() - 1));
    noteSequenceEdited();
}

} // namespace orvex
