#pragma once

#include "core/playlist/Entry.h"
#include "core/playlist/LibraryIndex.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// Finding the songs of a playlist again after the music moved (a new disk, a tidied tree).

enum class RelinkOutcome {
    Kept,      // the song is there, or the entry is a stream: left alone
    Found,     // missing, and found in the library
    Ambiguous, // missing, and more than one file could be it
    NotFound,  // missing, and no file of its name in the library
};

struct RelinkedEntry {
    RelinkOutcome outcome = RelinkOutcome::Kept;
    Entry entry;            // Found: the song's new place; otherwise the entry as it was
    QString oldPath;        // where the song was looked for
    QStringList candidates; // Ambiguous: the files it could be, in the order of their paths
};

struct RelinkCounts {
    qsizetype found = 0, ambiguous = 0, notFound = 0;
    qsizetype missing() const { return found + ambiguous + notFound; }
};

// A song's playing time in whole seconds; -1 when it cannot be told.
using SongSeconds = std::function<qint64(const QString& path)>;
// The playing time the song's MPEG audio frames give (see ReadHeader).
qint64 songSecondsOfFile(const QString& path);

// For each entry, in playlist order, what became of it. Entries whose songs are there (looked
// for as missingSongs does: one without a folder in bareFolder) and streams are kept. For a
// missing song, the library's files of the same name:
// - one file: that file;
// - several: the one whose folders share the longest tail with the old path's folders
//   (.../Artist/Album/01 Song.mp3); when still tied and the playlist recorded the song's
//   playing time (seconds[i] for entries[i], -1 when unknown; seconds may be empty), the one
//   tied file whose playing time is within a second of it; otherwise the tied files are
//   reported as candidates and the entry left;
// - none: the entry is left.
// Only the tied files' playing times are read, and only when a time was recorded.
QVector<RelinkedEntry> relinkMissing(const QVector<Entry>& entries, const QString& bareFolder,
                                     const LibraryIndex& library,
                                     const QVector<qint64>& seconds = {},
                                     const SongSeconds& songSeconds = songSecondsOfFile,
                                     const PathStyle& style = PathStyle::native());

RelinkCounts countOutcomes(const QVector<RelinkedEntry>& relinked);
