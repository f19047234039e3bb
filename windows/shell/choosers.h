#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace orvex {

// The modal choosers the editor shows; tests replace them with scripted answers.
class Choosers {
public:
    virtual ~Choosers() = default;
    // A folder the user confirmed (created first if the user typed a new one and agreed).
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& startFolder) = 0;
    // A file to open, chosen with the proposed name preselected; it need not exist.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& proposedPath,
                                                    const QString& filter) = 0;
    // An existing file, the chooser opened in `startFolder`.
    virtual std::optional<QString> chooseExistingFile(QWidget* parent, const QString& startFolder,
                                                      const QString& filter) = 0;
};

class QtChoosers final : public Choosers {
public:
    std::optional<QString> chooseFolder(QWidget* parent, const QString& startFolder) override;
    std::optional<QString> chooseFileToOpen(QWidget* parent, const QString& proposedPath,
                                            const QString& filter) override;
    std::optional<QString> chooseExistingFile(QWidget* parent, const QString& startFolder,
                                              const QString& filter) override;
};

} // namespace orvex
