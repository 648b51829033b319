#include "fakes/FakeFileDialogs.h"

#include <gtest/gtest.h>

QString FakeFileDialogs::next(const FileDialogRequest& request) {
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected file dialog \"" << request.title.toStdString() << "\"";
        return {};
    }
    QString path = answers_.front();
    answers_.pop_front();
    return path;
}

QString FakeFileDialogs::getOpenFileName(const FileDialogRequest& request) {
    openRequests_.push_back(request);
    return next(request);
}

QString FakeFileDialogs::getSaveFileName(const FileDialogRequest& request) {
    saveRequests_.push_back(request);
    return next(request);
}
