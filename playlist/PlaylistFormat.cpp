#include "playlist/PlaylistFormat.h"

PlaylistFormat formatForStyle(int style) {
    return style == 1 ? PlaylistFormat::Pls : PlaylistFormat::M3u;
}

QVector<Entry> parsePlaylist(PlaylistFormat format, const QByteArray& bytes,
                             const PathStyle& style) {
    return format == PlaylistFormat::Pls ? parsePls(bytes, style) : parseM3u(bytes, style);
}

WrittenPlaylist writePlaylist(PlaylistFormat format, const QVector<Entry>& entries, PathMode mode,
                              const QString& playlistPath, const PathStyle& style) {
    return format == PlaylistFormat::Pls ? writePls(entries, mode, playlistPath, style)
                                         : writeM3u(entries, mode, playlistPath, style);
}
