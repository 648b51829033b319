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
    VbrHeader h{variable, {}, {}};
    qsizetype next = at + 8;
    if (flags && (*flags & 1)) {
        h.frames = count(frame, next);
        next += 4;
    }
    if (flags && (*flags & 2))
        h.bytes = count(frame, next);
    return h;
}
} // namespace

std::optional<VbrHeader> readVbrHeader(const QByteArray& frame, int sideInfo, bool crc) {
    // Encoders disagree on whether the CRC comes before the Xing header: look in both places.
    for (const int at : {kHeaderSize + sideInfo, kHeaderSize + kCrcSize + sideInfo})
        if (auto h = xing(frame, at); h && (crc || at == kHeaderSize + sideInfo))
            return h;
    if (hasId(frame, kVbriOffset, "VBRI"))
        return VbrHeader{true, count(frame, kVbriOffset + 14), count(frame, kVbriOffset + 10)};
    return std::nullopt;
}
