#include "windows/shell/choosers.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace orvex {

std::optional<QString> QtChoosers::chooseFolder(QWidget* parent, const QString& startFolder) {
    QFileDialog dialog(parent, QObject::tr("Choose the sequence folder"), startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Qt's own dialog offers "Create New Folder" and accepts a typed folder name everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString folder = dialog.selectedFiles().constFirst();
    if (QDir(folder).exists()) {
        return folder;
    }
    const auto answer =
        QMessageBox::question(parent, QObject::tr("New folder"),
                              QObject::tr("The folder \"%1\" does not exist. Create it?")
                                  .arg(QDir::toNativeSeparators(folder)));
    if (answer != QMessageBox::Yes) {
        return std::nullopt;
    }
    if (!QDir().mkpath(folder)) {
        QMessageBox::critical(parent, QObject::tr("New folder"),
                              QObject::tr("The folder \"%1\" could not be created.")
                                  .arg(QDir::toNativeSeparators(folder)));
        return std::nullopt;
    }
    return folder;
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

} // namespace orvex
