#pragma once

#include "windows/shell/error_messages.h"

#include <QString>

class QWidget;

namespace orvex {

enum class UnsavedChoice { kSave, kDiscard, kCancel };

// The questions and messages of saving and loading; tests answer them without a dialog.
class SequencePrompts : public ErrorMessages {
public:
    virtual UnsavedChoice askToSaveChanges(QWidget* parent) = 0;
};

class QtSequencePrompts final : public SequencePrompts {
public:
    UnsavedChoice askToSaveChanges(QWidget* parent) override;
    void showError(QWidget* parent, const QString& message) override;
};

} // namespace orvex
