// Any bytes as the start of a song: the ID3v2 tag is read whole or not at all, its texts hold no
// zero character, and a plain tag read without TagLib reads as TagLib reads it.
#include "core/mp3/Id3v2Tag.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<Id3v2Tag> tag = parseId3v2(bytes);
    if (tag != parseId3v2ByTagLib(bytes))
        std::abort();
    if (!tag)
        return 0;
    const qint64 length = id3v2TagLength(bytes);
    if (length <= 0 || length > bytes.size() || tag->version < 2 || tag->version > 4)
        std::abort();
    for (const QString& text :
         {tag->title, tag->artist, tag->album, tag->year, tag->genre, tag->comment})
        if (text.contains(QChar(0)))
            std::abort();
    if (tag->year.size() > 4 || (tag->track && *tag->track <= 0))
        std::abort();
    return 0;
}
