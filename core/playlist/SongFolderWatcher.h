#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class PlaylistModel;

// Watches the folders that hold the playlist's songs, so that a song deleted, moved away or put
// back by another program is noticed while the window stays open. A folder that is gone is
// watched through the nearest folder above it that is there, so that its return is noticed too.
// Entries without a folder name songs in the folder the file list shows, which that list
// watches.
class SongFolderWatcher : public QObject {
    Q_OBJECT
public:
    explicit SongFolderWatcher(const PlaylistModel& playlist, QObject* parent = nullptr);

    // The folders watched now.
    [[nodiscard]] QStringList folders() const { return watcher_.directories(); }

Q_SIGNALS:
    // Files came or went in a watched folder; a burst of changes (a copy of many songs) gives one
    // signal, within a quarter of a second of its start.
    void songsChanged();

private:
    void watchFolders();

    const PlaylistModel& playlist_;
    QFileSystemWatcher watcher_;
    QTimer settle_; // gathers a burst of changes on the disk
    QTimer follow_; // gathers a burst of edits of the playlist
};
