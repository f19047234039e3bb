#include "windows/main/image_list_panel.h"

#include "model/store.h"
#include "model/text_rules.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/main/checked_picker.h"
#include "windows/main/image_table_model.h"
#include "windows/main/playlist_text_validator.h"
#include "windows/main/report_view.h"
#include "windows/main/sequence_editor.h"
#include "windows/shell/error_messages.h"
#include "windows/shell/named_control.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace orvex {
namespace {

// The entry that names no picture.
constexpr const char* kInactiveFileName = "NULL";

ImageItem newItem(const std::string& fileName) {
    ImageItem item;
    setText(item.FileName, fileName);
    item.Duration = kDefaultDuration;
    item.bDuration = 1;
    item.Checked = 1;
    item.Position = CENTER;
    return item;
}

void onKey(QWidget* list, const QKeySequence& key, const std::function<void()>& act) {
    auto* shortcut = new QShortcut(key, list);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, list, act);
}

} // namespace

ImageListPanel::ImageListPanel(SequenceEditor& editor, ErrorMessages& messages,
                               std::function<QString()> sequenceFolder, QWidget* parent)
    : QGroupBox(tr("Image List"), parent), m_editor(editor), m_messages(messages),
      m_sequenceFolder(std::move(sequenceFolder)),
      PageControl1(named<QTabWidget>("PageControl1", this)),
      TabSheet1(named<QWidget>("TabSheet1", PageControl1)),
      ImageList(named<ReportView>("ImageList", false, TabSheet1)),
      AddImgButton(named<QPushButton>("AddImgButton", tr("Add Image"), this)),
      AddInactiveButton(named<QPushButton>("AddInactiveButton", tr("Add Inactive"), this)),
      DeleteImgButton(named<QPushButton>("DeleteImgButton", tr("Delete Image"), this)),
      Label5(named<QLabel>("Label5", tr("Duration"), this)),
      Duration(named<CheckedPicker>("Duration", CheckedPicker::Kind::Time, this)),
      Label6(named<QLabel>("Label6", tr("Position"), this)),
      Position(named<QComboBox>("Position", this)) {
    setObjectName(QStringLiteral("ImageListGroupBox"));
    PageControl1->addTab(TabSheet1, tr("Play List"));
    ImageList->showModel(&editor.images());
    ImageList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ImageList->setDragDropMode(QAbstractItemView::InternalMove);
    ImageList->setDefaultDropAction(Qt::MoveAction);
    ImageList->setDragDropOverwriteMode(false);
    ImageList->setDropIndicatorShown(true);
    Duration->setValue(kDefaultDuration);
    Position->addItems({tr("CENTER"), tr("TOP"), tr("BOTTOM"), tr("LEFT"), tr("RIGHT")});
    Label5->setBuddy(Duration);
    Label6->setBuddy(Position);

    auto* page = new QVBoxLayout(TabSheet1);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(ImageList);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {AddImgButton, AddInactiveButton, DeleteImgButton}) {
        button->setMinimumWidth(84);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    grid->addWidget(PageControl1, 0, 0, 1, 4);
    grid->addLayout(buttons, 0, 4);
    grid->addWidget(Label5, 1, 0);
    grid->addWidget(Duration, 1, 1);
    grid->addWidget(Label6, 1, 2);
    grid->addWidget(Position, 1, 3, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    setImagePropertiesEnabled(false);

    connect(ImageList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ImageListPanel::ImageListSelectItem);
    connect(ImageList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ImageListPanel::ImageListSelectItem);
    connect(Duration, &CheckedPicker::changed, this,
            [this] { ImageListChange(ImageTag::Duration); });
    connect(Position, &QComboBox::currentIndexChanged, this,
            [this] { ImageListChange(ImageTag::Position); });
    connect(AddImgButton, &QPushButton::clicked, this, &ImageListPanel::AddImgButtonClick);
    connect(AddInactiveButton, &QPushButton::clicked, this,
            &ImageListPanel::AddInactiveButtonClick);
    connect(DeleteImgButton, &QPushButton::clicked, this, &ImageListPanel::DeleteImgButtonClick);
    onKey(ImageList, QKeySequence::Delete, [this] { DeleteImgButtonClick(); });
    onKey(ImageList, QKeySequence(Qt::CTRL | Qt::Key_Up), [this] { moveSelectedImage(-1); });
    onKey(ImageList, QKeySequence(Qt::CTRL | Qt::Key_Down), [this] { moveSelectedImage(1); });
}

void ImageListPanel::setImagePropertiesEnabled(bool enabled) {
    Duration->setEnabled(enabled);
    Position->setEnabled(enabled);
}

std::uint8_t ImageListPanel::shownLoop() const {
    const int loop = m_editor.images().shownLoop();
    return loop < 0 ? kNoSelection : static_cast<std::uint8_t>(loop);
}

void ImageListPanel::RefreshImageList(std::uint8_t loopIndex) {
    m_editor.images().showLoop(loopIndex);
    setImagePropertiesEnabled(false);
}

std::uint8_t ImageListPanel::SelectedImageIndex() const {
    const int row = ImageList->selectedRow();
    return row < 0 ? kNoSelection : static_cast<std::uint8_t>(row);
}

std::vector<std::uint8_t> ImageListPanel::selectedRows() const {
    std::vector<std::uint8_t> rows;
    for (const QModelIndex& index : ImageList->selectionModel()->selectedRows()) {
        rows.push_back(static_cast<std::uint8_t>(index.row()));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ImageListPanel::ImageListSelectItem() {
    const std::uint8_t index = SelectedImageIndex();
    if (index == kNoSelection) {
        setImagePropertiesEnabled(false);
        return;
    }
    ShowImageProperties(index);
    setImagePropertiesEnabled(true);
}

void ImageListPanel::ShowImageProperties(std::uint8_t itemIndex) {
    const LoopEntry* loop = GetLoop(m_editor.sequence().loopTable, shownLoop());
    if (loop == nullptr || itemIndex >= loop->nItems) {
        return;
    }
    const ImageItem& item = loop->Items[itemIndex];
    const QScopedValueRollback<bool> showing(m_showing, true);
    if (Duration->value() != item.Duration) {
        Duration->setValue(item.Duration);
    }
    Duration->setChecked(item.bDuration != 0);
    const int position = item.Position < Position->count() ? item.Position : -1;
    if (Position->currentIndex() != position) {
        Position->setCurrentIndex(position);
    }
}

void ImageListPanel::selectImageRows(int first, int last) {
    QAbstractItemModel* model = ImageList->model();
    const int rowCount = model->rowCount();
    if (first < 0 || rowCount == 0) {
        ImageList->clearSelection();
        return;
    }
    // After a deletion at the end the row before takes the selection.
    first = std::min(first, rowCount - 1);
    last = std::clamp(last, first, rowCount - 1);
    const QItemSelection rows(model->index(first, 0), model->index(last, model->columnCount() - 1));
    ImageList->selectionModel()->setCurrentIndex(model->index(first, 0),
                                                 QItemSelectionModel::NoUpdate);
    ImageList->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
    ImageList->scrollIntoView(model->index(last, 0));
}

void ImageListPanel::ImageListChange(ImageTag tag) {
    const LoopEntry* loop =
        m_showing ? nullptr : GetLoop(m_editor.sequence().loopTable, shownLoop());
    if (loop == nullptr) {
        return;
    }
    std::vector<ItemEdit> edits;
    const bool on = Duration->isChecked();
    bool flagChanged = false;
    for (const std::uint8_t row : selectedRows()) {
        if (row >= loop->nItems) {
            continue;
        }
        ImageItem item = loop->Items[row];
        if (tag == ImageTag::Duration) {
            flagChanged = flagChanged || (item.bDuration != 0) != on;
            item.Duration = Duration->value();
            item.bDuration = on ? 1 : 0;
        } else if (Position->currentIndex() >= 0) {
            item.Position = static_cast<std::uint8_t>(Position->currentIndex());
        }
        edits.push_back({row, item});
    }
    // Typing a duration digit by digit is one step; a tick of its box is one of its own.
    const bool typed = tag == ImageTag::Duration && !flagChanged;
    if (!typed) {
        m_durationTyping = 0;
    } else if (m_durationTyping == 0) {
        m_durationTyping = m_editor.newTypingKey();
    }
    m_editor.editImages(shownLoop(), edits, typed ? m_durationTyping : 0);
}

void ImageListPanel::AddImgButtonClick() {
    if (m_addImage == nullptr || shownLoop() == kNoSelection) {
        return;
    }
    m_addImage->bindFolder(m_sequenceFolder());
    if (m_addImage->exec() == QDialog::Accepted) {
        InsertSelectedFiles(m_addImage->selectedFileNames());
    }
}

void ImageListPanel::InsertSelectedFiles(const QStringList& fileNames) {
    const LoopEntry* loop = GetLoop(m_editor.sequence().loopTable, shownLoop());
    if (loop == nullptr) {
        return;
    }
    std::vector<ImageItem> items;
    QStringList names;
    QStringList skipped;
    for (const QString& fileName : fileNames) {
        const PlaylistText name = toPlaylistText(fileName.toStdString(), kMaxBareFileNameBytes);
        if (name.ok()) {
            items.push_back(newItem("/" + name.bytes));
            names << fileName;
        } else {
            skipped << fileName + QStringLiteral(": ") +
                           describeTextFault(name.fault, kMaxBareFileNameBytes);
        }
    }
    const std::size_t added = m_editor.addImages(shownLoop(), items);
    for (qsizetype i = static_cast<qsizetype>(added); i < names.size(); ++i) {
        skipped << tr("%1: the loop already holds %2 pictures.").arg(names[i]).arg(kMaxImageItems);
    }
    if (!skipped.isEmpty()) {
        m_messages.showError(
            this, tr("These pictures were not added:\n%1").arg(skipped.join(QLatin1Char('\n'))));
    }
}

void ImageListPanel::AddInactiveButtonClick() {
    if (shownLoop() == kNoSelection) {
        return;
    }
    if (m_editor.addImages(shownLoop(), {newItem(kInactiveFileName)}) == 0) {
        m_messages.showError(this,
                             tr("The loop already holds %1 pictures, the most a loop can carry.")
                                 .arg(kMaxImageItems));
    }
}

void ImageListPanel::DeleteImgButtonClick() {
    const std::uint8_t row = SelectedImageIndex();
    if (shownLoop() != kNoSelection && row != kNoSelection) {
        m_editor.deleteImage(shownLoop(), row);
    }
}

void ImageListPanel::moveSelectedImage(int step) {
    const int row = ImageList->selectedRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= ImageList->model()->rowCount()) {
        return;
    }
    m_editor.moveImage(shownLoop(), static_cast<std::uint8_t>(row), static_cast<std::uint8_t>(to));
}

} // namespace orvex
