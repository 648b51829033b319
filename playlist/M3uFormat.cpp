#include "playlist/PlaylistFormat.h"
#include "playlist/PlaylistText.h"

QVector<Entry> parseM3u(const QByteArray& bytes, const PathStyle& style) {
    QVector<Entry> entries;
    for (const QString& line : playlistLines(bytes)) {
        const QStringView song = trimBlanks(line);
        if (song.isEmpty() || song.startsWith(u"#EXT"))
            continue;
        entries << entryFromPath(song.toString(), style);
    }
    return entries;
}

WrittenPlaylist writeM3u(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style) {
    QStringList lines;
    lines.reserve(entries.size());
    for (const Entry& entry : entries)
        lines << playlistLine(entry, mode, playlistPath, style);
    qsizetype bad = -1;
    std::optional<QByteArray> bytes = encodePlaylistLines(lines, &bad);
    if (!bytes)
        return {{}, bad};
    return {std::move(*bytes), -1};
}
