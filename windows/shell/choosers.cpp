#include "windows/shell/choosers.h"

#include "windows/shell/folder_dialog.h"

#include <QFileDialog>

namespace orvex {

std::optional<QString> QtChoosers::chooseFolder(QWidget* parent, const QString& startFolder) {
    FolderDialog dialog(parent, startFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtChoosers::chooseFileToOpen(QWidget* parent, const QString& proposedPath,
                                                    const QString& filter) {
    QFileDialog dialog(parent, QObject::tr("Open"), proposedPath, filter);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtChoosers::chooseExistingFile(QWidget* parent, const QString& startFolder,
                                                      const QString& filter) {
    QFileDialog dialog(parent, QObject::tr("Open"), startFolder, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace orvex
