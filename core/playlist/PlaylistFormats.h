#pragma once

#include "core/playlist/PlaylistFormat.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// The one table of playlist formats: every question of which format a file is, what a dialog
// offers and which reader or writer serves it is answered here.
struct PlaylistFormatInfo {
    PlaylistFormat format;
    QString name;           // "M3U", "PLS"
    QStringList extensions; // lower case, without the dot; the first is the one a dialog adds
    QString filter;         // the file dialog's filter, "Playlists (*.m3u)|*.m3u"
    QVector<Entry> (*read)(const QByteArray& bytes, const PathStyle& style);
    WrittenPlaylist (*write)(const QVector<Entry>& entries, PathMode mode,
                             const QString& playlistPath, const PathStyle& style);

    QString defaultExt() const { return u'.' + extensions.first(); }
};

const QVector<PlaylistFormatInfo>& playlistFormats();
const PlaylistFormatInfo& formatInfo(PlaylistFormat format);

// The format a file name's ending stands for, in any case; nullopt for any other ending.
[[nodiscard]] std::optional<PlaylistFormat> formatOfName(const QString& path);
// The format a file's content shows by its first line that is not blank: "[playlist]" (in any
// case) is PLS, "#EXTM3U" is M3U; nullopt when that line shows neither.
[[nodiscard]] std::optional<PlaylistFormat> formatOfContent(const QByteArray& bytes);
// What a file is: its content where that tells, else its ending, else fallback.
[[nodiscard]] PlaylistFormat formatOfFile(const QString& path, const QByteArray& bytes,
                                          PlaylistFormat fallback);
