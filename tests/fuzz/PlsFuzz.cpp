// Any bytes as a PLS playlist: reading, then writing the songs back in every path mode.
#include "PlaylistRoundTrip.h"

#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    checkPlaylistRoundTrip(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)),
                           parsePls, writePls, u"/lists/mix.pls"_s);
    return 0;
}
