#pragma once

#include <QFileDialog>

namespace orvex {

// Qt's own folder chooser refuses a typed folder that does not exist yet; this one offers to
// create it, and stays open for another choice when the user declines or it cannot be made.
class FolderDialog : public QFileDialog {
    Q_OBJECT
public:
    FolderDialog(QWidget* parent, const QString& startFolder);

    void accept() override;

protected:
    // Whether the user wants the missing folder created.
    virtual bool confirmCreate(const QString& folder);
    virtual void reportNotCreated(const QString& folder);
};

} // namespace orvex
