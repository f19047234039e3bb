#include "windows/add_image/unit_add_image.h"

#include "windows/shell/error_messages.h"
#include "windows/shell/named_control.h"
#include "windows/shell/picture_preview.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace orvex {

TFormAddImage::TFormAddImage(ErrorMessages& messages, QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(QStringLiteral("FormAddImage"));
    setWindowTitle(QStringLiteral("Add Image"));

    FileListBox1 = named<QListWidget>("FileListBox1", this);
    FileListBox1->setMinimumSize(150, kPreviewHeight);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);

    // The preview keeps the player's half-size screen whatever room the dialog has.
    Panel1 = named<QFrame>("Panel1", this);
    Panel1->setFixedSize(kPreviewWidth, kPreviewHeight);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);
    Image1 = named<QLabel>("Image1", Panel1);
    Image1->setGeometry(0, 0, kPreviewWidth, kPreviewHeight);
    Image1->setAlignment(Qt::AlignCenter);

    Button1 = named<QPushButton>("Button1", tr("&Add Files"), this);
    Button2 = named<QPushButton>("Button2", tr("Close"), this);
    for (QPushButton* button : {Button1, Button2}) {
        button->setMinimumWidth(110);
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setSpacing(8);
    grid->addWidget(FileListBox1, 0, 0);
    grid->addWidget(Panel1, 0, 1, 1, 2, Qt::AlignTop);
    grid->addWidget(Button1, 1, 0, Qt::AlignLeft);
    grid->addWidget(Button2, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    resize(534, 338);

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
