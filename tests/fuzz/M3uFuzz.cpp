// Any bytes as an M3U playlist: reading, then writing the songs back in every path mode.
#include "playlist/PlaylistFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const PathStyle& style : {PathStyle::posix(), PathStyle::windows()}) {
        const QVector<Entry> entries = parseM3u(bytes, style);
        for (PathMode mode : {PathMode::Never, PathMode::Always, PathMode::Decide}) {
            const WrittenPlaylist written = writeM3u(entries, mode, u"/lists/mix.m3u"_qs, style);
            // What was written must read back as the same number of songs.
            if (written.ok() && parseM3u(written.bytes, style).size() != entries.size())
                std::abort();
        }
    }
    return 0;
}
