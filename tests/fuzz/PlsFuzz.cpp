// Any bytes as a PLS playlist: reading, then writing the songs back in every path mode.
#include "playlist/PlaylistFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const PathStyle& style : {PathStyle::posix(), PathStyle::windows()}) {
        const QVector<Entry> entries = parsePls(bytes, style);
        for (PathMode mode : {PathMode::Never, PathMode::Always, PathMode::Decide}) {
            const WrittenPlaylist written = writePls(entries, mode, u"/lists/mix.pls"_qs, style);
            if (written.ok() && parsePls(written.bytes, style).size() != entries.size())
                std::abort();
        }
    }
    return 0;
}
