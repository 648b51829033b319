#pragma once

#include "platform/FileDialogs.h"

#include <deque>
#include <vector>

// Answers open and save dialogs from a script of paths ("" = cancelled) and records the requests.
class FakeFileDialogs : public FileDialogs {
public:
    QString getOpenFileName(const FileDialogRequest& request) override;
    QString getSaveFileName(const FileDialogRequest& request) override;

    void answer(const QString& path) { answers_.push_back(path); }
    const std::vector<FileDialogRequest>& opened() const { return openRequests_; }
    const std::vector<FileDialogRequest>& saved() const { return saveRequests_; }

private:
    QString next(const FileDialogRequest& request);
    std::deque<QString> answers_;
    std::vector<FileDialogRequest> openRequests_, saveRequests_;
};
