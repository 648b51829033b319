#include "mp3/MP3Hdr.h"

#include <QByteArray>
#include <QFile>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 kRiffScan = 1024;
constexpr qint64 kSearchWindow = 64 * 1024;
constexpr qint64 kId3v2HeaderSize = 10;
constexpr qint64 kId3v1Size = 128;

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

const char* const kModes[4] = {"Stereo", "Joint-Stereo", "Dual-Channel", "Mono"};

struct FrameHeader {
    MpegVersion version;
    int layer; // 1, 2 or 3
    int bitrate;
    int frequency;
    int mode;
    bool padded;
};

std::optional<FrameHeader> decodeFrameHeader(const uchar* b) {
    if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0)
        return std::nullopt;
    const int versionBits = (b[1] >> 3) & 0x03; // 00 = 2.5, 01 reserved, 10 = 2, 11 = 1
    const int layerBits = (b[1] >> 1) & 0x03;   // 00 reserved, 01 = III, 10 = II, 11 = I
    const int bitrateIndex = b[2] >> 4;
    const int samplingIndex = (b[2] >> 2) & 0x03;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 15 || samplingIndex == 3)
        return std::nullopt;
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
                       (b[2] & 0x02) != 0};
}

// Bytes from this frame header to the next one; 0 for free format, where it cannot be known.
qint64 frameLength(const FrameHeader& h) {
    const qint64 bitsPerSecond = qint64(h.bitrate) * 1000;
    const int pad = h.padded ? 1 : 0;
    if (h.layer == 1)
        return (12 * bitsPerSecond / h.frequency + pad) * 4;
    const int factor = (h.layer == 3 && h.version != MpegVersion::Mpeg1) ? 72 : 144;
    return factor * bitsPerSecond / h.frequency + pad;
}

bool sameStream(const FrameHeader& a, const FrameHeader& b) {
    return a.version == b.version && a.layer == b.layer && a.frequency == b.frequency;
}

// The size of the ID3v2 tag these ten bytes begin, footer included; 0 when they begin none.
qint64 id3v2TagSize(const QByteArray& h) {
    if (h.size() < kId3v2HeaderSize || !h.startsWith("ID3"))
        return 0;
    const auto byte = [&h](int i) { return static_cast<uchar>(h[i]); };
    if (byte(3) == 0xFF || byte(4) == 0xFF)
        return 0;
    qint64 size = 0;
    for (int i = 6; i < 10; ++i) {
        if (byte(i) & 0x80)
            return 0; // not synchsafe: not a tag
        size = (size << 7) | byte(i);
    }
    const bool footer = (byte(5) & 0x10) != 0;
    return kId3v2HeaderSize + size + (footer ? kId3v2HeaderSize : 0);
}

qint32 riffDataPosition(const QByteArray& head) {
    if (head.left(4).toUpper() != "RIFF")
        return 0;
    const qsizetype at = head.toLower().indexOf("data", 4);
    if (at < 0)
        return -1;
    return static_cast<qint32>(at) + 1 + 8;
}

// Reads from an open song, reusing the bytes already read from its start.
class SongReader {
public:
    SongReader(QFile& file, QByteArray head) : file_(file), head_(std::move(head)) {}

    // Bytes [pos, pos + n), fewer at the end of the file; nullopt when reading fails.
    std::optional<QByteArray> bytesAt(qint64 pos, qint64 n) {
        const bool headIsWholeFile = head_.size() < kRiffScan;
        if (pos + n <= head_.size() || headIsWholeFile)
            return pos < head_.size() ? head_.mid(pos, n) : QByteArray();
        if (!file_.seek(pos))
            return std::nullopt;
        QByteArray bytes = file_.read(n);
        if (file_.error() != QFileDevice::NoError)
            return std::nullopt;
        return bytes;
    }

private:
    QFile& file_;
    QByteArray head_;
};

// The offset in window of the first frame header that is valid and either is followed by a
// matching header or ends where the file (or its ID3v1 tag) ends; -1 when there is none.
qint64 findFrame(const QByteArray& window, qint64 windowStart, qint64 fileSize) {
    const auto* bytes = reinterpret_cast<const uchar*>(window.constData());
    const qint64 size = window.size();
    for (qint64 i = 0; i + 4 <= size; ++i) {
        if (bytes[i] != 0xFF)
            continue;
        const std::optional<FrameHeader> here = decodeFrameHeader(bytes + i);
        if (!here)
            continue;
        const qint64 length = frameLength(*here);
        if (length == 0)
            return i;
        const qint64 next = i + length;
        if (windowStart + next + 4 > fileSize)
            return i;
        if (next + 4 > size)
            continue; // the following header lies outside the window: no way to confirm this one
        if (windowStart + next + kId3v1Size == fileSize && window.mid(next, 3) == "TAG")
            return i;
        const std::optional<FrameHeader> following = decodeFrameHeader(bytes + next);
        if (following && sameStream(*here, *following))
            return i;
    }
    return -1;
}
} // namespace

QString versionText(MpegVersion version) {
    switch (version) {
    case MpegVersion::Mpeg1:
        return u"1"_s;
    case MpegVersion::Mpeg2:
        return u"2"_s;
    case MpegVersion::Mpeg25:
        break;
    }
    return u"2.5"_s;
}

qint32 FindRiffData(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return -1;
    const QByteArray head = file.read(kRiffScan);
    if (file.error() != QFileDevice::NoError)
        return -1;
    return riffDataPosition(head);
}

bool ReadHeader(const QString& path, MP3Hdr& result) {
    result = MP3Hdr{};
    result.HdrFile = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    const qint64 fileSize = file.size();
    QByteArray head = file.read(kRiffScan);
    if (file.error() != QFileDevice::NoError)
        return false;
    const qint32 riff = riffDataPosition(head);
    if (riff < 0)
        return false;
    result.HdrRiff = riff > 0;
    qint64 start = riff > 0 ? riff - 1 : 0;

    SongReader reader(file, std::move(head));
    for (;;) {
        const std::optional<QByteArray> tagHeader = reader.bytesAt(start, kId3v2HeaderSize);
        if (!tagHeader)
            return false;
        const qint64 tagSize = id3v2TagSize(*tagHeader);
        if (tagSize == 0)
            break;
        start += tagSize;
    }
    // Small songs are read as far as they go, without a 64 KiB buffer for each.
    const std::optional<QByteArray> window =
        reader.bytesAt(start, qBound<qint64>(0, fileSize - start, kSearchWindow));
    if (!window)
        return false;

    result.HdrStatus = HeaderStatus::NoFrame;
    const qint64 at = findFrame(*window, start, fileSize);
    if (at < 0)
        return false;
    const FrameHeader h =
        *decodeFrameHeader(reinterpret_cast<const uchar*>(window->constData()) + at);
    result.HdrStatus = HeaderStatus::Found;
    result.HdrVersion = h.version;
    result.HdrLayer = static_cast<qint16>(h.layer);
    result.HdrBitrate = static_cast<qint16>(h.bitrate);
    result.HdrFrequency = h.frequency;
    result.HdrMode = QString::fromLatin1(kModes[h.mode]);
    result.HdrFramePos = start + at;
    return true;
}
