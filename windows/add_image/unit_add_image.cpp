#include "windows/add_image/unit_add_image.h"

#include "windows/shell/error_messages.h"
#include "windows/shell/picture_preview.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace orvex {

TFormAddImage::TFormAddImage(ErrorMessages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("FormAddImage"));
    setWindowTitle(QStringLiteral("Add Image"));
    setFixedSize(534, 338);

    FileListBox1 = new QListWidget(this);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setGeometry(8, 8, 150, kPreviewHeight);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(166, 8, kPreviewWidth, kPreviewHeight);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);
    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kPreviewWidth, kPreviewHeight);
    Image1->setAlignment(Qt::AlignCenter);

    Button1 = new QPushButton(tr("Add Files"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 304, 110, 27);
    Button2 = new QPushButton(tr("Close"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(416, 304, 110, 27);

    // A click moves the current entry before it selects it, an arrow key the other way round;
    // either way the preview follows once the current entry is selected. The current entry
    // that focus alone sets is not selected, so opening the dialog decodes nothing.
    connect(FileListBox1, &QListWidget::currentRowChanged, this, &TFormAddImage::FileListBox1Click);
    connect(FileListBox1, &QListWidget::itemSelectionChanged, this,
            &TFormAddImage::FileListBox1Click);
    connect(FileListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormAddImage::bindFolder(const QString& folder) {
    m_folder = folder;
    // Cameras name their pictures in capitals, so the mask ignores case.
    const QDir dir(folder, QString(), QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::Readable);
    m_previewedRow = -1;
    FileListBox1->clear();
    FileListBox1->addItems(dir.entryList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}));
    Image1->clear();
}

QStringList TFormAddImage::selectedFileNames() const {
    QStringList names;
    for (int row = 0; row < FileListBox1->count(); ++row) {
        const QListWidgetItem* item = FileListBox1->item(row);
        if (item->isSelected()) {
            names << item->text();
        }
    }
    return names;
}

void TFormAddImage::FileListBox1Click() {
    const QListWidgetItem* current = FileListBox1->currentItem();
    const int row = FileListBox1->currentRow();
    if (current == nullptr || !current->isSelected() || row == m_previewedRow) {
        return;
    }
    m_previewedRow = row;
    const PicturePreview preview =
        previewPicture(QDir(m_folder).filePath(current->text()), Image1->size());
    if (!preview.error.isEmpty()) {
        // The former picture stays in the preview.
        m_messages.showError(this, preview.error);
        return;
    }
    Image1->setPixmap(QPixmap::fromImage(preview.image));
}

} // namespace orvex
