#include "core/playlist/RecordedSongInfo.h"

#include "core/text/TextFiles.h"

#include <QHash>
#include <utility>

namespace {
// The whole seconds a length gives ("215", "215.4"); -1 for anything else ("-1" among them).
qint64 secondsIn(QStringView text) {
    qsizetype end = 0;
    while (end < text.size() && text[end].isDigit())
        ++end;
    bool ok = false;
    const qint64 seconds = text.left(end).toLongLong(&ok);
    return ok ? seconds : -1;
}

// "#EXTINF:215 tvg-name=\"x\",Artist - Title": the length, then the title after the comma.
SongInfo extInf(QStringView line) {
    const QStringView rest = line.sliced(8);
    const qsizetype comma = rest.indexOf(u',');
    return {comma < 0 ? QString() : rest.sliced(comma + 1).toString(), secondsIn(trimBlanks(rest))};
}

// The key of a PLS line split into its word and its number: "Length12=215" gives Length, 12.
bool plsKey(QStringView line, QStringView& word, int& number, QStringView& value) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return false;
    qsizetype digits = equals;
    while (digits > 0 && line[digits - 1].isDigit())
        --digits;
    bool ok = false;
    number = trimBlanks(line.sliced(digits, equals - digits)).toInt(&ok);
    word = line.left(digits);
    value = trimBlanks(line.sliced(equals + 1));
    return ok;
}

QVector<SongInfo> m3uInfo(const QByteArray& bytes, bool& any) {
    QVector<SongInfo> info;
    SongInfo next;
    forEachPlaylistLine(bytes, [&](QStringView line) {
        line = trimBlanks(line);
        if (line.startsWith(u"#EXTINF:")) {
            next = extInf(line);
            any = true;
        } else if (!songIn(line, PlaylistFormat::M3u).isEmpty()) {
            info << std::exchange(next, SongInfo{});
        }
    });
    return info;
}

QVector<SongInfo> plsInfo(const QByteArray& bytes, bool& any) {
    QVector<int> numbers; // the key number of each song, -1 when it has none
    QHash<int, SongInfo> told;
    forEachPlaylistLine(bytes, [&](QStringView line) {
        line = trimBlanks(line);
        QStringView word, value;
        int number = -1;
        const bool keyed = plsKey(line, word, number, value);
        if (!songIn(line, PlaylistFormat::Pls).isEmpty()) {
            numbers << (keyed && word.compare(u"file", Qt::CaseInsensitive) == 0 ? number : -1);
        } else if (keyed && word.compare(u"title", Qt::CaseInsensitive) == 0) {
            told[number].title = value.toString();
            any = true;
        } else if (keyed && word.compare(u"length", Qt::CaseInsensitive) == 0) {
            told[number].seconds = secondsIn(value);
            any = true;
        }
    });
    QVector<SongInfo> info;
    info.reserve(numbers.size());
    for (const int number : std::as_const(numbers))
        info << told.value(number);
    return info;
}
} // namespace

QVector<SongInfo> recordedSongInfo(PlaylistFormat format, const QByteArray& bytes) {
    const QByteArray readable = asReadable(bytes);
    bool any = false;
    QVector<SongInfo> info =
        format == PlaylistFormat::M3u ? m3uInfo(readable, any) : plsInfo(readable, any);
    return any ? info : QVector<SongInfo>();
}
