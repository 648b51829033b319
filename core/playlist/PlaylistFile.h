#pragma once

#include "core/playlist/PlaylistFormat.h"

#include <QString>
#include <QVector>
#include <optional>

// Playlist files as a whole: read at once, written all or nothing.

// What a playlist file holds, and the format it was read as.
struct PlaylistRead {
    QVector<Entry> entries;
    PlaylistFormat format;
};

// The songs of the file at path, read as what it is (see formatOfFile: fallback when neither
// its content nor its ending tells), or nothing when it cannot be read to its end (reason, when
// given, receives the system's words).
[[nodiscard]] std::optional<PlaylistRead>
readPlaylistFile(const QString& path, PlaylistFormat fallback, QString* reason = nullptr,
                 const PathStyle& style = PathStyle::native());

// What became of a save.
struct PlaylistSave {
    bool written = false;
    QVector<RefusedSong> refused; // the entries the format cannot hold
    QString reason;               // the system's words when the file could not be written
};

// Writes the entries to path as their path mode gives them. The file is replaced only once
// every byte is ready and written: on any failure the old file is left as it was.
[[nodiscard]] PlaylistSave writePlaylistFile(const QString& path, PlaylistFormat format,
                                             const QVector<Entry>& entries, PathMode mode,
                                             const PathStyle& style = PathStyle::native());
// The same for a file a writer has made already (an extended playlist, say).
[[nodiscard]] PlaylistSave writePlaylistFile(const QString& path, const WrittenPlaylist& written);
