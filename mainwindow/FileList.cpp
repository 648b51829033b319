#include "mainwindow/FileList.h"

#include <QDir>

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true); // keeps folders of many thousand songs quick to show
}

void FileList::setPath(const QString& folder) {
    const bool changed = folder != path_;
    path_ = folder;
    refresh();
    if (changed)
        Q_EMIT pathChanged();
}

void FileList::refresh() {
    clear();
    // Without QDir::CaseSensitive the pattern matches without regard to case.
    const QStringList names =
        QDir(path_).entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    addItems(names);
}
