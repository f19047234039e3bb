#pragma once

#include "windows/shell/choosers.h"

#include <deque>

namespace orvex::testing {

// Answers each chooser with the next scripted reply; none means the user cancelled.
class FakeChoosers final : public Choosers {
public:
    std::deque<std::optional<QString>> folderReplies;
    std::deque<std::optional<QString>> openReplies;
    std::deque<std::optional<QString>> existingFileReplies;
    QString lastStartFolder;
    QString lastProposedPath;
    QString lastFilter;

    std::optional<QString> chooseFolder(QWidget*, const QString& startFolder) override {
        lastStartFolder = startFolder;
        return next(folderReplies);
    }
    std::optional<QString> chooseFileToOpen(QWidget*, const QString& proposedPath,
                                            const QString&) override {
        lastProposedPath = proposedPath;
        return next(openReplies);
    }
    std::optional<QString> chooseExistingFile(QWidget*, const QString& startFolder,
                                              const QString& filter) override {
        lastStartFolder = startFolder;
        lastFilter = filter;
        return next(existingFileReplies);
    }

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& replies) {
        std::optional<QString> reply;
        if (!replies.empty()) {
            reply.swap(replies.front());
            replies.pop_front();
        }
        return reply;
    }
};

} // namespace orvex::testing
