#include "core/mp3/EndTags.h"

namespace {
constexpr qint64 kId3v1Size = 128;
constexpr qint64 kApeFooterSize = 32;
constexpr qint64 kId3v2FooterSize = 10;
constexpr qint64 kLyricsTrailerSize = 15; // six digits of size, then "LYRICS200"

quint32 littleEndian(const QByteArray& b, qsizetype at) {
    quint32 n = 0;
    for (qsizetype i = at + 3; i >= at; --i)
        n = n << 8 | static_cast<uchar>(b[i]);
    return n;
}

// The bytes of the tag that ends at end, 0 when none does; nullopt when reading fails.
std::optional<qint64> tagBefore(SongReader& reader, qint64 start, qint64 end) {
    const qint64 look = qMin<qint64>(end - start, kId3v1Size);
    const std::optional<QByteArray> tail = reader.bytesAt(end - look, look);
    if (!tail)
        return std::nullopt;
    const QByteArray& t = *tail;
    const auto endsWith = [&](qint64 back, QByteArrayView id) {
        return back <= t.size() && QByteArrayView(t).sliced(t.size() - back, id.size()) == id;
    };
    if (endsWith(kId3v1Size, "TAG"))
        return kId3v1Size;
    if (endsWith(kApeFooterSize, "APETAGEX")) {
        const qsizetype at = t.size() - kApeFooterSize;
        const bool hasHeader = littleEndian(t, at + 20) & 0x80000000u;
        return qint64(littleEndian(t, at + 12)) + (hasHeader ? kApeFooterSize : 0);
    }
    if (endsWith(kId3v2FooterSize, "3DI")) {
        qint64 size = 0;
        for (qsizetype i = t.size() - 4; i < t.size(); ++i)
            size = size << 7 | (static_cast<uchar>(t[i]) & 0x7F);
        return size + 2 * kId3v2FooterSize;
    }
    if (endsWith(9, "LYRICS200") && t.size() >= kLyricsTrailerSize) {
        bool ok = false;
        const qint64 size = t.mid(t.size() - kLyricsTrailerSize, 6).toLongLong(&ok);
        return ok ? size + kLyricsTrailerSize : 0;
    }
    return 0;
}

} // namespace

std::optional<qint64> audioEnd(SongReader& reader, qint64 start, qint64 end) {
    for (;;) {
        if (end <= start)
            return start;
        const std::optional<qint64> tag = tagBefore(reader, start, end);
        if (!tag)
            return std::nullopt;
        if (*tag <= 0 || *tag > end - start)
            return end; // no tag, or a size that cannot be: what is there counts as audio
        end -= *tag;
    }
}
