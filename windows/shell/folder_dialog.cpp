#include "windows/shell/folder_dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace orvex {

FolderDialog::FolderDialog(QWidget* parent, const QString& startFolder)
    : QFileDialog(parent, tr("Choose the sequence folder"), startFolder) {
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly);
    // Qt's own dialog offers "Create New Folder" and takes a typed folder name everywhere.
    setOption(QFileDialog::DontUseNativeDialog);
}

void FolderDialog::accept() {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !QFileInfo::exists(chosen.constFirst())) {
        const QString folder = chosen.constFirst();
        if (!confirmCreate(folder)) {
            return;
        }
        if (!QDir().mkpath(folder)) {
            reportNotCreated(folder);
            return;
        }
    }
    QFileDialog::accept();
}

bool FolderDialog::confirmCreate(const QString& folder) {
    return QMessageBox::question(this, tr("New folder"),
                                 tr("The folder \"%1\" does not exist. Create it?")
                                     .arg(QDir::toNativeSeparators(folder))) == QMessageBox::Yes;
}

void FolderDialog::reportNotCreated(const QString& folder) {
    QMessageBox::critical(
        this, tr("New folder"),
        tr("The folder \"%1\" could not be created.").arg(QDir::toNativeSeparators(folder)));
}

} // namespace orvex
