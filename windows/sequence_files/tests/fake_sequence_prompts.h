#pragma once

#include "windows/sequence_files/sequence_prompts.h"

#include <QStringList>
#include <deque>

namespace orvex::testing {

// Answers the unsaved-changes question from a script (Cancel once it runs out) and records
// every message instead of showing it.
class FakeSequencePrompts final : public SequencePrompts {
public:
    std::deque<UnsavedChoice> answers;
    int questions = 0;
    QStringList errors;

    UnsavedChoice askToSaveChanges(QWidget*) override {
        ++questions;
        if (answers.empty()) {
            return UnsavedChoice::kCancel;
        }
        const UnsavedChoice answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showError(QWidget*, const QString& message) override { errors << message; }
};

} // namespace orvex::testing
