#include "core/playlist/PlaylistFormats.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::StringLiterals;

const QVector<PlaylistFormatInfo>& playlistFormats() {
    static const QVector<PlaylistFormatInfo> formats{
        {PlaylistFormat::M3u,
         u"M3U"_s,
         {u"m3u"_s, u"m3u8"_s},
         QCoreApplication::translate("PlaylistFormats", "Playlists (*.m3u)|*.m3u"),
         parseM3u,
         writeM3u},
        {PlaylistFormat::Pls,
         u"PLS"_s,
         {u"pls"_s},
         QCoreApplication::translate("PlaylistFormats", "Playlists (*.pls)|*.pls"),
         parsePls,
         writePls},
    };
    return formats;
}

const PlaylistFormatInfo& formatInfo(PlaylistFormat format) {
    const QVector<PlaylistFormatInfo>& formats = playlistFormats();
    const auto found = std::find_if(formats.cbegin(), formats.cend(),
                                    [format](const auto& info) { return info.format == format; });
    Q_ASSERT(found != formats.cend());
    return *found;
}

std::optional<PlaylistFormat> formatOfName(const QString& path) {
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return std::nullopt;
    const QStringView ending = QStringView(path).mid(dot + 1);
    for (const PlaylistFormatInfo& info : playlistFormats())
        for (const QString& extension : info.extensions)
            if (ending.compare(extension, Qt::CaseInsensitive) == 0)
                return info.format;
    return std::nullopt;
}

std::optional<PlaylistFormat> formatOfContent(const QByteArray& bytes) {
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    qsizetype start = 0;
    while (start < rest.size() && blank(rest[start]))
        ++start;
    qsizetype end = start;
    while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
        ++end;
    QByteArrayView line = rest.sliced(start, end - start);
    while (!line.isEmpty() && blank(line.back()))
        line.chop(1);
    if (line.compare("[playlist]", Qt::CaseInsensitive) == 0)
        return PlaylistFormat::Pls;
    if (line.startsWith("#EXTM3U"))
        return PlaylistFormat::M3u;
    return std::nullopt;
}

PlaylistFormat formatOfFile(const QString& path, const QByteArray& bytes, PlaylistFormat fallback) {
    if (const auto shown = formatOfContent(bytes))
        return *shown;
    return formatOfName(path).value_or(fallback);
}
