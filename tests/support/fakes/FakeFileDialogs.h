#pragma once

#include "core/platform/FileDialogs.h"

#include <deque>
#include <gtest/gtest.h>
#include <vector>

// Answers open, save and folder dialogs from a script of paths ("" = cancelled) and records the
// requests.
class FakeFileDialogs : public FileDialogs {
public:
    QString getOpenFileName(const FileDialogRequest& request) override {
        opened.push_back(request);
        return next(request);
    }
    QString getSaveFileName(const FileDialogRequest& request) override {
        saved.push_back(request);
        return next(request);
    }
    QString getExistingFolder(const FileDialogRequest& request) override {
        folders.push_back(request);
        return next(request);
    }
    void answer(const QString& path) { answers.push_back(path); }

    std::vector<FileDialogRequest> opened, saved, folders;

private:
    QString next(const FileDialogRequest& request) {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected file dialog \"" << request.title.toStdString() << "\"";
            return {};
        }
        const QString path = answers.front();
        answers.pop_front();
        return path;
    }
    std::deque<QString> answers;
};
