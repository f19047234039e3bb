#pragma once

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace orvex {

class ErrorMessages;

// Lists the JPEG pictures of one folder with a preview of the one clicked; "Add Files" or a
// double click accepts the dialog with the selected files, "Close" rejects it.
class TFormAddImage : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPreviewWidth = 360;
    static constexpr int kPreviewHeight = 288;

    // The messages outlive the dialog.
    explicit TFormAddImage(ErrorMessages& messages, QWidget* parent = nullptr);

    // Lists the pictures of `folder` and clears the preview, ready to be shown.
    void bindFolder(const QString& folder);
    const QString& folder() const { return m_folder; }

    // The bare names of the selected files, in list order.
    QStringList selectedFileNames() const;

private:
    void FileListBox1Click();

    ErrorMessages& m_messages;
    QString m_folder;
    int m_previewedRow = -1;
    QListWidget* FileListBox1 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};

} // namespace orvex
