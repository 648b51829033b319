#include "gui/mainwindow/FileList.h"

#include "gui/mainwindow/ListSelection.h"

#include <QDir>
#include <QScrollBar>
#include <QSet>

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true); // keeps folders of many thousand songs quick to show
    settle_.setSingleShot(true);
    settle_.setInterval(250);
    // Not restarted by every change: a long copy shows its songs as they arrive.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!settle_.isActive())
            settle_.start();
    });
    connect(&settle_, &QTimer::timeout, this, &FileList::refresh);
}

void FileList::setPath(const QString& folder) {
    const bool changed = folder != path_;
    if (changed) {
        if (!watcher_.directories().isEmpty())
            watcher_.removePaths(watcher_.directories());
        if (!folder.isEmpty())
            watcher_.addPath(folder);
        path_ = folder;
        clear(); // another folder starts with nothing selected
    }
    reread();
    if (changed)
        Q_EMIT pathChanged();
}

void FileList::refresh() {
    if (reread())
        Q_EMIT filesChanged();
}

bool FileList::reread() {
    // Without QDir::CaseSensitive the pattern matches without regard to case.
    const QStringList names =
        QDir(path_).entryList({pattern_}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList shown;
    for (int i = 0; i < count(); ++i)
        shown << item(i)->text();
    if (names == shown)
        return false;
    // Kept by name: rows move when a song arrives or leaves above them.
    const QVector<bool> flags = selectionFlags(*this);
    QSet<QString> selected;
    for (int i = 0; i < flags.size(); ++i)
        if (flags[i])
            selected.insert(shown[i]);
    const QString current = currentItem() ? currentItem()->text() : QString();
    const int scrolled = verticalScrollBar()->value();

    clear();
    addItems(names);
    QVector<bool> keep(names.size());
    for (int i = 0; i < names.size(); ++i)
        keep[i] = selected.contains(names[i]);
    if (const int row = names.indexOf(current); !current.isEmpty() && row >= 0)
        setCurrentRow(row, QItemSelectionModel::NoUpdate);
    selectFlagged(*this, keep);
    verticalScrollBar()->setValue(scrolled);
    return true;
}
