#pragma once

#include "core/playlist/PlaylistFormat.h"

#include <QByteArray>
#include <QVector>

// What an extended playlist file says of its songs besides their paths: the #EXTINF lines of
// M3U (each telling of the song line after it), the TitleN and LengthN keys of PLS (telling of
// the song of key fileN). The readers of PlaylistFormat.h skip these lines; this keeps them for
// the uses that need them (finding a moved song by its playing time, writing them back).
// One SongInfo per song that parsePlaylist gives, in the same order; empty when the file
// records nothing of any song.
QVector<SongInfo> recordedSongInfo(PlaylistFormat format, const QByteArray& bytes);
