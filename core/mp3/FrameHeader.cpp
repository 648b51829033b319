#include "core/mp3/FrameHeader.h"

namespace {
// kbit/s by [MPEG-1 | MPEG-2 and 2.5][layer I, II, III][bitrate index]; index 0 is free format.
constexpr int kBitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};

// Hz by [MPEG-1, MPEG-2, MPEG-2.5][sampling index].
constexpr int kFrequencies[3][3] = {
    {44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};

qint64 paddingBytes(const FrameHeader& h) {
    return !h.padded ? 0 : h.layer == 1 ? 4 : 1;
}
} // namespace

std::optional<FrameHeader> decodeFrameHeader(const uchar* b) {
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int versionBits = (b[1] >> 3) & 0x03; // 00 = 2.5, 01 reserved, 10 = 2, 11 = 1
    const int layerBits = (b[1] >> 1) & 0x03;   // 00 reserved, 01 = III, 10 = II, 11 = I
    const int bitrateIndex = b[2] >> 4;
    const int samplingIndex = (b[2] >> 2) & 0x03;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 15 || samplingIndex == 3)
        return std::nullopt;
    if (versionBits == 0 && layerBits != 1)
        return std::nullopt; // MPEG 2.5 was only ever defined for Layer III
    const MpegVersion version = versionBits == 3   ? MpegVersion::Mpeg1
                                : versionBits == 2 ? MpegVersion::Mpeg2
                                                   : MpegVersion::Mpeg25;
    const int layer = 4 - layerBits;
    const int column = version == MpegVersion::Mpeg1 ? 0 : 1;
    return FrameHeader{version,
                       layer,
                       kBitrates[column][layer - 1][bitrateIndex],
                       kFrequencies[static_cast<int>(version)][samplingIndex],
                       b[3] >> 6,
                       (b[2] & 0x02) != 0,
                       (b[1] & 0x01) == 0};
}

int lengthFactor(const FrameHeader& h) {
    if (h.layer == 1)
        return 48; // 12 slots of 4 bytes
    return (h.layer == 3 && h.version != MpegVersion::Mpeg1) ? 72 : 144;
}

qint64 frameLength(const FrameHeader& h) {
    const qint64 bitsPerSecond = qint64(h.bitrate) * 1000;
    if (h.bitrate == 0)
        return 0;
    if (h.layer == 1)
        return (12 * bitsPerSecond / h.frequency) * 4 + paddingBytes(h);
    return lengthFactor(h) * bitsPerSecond / h.frequency + paddingBytes(h);
}

qint64 shortestFrameLength(const FrameHeader& h) {
    FrameHeader lowest = h;
    lowest.bitrate = kBitrates[h.version == MpegVersion::Mpeg1 ? 0 : 1][h.layer - 1][1];
    lowest.padded = false;
    return frameLength(lowest);
}

qint64 freeFrameLength(const FrameHeader& h, qint64 base) {
    return base + paddingBytes(h);
}

int samplesPerFrame(const FrameHeader& h) {
    if (h.layer == 1)
        return 384;
    return (h.layer == 3 && h.version != MpegVersion::Mpeg1) ? 576 : 1152;
}

int sideInfoSize(const FrameHeader& h) {
    const bool mono = h.mode == 3;
    if (h.version == MpegVersion::Mpeg1)
        return mono ? 17 : 32;
    return mono ? 9 : 17;
}

bool sameStream(const FrameHeader& a, const FrameHeader& b) {
    return a.version == b.version && a.layer == b.layer && a.frequency == b.frequency;
}
