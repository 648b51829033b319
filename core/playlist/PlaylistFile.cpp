#include "core/playlist/PlaylistFile.h"

#include "core/playlist/PlaylistFormats.h"
#include "core/playlist/SaveRefusal.h"
#include "core/text/AtomicFile.h"
#include "core/text/TextFiles.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

Result<PlaylistRead> readPlaylistFile(const QString& path, PlaylistFormat fallback,
                                      const PathStyle& style) {
    const Result<QByteArray> bytes = readWholeFile(path);
    if (!bytes)
        return fail(bytes.reason());
    const PlaylistFormatInfo& format = formatInfo(formatOfFile(path, *bytes, fallback));
    return PlaylistRead{format.read(*bytes, style), format.format};
}

Result<> writePlaylistFile(const QString& path, PlaylistFormat format,
                           const QVector<Entry>& entries, PathMode mode, const PathStyle& style) {
    return writePlaylistFile(path, formatInfo(format).write(entries, mode, path, style), entries,
                             style);
}

Result<> writePlaylistFile(const QString& path, const WrittenPlaylist& written,
                           const QVector<Entry>& entries, const PathStyle& style) {
    if (!written.ok())
        return fail(refusalText(entries, written.refused, style));
    if (Result<> replaced = replaceFileAtomically(path, written.bytes); !replaced)
        return fail(QCoreApplication::translate("PlaylistFile", "Could not save %1:\n%2")
                        .arg(path, replaced.reason()));
    return {};
}
