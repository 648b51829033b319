#pragma once

#include "core/playlist/PlaylistFormat.h"
#include "core/text/Result.h"

#include <QString>
#include <QVector>

// Playlist files as a whole: read at once, written all or nothing.

// What a playlist file holds, and the format it was read as.
struct PlaylistRead {
    QVector<Entry> entries;
    PlaylistFormat format;
};

// The songs of the file at path, read as what it is (see formatOfFile: fallback when neither
// its content nor its ending tells), or the system's words when it cannot be read to its end.
Result<PlaylistRead> readPlaylistFile(const QString& path, PlaylistFormat fallback,
                                      const PathStyle& style = PathStyle::native());

// Writes the entries to path as their path mode gives them. The file is replaced only once
// every byte is ready and written: on any failure the old file is left as it was. The reason
// is the user's message: the songs the format cannot hold (see refusalText), or "Could not save
// <path>:" and the system's words.
Result<> writePlaylistFile(const QString& path, PlaylistFormat format,
                           const QVector<Entry>& entries, PathMode mode,
                           const PathStyle& style = PathStyle::native());
// The same for a file a writer has made already of the entries (an extended playlist, say).
Result<> writePlaylistFile(const QString& path, const WrittenPlaylist& written,
                           const QVector<Entry>& entries,
                           const PathStyle& style = PathStyle::native());
