#include "core/playlist/PlaylistFormat.h"

#include "core/playlist/SongAddress.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {
// True when the line starts with "file" in any case. No character but the ASCII letters has
// f, i, l or e for its case-folded form, so each is matched against its two ASCII forms.
bool startsWithFileKey(QStringView line) {
    constexpr char16_t kKey[] = u"file";
    for (qsizetype i = 0; i < 4; ++i)
        if (i >= line.size() || (line[i].unicode() | 0x20) != kKey[i])
            return false;
    return true;
}

} // namespace

// The song a line names, blanks already trimmed; empty when the line names none.
QStringView songIn(QStringView line, PlaylistFormat format) {
    if (format == PlaylistFormat::M3u)
        return line.startsWith(u"#EXT") ? QStringView() : line;
    if (!startsWithFileKey(line))
        return {};
    // The "=" nearly always follows the key's few digits: a plain look beats a search.
    qsizetype equals = 4;
    while (equals < line.size() && line[equals] != u'=')
        ++equals;
    return equals == line.size() ? line : trimBlanks(line.sliced(equals + 1));
}

// A line that is not UTF-8 was written by an older program in the Windows code page, nearly
// always Windows-1252. Each line is judged on its own: a playlist that a newer program extended
// keeps its UTF-8 lines whole beside the old ones. A file with such a line is given back as
// UTF-8 after a byte-order mark, which the line reader follows; CR and LF keep their bytes, so
// the lines stay as they were.
QByteArray asReadable(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom) || QByteArrayView(bytes).isValidUtf8())
        return bytes;
    QStringDecoder legacy("windows-1252");
    // Without ICU Qt knows no Windows-1252; Latin-1 then reads every letter but the few that
    // Windows-1252 keeps in 0x80-0x9F (the euro sign, curly quotes...).
    if (!legacy.isValid())
        legacy = QStringDecoder(QStringConverter::Latin1);
    QByteArray readable;
    readable.reserve(bytes.size() + bytes.size() / 8 + bom.size());
    readable += bom;
    const QByteArrayView all(bytes);
    const auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = start;
        while (end < all.size() && !lineEnd(all[end]))
            ++end;
        const QByteArrayView line = all.sliced(start, end - start);
        if (line.isValidUtf8())
            readable += line;
        else
            readable += QString(legacy(line)).toUtf8();
        start = end;
        while (end < all.size() && lineEnd(all[end]))
            ++end;
        readable += all.sliced(start, end - start);
        start = end;
    }
    return readable;
}

