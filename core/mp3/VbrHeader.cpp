#include "core/mp3/VbrHeader.h"

namespace {
constexpr int kHeaderSize = 4;
constexpr int kCrcSize = 2;
constexpr int kVbriOffset = kHeaderSize + 32;

// A big-endian count; nullopt when it lies past the end or is 0 (a count nobody filled in).
std::optional<qint64> count(const QByteArray& bytes, qsizetype at) {
    if (at + 4 > bytes.size())
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = at; i < at + 4; ++i)
        value = value << 8 | static_cast<uchar>(bytes[i]);
    return value > 0 ? std::optional(value) : std::nullopt;
}

bool hasId(const QByteArray& frame, qsizetype at, const char (&id)[5]) {
    return at + 4 <= frame.size() && QByteArrayView(frame).sliced(at, 4) == id;
}

std::optional<VbrHeader> xing(const QByteArray& frame, qsizetype at) {
    const bool variable = hasId(frame, at, "Xing");
    if (!variable && !hasId(frame, at, "Info"))
        return std::nullopt;
    const std::optional<qint64> flags = count(frame, at + 4);
    VbrHeader h{variable, {}, {}, 0};
    qsizetype next = at + 8;
    if (flags && (*flags & 1)) {
        h.frames = count(frame, next);
        next += 4;
    }
    if (flags && (*flags & 2)) {
        h.bytes = count(frame, next);
        next += 4;
    }
    const qint64 more = flags ? (*flags & 4 ? 100 : 0) + (*flags & 8 ? 4 : 0) : 0; // TOC, quality
    h.size = next + more;
    return h;
}
} // namespace

std::optional<VbrHeader> readVbrHeader(const QByteArray& frame, int sideInfo, bool crc) {
    // Encoders disagree on whether the CRC comes before the Xing header: look in both places.
    for (const int at : {kHeaderSize + sideInfo, kHeaderSize + kCrcSize + sideInfo})
        if (auto h = xing(frame, at); h && (crc || at == kHeaderSize + sideInfo))
            return h;
    if (hasId(frame, kVbriOffset, "VBRI")) {
        const auto word = [&frame](qsizetype at) {
            return at + 2 <= frame.size() ? qint64(uchar(frame[at])) << 8 | uchar(frame[at + 1])
                                          : 0;
        };
        // 26 bytes, then a table of entries of the size it gives.
        const qint64 table = word(kVbriOffset + 18) * word(kVbriOffset + 22);
        return VbrHeader{true, count(frame, kVbriOffset + 14), count(frame, kVbriOffset + 10),
                         kVbriOffset + 26 + table};
    }
    return std::nullopt;
}
