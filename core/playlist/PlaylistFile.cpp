#include "core/playlist/PlaylistFile.h"

#include "core/playlist/PlaylistFormats.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFiles.h"

std::optional<PlaylistRead> readPlaylistFile(const QString& path, PlaylistFormat fallback,
                                             QString* reason, const PathStyle& style) {
    const std::optional<QByteArray> bytes = readWholeFile(path, reason);
    if (!bytes)
        return std::nullopt;
    const PlaylistFormatInfo& format = formatInfo(formatOfFile(path, *bytes, fallback));
    return PlaylistRead{format.read(*bytes, style), format.format};
}

PlaylistSave writePlaylistFile(const QString& path, PlaylistFormat format,
                               const QVector<Entry>& entries, PathMode mode,
                               const PathStyle& style) {
    return writePlaylistFile(path, formatInfo(format).write(entries, mode, path, style));
}

PlaylistSave writePlaylistFile(const QString& path, const WrittenPlaylist& written) {
    if (!written.ok())
        return {false, written.refused, {}};
    PlaylistSave save;
    save.written = replaceFileAtomically(path, written.bytes, &save.reason);
    return save;
}
