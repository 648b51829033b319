#include "support/SongBytes.h"

namespace {
QByteArray field(const QByteArray& text, int width, char pad) {
    return text.left(width) + QByteArray(width - qMin<qsizetype>(text.size(), width), pad);
}
} // namespace

QByteArray mpegHeader(int version, int layer, int bitrate, int sampling, int mode, bool padded) {
    return QByteArray("\xFF", 1) + char(0xE1 | version << 3 | layer << 1) +
           char(bitrate << 4 | sampling << 2 | (padded ? 2 : 0)) + char(mode << 6);
}

QByteArray mpegFrame(const QByteArray& header, int length) {
    return header + QByteArray(length - header.size(), '\x55');
}

QByteArray mpegFrame() {
    return mpegFrame(mpegHeader(3, 1, 9, 0, 1), 417);
}

QByteArray encoderFrame(const char* id, quint32 frames, quint32 bytes, const QByteArray& frame) {
    const auto be = [](quint32 n) {
        const char b[] = {char(n >> 24), char(n >> 16 & 0xFF), char(n >> 8 & 0xFF), char(n & 0xFF)};
        return QByteArray(b, 4);
    };
    const QByteArray body = qstrcmp(id, "VBRI") == 0
                                ? QByteArray(6, '\1') + be(bytes) + be(frames) + QByteArray(8, 0)
                                : be(3) + be(frames) + be(bytes);     // flags: frames and bytes
    return QByteArray(frame).replace(36, 4 + body.size(), id + body); // after the side information
}

QByteArray id3v1Tag(const Id3v1& t) {
    return field(t.header, 3, ' ') + field(t.title, 30, t.pad) + field(t.artist, 30, t.pad) +
           field(t.album, 30, t.pad) + field(t.year, 4, t.pad) + field(t.comment, 28, t.pad) +
           char(t.marker) + char(t.track) + char(t.genre);
}