namespace {
QVector<Entry> readSongs(const QByteArray& file, PlaylistFormat format, const PathStyle& style) {
    const QByteArray bytes = asReadable(file);
    QVector<Entry> entries;
    entries.reserve(estimatedLineCount(bytes));
    EntryMaker make(style);
    forEachPlaylistLine(bytes, [&](QStringView line) {
        const QStringView song = songIn(trimBlanks(line), format);
        if (!song.isEmpty())
            entries << (isAddress(song) ? entryFromLine(song, style) : make.fromPath(song));
    });
    return entries;
}

// The readers drop blanks at the ends of a song, skip an empty one and (M3U) "#EXT" lines, take
// an address for a stream or a file URI, and take a mark at the very start of the file for a
// byte-order mark: a song written so would come back as another file, or not at all.
bool readsBackAsItself(const Entry& entry, QStringView song, PlaylistFormat format,
                       bool firstLine) {
    if (song.isEmpty() || trimBlanks(song).size() != song.size())
        return false;
    if (isAddress(song) != entry.stream)
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

// "fileN=", the key of the song numbered number; written into buffer, no allocation.
QStringView fileKey(qint32 number, std::array<char16_t, 16>& buffer) {
    std::array<char16_t, 11> digits;
    const QStringView n = decimal(number, digits);
    char16_t* out = std::copy_n(u"file", 4, buffer.data());
    out = std::copy(n.utf16(), n.utf16() + n.size(), out);
    *out++ = u'=';
    return QStringView(buffer.data(), out);
}

// A title on one line.
QString oneLine(QString title) {
    return title.replace(u'\r', u' ').replace(u'\n', u' ');
}

// One line per song (PLS: after its numbered key), with the extended lines when info is given.
// Goes on past songs the format cannot hold, so that all of them are named at once.
WrittenPlaylist writeSongs(PlaylistTextWriter& writer, PlaylistFormat format,
                           const QVector<Entry>& entries, const QVector<SongInfo>* info,
                           PathMode mode, const QString& playlistPath, const PathStyle& style) {
    std::array<char16_t, 11> digits;
    std::array<char16_t, 16> key;
    QString buffer;
    WrittenPlaylist written;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const bool firstLine = i == 0 && !info;
        const Entry& entry = entries[i];
        QStringView song = playlistLine(entry, mode, playlistPath, buffer, style);
        bool readsBack = readsBackAsItself(entry, song, format, firstLine);
        // A bare name that the reader would not give back may still stand as a full path.
        if (!readsBack && song.data() == entry.name.data() && !entry.folder.isEmpty() &&
            !entry.stream) {
            song = playlistLine(entry, PathMode::Always, playlistPath, buffer, style);
            readsBack = readsBackAsItself(entry, song, format, firstLine);
        }
        const QString seconds = info ? QString::number((*info)[i].seconds) : QString();
        if (info && format == PlaylistFormat::M3u) {
            writer << u"#EXTINF:" << seconds << u"," << oneLine((*info)[i].title);
            writer.endLine(); // a title that cannot be written leaves the song as it is
        }
        if (format == PlaylistFormat::Pls)
            writer << fileKey(qint32(i + 1), key);
        writer << song;
        LineFault fault = writer.endLine();
        if (fault == LineFault::None && !readsBack)
            fault = LineFault::ReadAsOther;
        if (fault != LineFault::None)
            written.refused << RefusedSong{i, fault};
        if (info && format == PlaylistFormat::Pls) {
            const QStringView n = decimal(qint32(i + 1), digits);
            writer << u"Title" << n << u"=" << oneLine((*info)[i].title);
            writer.endLine();
            writer << u"Length" << n << u"=" << seconds;
            writer.endLine();
        }
    }
    return written;
}

WrittenPlaylist writeWhole(PlaylistFormat format, const QVector<Entry>& entries,
                           const QVector<SongInfo>* info, PathMode mode,
                           const QString& playlistPath, const PathStyle& style) {
    PlaylistTextWriter writer(entries.size() * (info ? 140 : 90) + 40);
    if (format == PlaylistFormat::Pls)
        writer << u"[playlist]";
    else if (info)
        writer << u"#EXTM3U";
    if (format == PlaylistFormat::Pls || info)
        writer.endLine();
    WrittenPlaylist songs = writeSongs(writer, format, entries, info, mode, playlistPath, style);
    if (!songs.ok())
        return songs;
    if (format == PlaylistFormat::Pls) {
        writer << u"NumberOfEntries=" << QString::number(qint32(entries.size()));
        writer.endLine();
    }
    return {writer.takeBytes(), {}};
}
} // namespace

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
    return writeWhole(PlaylistFormat::M3u, entries, nullptr, mode, playlistPath, style);
}

WrittenPlaylist writePls(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style) {
    return writeWhole(PlaylistFormat::Pls, entries, nullptr, mode, playlistPath, style);
}

WrittenPlaylist writePlaylist(PlaylistFormat format, const QVector<Entry>& entries, PathMode mode,
                              const QString& playlistPath, const PathStyle& style) {
    return writeWhole(format, entries, nullptr, mode, playlistPath, style);
}

WrittenPlaylist writeExtendedPlaylist(PlaylistFormat format, const QVector<Entry>& entries,
                                      const QVector<SongInfo>& info, PathMode mode,
                                      const QString& playlistPath, const PathStyle& style) {
    Q_ASSERT(info.size() == entries.size());
    return writeWhole(format, entries, &info, mode, playlistPath, style);
}
