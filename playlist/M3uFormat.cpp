#include "playlist/PlaylistFormat.h"
#include "playlist/PlaylistText.h"

namespace {
// The reader drops blanks at the ends of a line, skips empty and "#EXT" lines, and takes a
// mark at the very start of the file for a byte-order mark: a song written so would come back
// as another file, or not at all.
bool readsBackAsItself(QStringView line, bool firstLine) {
    return !line.isEmpty() && trimBlanks(line).size() == line.size() && !line.startsWith(u"#EXT") &&
           !(firstLine && line.startsWith(QChar(0xFEFF)));
}
} // namespace

QVector<Entry> parseM3u(const QByteArray& bytes, const PathStyle& style) {
    QVector<Entry> entries;
    entries.reserve(estimatedLineCount(bytes));
    forEachPlaylistLine(bytes, [&](QStringView line) {
        const QStringView song = trimBlanks(line);
        if (song.isEmpty() || song.startsWith(u"#EXT"))
            return;
        entries << entryFromPath(song, style);
    });
    return entries;
}

WrittenPlaylist writeM3u(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style) {
    PlaylistTextWriter writer(entries.size() * 80);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString line = playlistLine(entries[i], mode, playlistPath, style);
        writer << line;
        LineFault fault = writer.endLine();
        if (fault == LineFault::None && !readsBackAsItself(line, i == 0))
            fault = LineFault::ReadAsOther;
        if (fault != LineFault::None)
            return {{}, i, fault};
    }
    return {writer.takeBytes()};
}
