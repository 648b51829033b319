// Any bytes as genres.txt.
#include "core/mp3/GenreList.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const Genre& genre : parseGenres(bytes))
        if (genre.number < 0 || genre.number > 255)
            std::abort(); // a number that does not fit the genre byte
    return 0;
}
