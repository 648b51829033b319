#include "core/playlist/SongFolderWatcher.h"

#include "core/playlist/PlaylistModel.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {
// Each watched folder takes one of the user's inotify watches, which other programs share; a
// playlist drawn from more folders is still checked whenever the window becomes active.
constexpr qsizetype kMostFolders = 1000;

// The folder itself when it is there, else the nearest folder above it that is.
QString presentFolder(const QString& folder) {
    QString at = QDir::cleanPath(folder);
    while (!QFileInfo(at).isDir()) {
        const QString up = QFileInfo(at).path();
        if (up == at)
            return {};
        at = up;
    }
    return at;
}
} // namespace

SongFolderWatcher::SongFolderWatcher(const PlaylistModel& playlist, QObject* parent)
    : QObject(parent), playlist_(playlist) {
    settle_.setSingleShot(true);
    settle_.setInterval(250);
    follow_.setSingleShot(true);
    follow_.setInterval(0);
    // Not restarted by every change: a long copy is seen as it goes.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!settle_.isActive())
            settle_.start();
    });
    connect(&settle_, &QTimer::timeout, this, [this] {
        watchFolders(); // a folder that went is now watched through the one above it
        Q_EMIT songsChanged();
    });
    connect(&follow_, &QTimer::timeout, this, &SongFolderWatcher::watchFolders);
    const auto follow = [this] { follow_.start(); };
    connect(&playlist, &QAbstractItemModel::rowsInserted, this, follow);
    connect(&playlist, &QAbstractItemModel::rowsRemoved, this, follow);
    connect(&playlist, &QAbstractItemModel::modelReset, this, follow);
}

void SongFolderWatcher::watchFolders() {
    QSet<QString> folders; // the playlist's folders, each looked at once
    QSet<QString> wanted;
    for (const Entry& entry : playlist_.entries()) {
        if (entry.stream || entry.folder.isEmpty() || !QDir::isAbsolutePath(entry.folder))
            continue;
        if (folders.contains(entry.folder))
            continue;
        folders.insert(entry.folder);
        if (const QString present = presentFolder(entry.folder); !present.isEmpty())
            wanted.insert(present);
        if (wanted.size() >= kMostFolders)
            break;
    }
    QStringList gone;
    for (const QString& folder : watcher_.directories())
        if (!wanted.remove(folder))
            gone << folder;
    if (!gone.isEmpty())
        watcher_.removePaths(gone);
    if (!wanted.isEmpty())
        watcher_.addPaths(QStringList(wanted.begin(), wanted.end()));
}
