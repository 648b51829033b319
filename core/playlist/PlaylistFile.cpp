#include "core/playlist/PlaylistFile.h"

#include "core/text/AtomicFile.h"
#include "core/text/TextFiles.h"

std::optional<QVector<Entry>> readPlaylistFile(const QString& path, PlaylistFormat format,
                                               QString* reason, const PathStyle& style) {
    const std::optional<QByteArray> bytes = readWholeFile(path, reason);
    if (!bytes)
        return std::nullopt;
    return parsePlaylist(format, *bytes, style);
}

PlaylistSave writePlaylistFile(const QString& path, PlaylistFormat format,
                               const QVector<Entry>& entries, PathMode mode,
                               const PathStyle& style) {
    return writePlaylistFile(path, writePlaylist(format, entries, mode, path, style));
}

PlaylistSave writePlaylistFile(const QString& path, const WrittenPlaylist& written) {
    if (!written.ok())
        return {false, written.refused, {}};
    PlaylistSave save;
    save.written = replaceFileAtomically(path, written.bytes, &save.reason);
    return save;
}
