#include "playlist/PlaylistFormat.h"

#include <array>

namespace {
// The song a line names, blanks already trimmed; empty when the line names none.
QStringView songIn(QStringView line, PlaylistFormat format) {
    if (format == PlaylistFormat::M3u)
        return line.startsWith(u"#EXT") ? QStringView() : line;
    if (line.size() < 4 || line.left(4).compare(u"file", Qt::CaseInsensitive) != 0)
        return {};
    const qsizetype equals = line.indexOf(u'=', 4);
    return equals < 0 ? line : trimBlanks(line.mid(equals + 1));
}

QVector<Entry> readSongs(const QByteArray& bytes, PlaylistFormat format, const PathStyle& style) {
    QVector<Entry> entries;
    entries.reserve(estimatedLineCount(bytes));
    EntryMaker make(style);
    forEachPlaylistLine(bytes, [&](QStringView line) {
        const QStringView song = songIn(trimBlanks(line), format);
        if (!song.isEmpty())
            entries << make.fromPath(song);
    });
    return entries;
}

// The readers drop blanks at the ends of a song, skip an empty one and (M3U) "#EXT" lines, and
// take a mark at the very start of the file for a byte-order mark: a song written so would come
// back as another file, or not at all.
bool readsBackAsItself(QStringView song, PlaylistFormat format, bool firstLine) {
    if (song.isEmpty() || trimBlanks(song).size() != song.size())
        return false;
    return format == PlaylistFormat::Pls ||
           (!song.startsWith(u"#EXT") && !(firstLine && song.startsWith(QChar(0xFEFF))));
}

// A positive number in decimal, without leading zeros; written into buffer, no allocation.
QStringView decimal(qint32 number, std::array<char16_t, 11>& buffer) {
    std::size_t i = buffer.size();
    do {
        buffer[--i] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number > 0);
    return QStringView(buffer.data() + i, qsizetype(buffer.size() - i));
}

// One line per song (PLS: after its numbered key). Stops at the first song the format cannot
// hold and says which it is.
WrittenPlaylist writeSongs(PlaylistTextWriter& writer, PlaylistFormat format,
                           const QVector<Entry>& entries, PathMode mode,
                           const QString& playlistPath, const PathStyle& style) {
    std::array<char16_t, 11> digits;
    QString buffer;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QStringView song = playlistLine(entries[i], mode, playlistPath, buffer, style);
        if (format == PlaylistFormat::Pls)
            writer << u"file" << decimal(qint32(i + 1), digits) << u"=";
        writer << song;
        LineFault fault = writer.endLine();
        if (fault == LineFault::None && !readsBackAsItself(song, format, i == 0))
            fault = LineFault::ReadAsOther;
        if (fault != LineFault::None)
            return {{}, i, fault};
    }
    return {};
}
} // namespace

PlaylistFormat formatForStyle(int style) {
    return style == 1 ? PlaylistFormat::Pls : PlaylistFormat::M3u;
}

QVector<Entry> parseM3u(const QByteArray& bytes, const PathStyle& style) {
    return readSongs(bytes, PlaylistFormat::M3u, style);
}

QVector<Entry> parsePls(const QByteArray& bytes, const PathStyle& style) {
    return readSongs(bytes, PlaylistFormat::Pls, style);
}

QVector<Entry> parsePlaylist(PlaylistFormat format, const QByteArray& bytes,
                             const PathStyle& style) {
    return readSongs(bytes, format, style);
}

WrittenPlaylist writeM3u(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style) {
    PlaylistTextWriter writer(entries.size() * 80);
    WrittenPlaylist songs =
        writeSongs(writer, PlaylistFormat::M3u, entries, mode, playlistPath, style);
    if (!songs.ok())
        return songs;
    return {writer.takeBytes()};
}

WrittenPlaylist writePls(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style) {
    PlaylistTextWriter writer(entries.size() * 90 + 40);
    writer << u"[playlist]";
    writer.endLine();
    WrittenPlaylist songs =
        writeSongs(writer, PlaylistFormat::Pls, entries, mode, playlistPath, style);
    if (!songs.ok())
        return songs;
    writer << u"NumberOfEntries=" << QString::number(qint32(entries.size()));
    writer.endLine();
    return {writer.takeBytes()};
}

WrittenPlaylist writePlaylist(PlaylistFormat format, const QVector<Entry>& entries, PathMode mode,
                              const QString& playlistPath, const PathStyle& style) {
    return format == PlaylistFormat::Pls ? writePls(entries, mode, playlistPath, style)
                                         : writeM3u(entries, mode, playlistPath, style);
}
