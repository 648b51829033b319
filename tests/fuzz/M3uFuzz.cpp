// Any bytes as an M3U playlist: reading, then writing the songs back in every path mode.
#include "PlaylistRoundTrip.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkPlaylistRoundTrip(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                           parseM3u, writeM3u, u"/lists/mix.m3u"_s);
    return 0;
}
