#include "playlist/PlaylistFormat.h"
#include "playlist/PlaylistText.h"

#include <array>

namespace {
// A positive number in decimal, without leading zeros; written into buffer, no allocation.
QStringView decimal(qint32 number, std::array<char16_t, 11>& buffer) {
    std::size_t i = buffer.size();
    do {
        buffer[--i] = char16_t(u'0' + number % 10);
        number /= 10;
    } while (number > 0);
    return QStringView(buffer.data() + i, qsizetype(buffer.size() - i));
}

// The reader drops blanks around a value and skips an empty one: a song written so would come
// back as another file, or not at all.
bool readsBackAsItself(QStringView value) {
    return !value.isEmpty() && trimBlanks(value).size() == value.size();
}
} // namespace

QVector<Entry> parsePls(const QByteArray& bytes, const PathStyle& style) {
    QVector<Entry> entries;
    entries.reserve(estimatedLineCount(bytes));
    forEachPlaylistLine(bytes, [&](QStringView line) {
        const QStringView key = trimBlanks(line);
        if (key.size() < 4 || key.left(4).compare(u"file", Qt::CaseInsensitive) != 0)
            return;
        const qsizetype equals = key.indexOf(u'=', 4);
        const QStringView song = equals < 0 ? key : trimBlanks(key.mid(equals + 1));
        if (song.isEmpty())
            return;
        entries << entryFromPath(song, style);
    });
    return entries;
}

WrittenPlaylist writePls(const QVector<Entry>& entries, PathMode mode, const QString& playlistPath,
                         const PathStyle& style) {
    PlaylistTextWriter writer(entries.size() * 90 + 40);
    writer << u"[playlist]";
    writer.endLine();
    std::array<char16_t, 11> digits;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString value = playlistLine(entries[i], mode, playlistPath, style);
        writer << u"file" << decimal(qint32(i + 1), digits) << u"=" << value;
        LineFault fault = writer.endLine();
        if (fault == LineFault::None && !readsBackAsItself(value))
            fault = LineFault::ReadAsOther;
        if (fault != LineFault::None)
            return {{}, i, fault};
    }
    writer << u"NumberOfEntries=" << QString::number(qint32(entries.size()));
    writer.endLine();
    return {writer.takeBytes()};
}
