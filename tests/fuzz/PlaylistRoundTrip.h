#pragma once

#include "core/playlist/PlaylistFormat.h"

#include <cstdlib>

// Reads bytes as a playlist in both path styles and writes the songs back in every path mode:
// what was written must read back as the same number of songs.
template <typename Parse, typename Write>
void checkPlaylistRoundTrip(const QByteArray& bytes, Parse parse, Write write,
                            const QString& playlistPath) {
    for (const PathStyle& style : {PathStyle::posix(), PathStyle::windows()}) {
        const QVector<Entry> entries = parse(bytes, style);
        for (PathMode mode : {PathMode::Never, PathMode::Always, PathMode::Decide}) {
            const WrittenPlaylist written = write(entries, mode, playlistPath, style);
            if (written.ok() && parse(written.bytes, style).size() != entries.size())
                std::abort();
        }
    }
}
