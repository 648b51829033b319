#include "playlist/PlaylistFormat.h"
#include "playlist/PlaylistText.h"

QVector<Entry> parsePls(const QByteArray& bytes, const PathStyle& style) {
    QVector<Entry> entries;
    for (const QString& line : playlistLines(bytes)) {
        const QStringView text = trimBlanks(line);
        if (text.size() < 4 || text.left(4).compare(u"file", Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype equals = text.indexOf(u'=', 4);
        const QStringView song = equals < 0 ? text : trimBlanks(text.mid(equals + 1));
        if (song.isEmpty())
            continue;
        entries << entryFromPath(song.toString(), style);
    }
    return entries;
}

WrittenPlaylist writePls(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style) {
    QStringList lines;
    lines.reserve(entries.size() + 2);
    lines << u"[playlist]"_qs;
    qint32 counter = 0;
    for (const Entry& entry : entries) {
        ++counter;
        lines << u"file"_qs + QString::number(counter) + u'=' +
                     playlistLine(entry, mode, playlistPath, style);
    }
    lines << u"NumberOfEntries="_qs + QString::number(counter);
    qsizetype bad = -1;
    std::optional<QByteArray> bytes = encodePlaylistLines(lines, &bad);
    if (!bytes)
        return {{}, bad - 1}; // line 0 is "[playlist]"
    return {std::move(*bytes), -1};
}
