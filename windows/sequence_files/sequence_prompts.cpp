#include "windows/sequence_files/sequence_prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace orvex {

UnsavedChoice QtSequencePrompts::askToSaveChanges(QWidget* parent) {
    const auto answer = QMessageBox::warning(
        parent, QApplication::applicationName(),
        QObject::tr("The sequence has changed since it was last saved.\n"
                    "Do you want to save the changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    switch (answer) {
    case QMessageBox::Save:
        return UnsavedChoice::kSave;
    case QMessageBox::Discard:
        return UnsavedChoice::kDiscard;
    default:
        return UnsavedChoice::kCancel;
    }
}

void QtSequencePrompts::showError(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QApplication::applicationName(), message);
}

} // namespace orvex
