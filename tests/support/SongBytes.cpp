#include "support/SongBytes.h"

#include <array>

namespace {
int tableIndex(const auto& table, int value) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i] == value)
            return int(i);
    return 0; // "free" bitrate or the first frequency: a test asked for a value not in the table
}

QByteArray field(const QByteArray& text, int width, char pad) {
    return text.left(width) + QByteArray(width - qMin<qsizetype>(text.size(), width), pad);
}
} // namespace

QByteArray mpegFrame(int kbps, int frequency, ChannelMode mode, bool padded) {
    static constexpr std::array kRates = {0,   32,  40,  48,  56,  64,  80, 96,
                                          112, 128, 160, 192, 224, 256, 320};
    static constexpr std::array kFrequencies = {44100, 48000, 32000};
    QByteArray frame(144 * kbps * 1000 / frequency + (padded ? 1 : 0), '\x55');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB); // MPEG-1, Layer III, no CRC
    frame[2] = char(tableIndex(kRates, kbps) << 4 | tableIndex(kFrequencies, frequency) << 2 |
                    (padded ? 2 : 0));
    frame[3] = char(int(mode) << 6);
    return frame;
}

QByteArray encoderFrame(const char* id, quint32 frames, quint32 bytes) {
    const auto be = [](quint32 n) {
        const char b[] = {char(n >> 24), char(n >> 16 & 0xFF), char(n >> 8 & 0xFF), char(n & 0xFF)};
        return QByteArray(b, 4);
    };
    const QByteArray body = qstrcmp(id, "VBRI") == 0
                                ? QByteArray(6, '\1') + be(bytes) + be(frames)
                                : be(3) + be(frames) + be(bytes); // flags: frames and bytes
    QByteArray frame = mpegFrame(128);
    return frame.replace(36, 4 + body.size(), id + body); // after the stereo side information
}

QByteArray id3v1Tag(const Id3v1& t) {
    return field(t.header, 3, ' ') + field(t.title, 30, t.pad) + field(t.artist, 30, t.pad) +
           field(t.album, 30, t.pad) + field(t.year, 4, t.pad) + field(t.comment, 28, t.pad) +
           char(t.marker) + char(t.track) + char(t.genre);
}
