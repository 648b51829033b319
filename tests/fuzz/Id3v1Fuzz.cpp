// Any 128 bytes as an ID3v1 tag: decoding as the tag window shows it, and writing the record
// back, which must give the bytes it was read from.
#include "core/mp3/TagEdits.h"
#include "core/mp3/TagRecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < TagRecord::kSize)
        return 0;
    const QByteArray block(reinterpret_cast<const char*>(data), TagRecord::kSize);
    const TagRecord tag = TagRecord::fromBytes(block);
    const TagText text = decodeTag(tag);
    if (text.title.size() > TagRecord::kTitleWidth ||
        text.comment.size() > TagRecord::kCommentWidth)
        std::abort();
    if (text.track && (*text.track < 1 || *text.track > 255))
        std::abort();
    // Written back, the record gives its bytes again, but for zero bytes in the text fields,
    // which are written as spaces.
    QByteArray expected = block;
    for (int i = 0; i < 125; ++i)
        if (expected[i] == '\0')
            expected[i] = ' ';
    if (tag.toBytes() != expected)
        std::abort();
    // Saved unchanged from what is shown, the tag fits its 128 bytes and keeps its genre byte.
    const std::optional<TagRecord> saved = editedTag(tag, {});
    if (!saved || saved->toBytes().size() != TagRecord::kSize || saved->Genre != tag.Genre)
        std::abort();
    (void)trackFromText(QString::fromLatin1(block.mid(3, 30)));
    return 0;
}
