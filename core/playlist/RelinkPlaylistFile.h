#pragma once

#include "core/playlist/PlaylistFile.h"
#include "core/playlist/Relink.h"

// Relinking a playlist file where it lies: what velmora-cli's playlist relink does to each list.

struct PlaylistRelink {
    bool read = false;              // false when the file could not be read (see reason)
    QString reason;                 // the system's words when it could not be read
    QVector<RelinkedEntry> entries; // one per song, in playlist order
    RelinkCounts counts;
    bool written = false; // true only when the file was rewritten
    QString notWritten;   // why a rewrite failed, in the user's words
};

// Reads the playlist at path (its absolute path), finds its missing songs in the library as
// relinkMissing does (entries without a folder, and relative folders, are taken from the
// playlist's own folder; the playing times are those the file records), and unless dryRun
// rewrites it when any was found: in its format, all or nothing, replacing the file only once
// every byte is ready. The entries that were not found are written as they were read. A found
// song is written with its full path, unless it was written as a bare name and now lies beside
// the playlist. When the file recorded titles and playing times, they are written again.
PlaylistRelink relinkPlaylistFile(const QString& path, PlaylistFormat format,
                                  const LibraryIndex& library, bool dryRun,
                                  const SongSeconds& songSeconds = songSecondsOfFile,
                                  const PathStyle& style = PathStyle::native());
