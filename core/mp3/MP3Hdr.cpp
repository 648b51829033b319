#include "core/mp3/MP3Hdr.h"

#include "core/mp3/SongFile.h"
#include "core/mp3/VbrHeader.h"

#include <QByteArray>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 kRiffScan = 1024;
constexpr qint64 kSearchWindow = 64 * 1024;
constexpr qint64 kId3v2HeaderSize = 10;
constexpr qint64 kId3v1Size = 128;
// Frames are looked for in this much first, and in the whole window only when that is not enough.
constexpr qint64 kFirstLook = 4096;
// The first read: the RIFF scan and, past a small ID3v2 tag, the first two frames of most songs
// (a Layer III frame is at most 1,441 bytes long: 320 kbit/s at 32,000 Hz).
constexpr qint64 kHeadRead = 2048;
// The bytes from a first frame's header on that an encoder's header is looked for in.
constexpr qint64 kFirstFrameBytes = 128;
// The longest free-format frame: 640 kbit/s of MPEG 2.5 Layer III at 8,000 Hz.
constexpr qint64 kMaxFreeFormatFrame = 72 * 640000 / 8000;

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

// Literals: every song's header shares them, none is copied.
const QString kModes[4] = {u"Stereo"_s, u"Joint-Stereo"_s, u"Dual-Channel"_s, u"Mono"_s};

struct FrameHeader {
    MpegVersion version;
    int layer; // 1, 2 or 3
    int bitrate;
    int frequency;
    int mode;
    bool padded;
    bool crc;
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

// Bytes per bit of bitrate and second of frame: the frame is factor * bitrate / frequency long.
int lengthFactor(const FrameHeader& h) {
    if (h.layer == 1)
        return 48; // 12 slots of 4 bytes
    return (h.layer == 3 && h.version != MpegVersion::Mpeg1) ? 72 : 144;
}

qint64 paddingBytes(const FrameHeader& h) {
    return h.layer == 1 ? 4 : 1;
}

// Bytes from this frame header to the next one; 0 for free format, where the header cannot say.
qint64 frameLength(const FrameHeader& h) {
    const qint64 bitsPerSecond = qint64(h.bitrate) * 1000;
    const qint64 pad = h.padded ? paddingBytes(h) : 0;
    if (h.layer == 1)
        return (12 * bitsPerSecond / h.frequency) * 4 + pad;
    return lengthFactor(h) * bitsPerSecond / h.frequency + pad;
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

qint32 riffDataPosition(QByteArrayView head) {
    if (head.size() < 4 || head.first(4).compare("RIFF", Qt::CaseInsensitive) != 0)
        return 0;
    const qsizetype at = head.toByteArray().toLower().indexOf("data", 4);
    if (at < 0)
        return -1;
    return static_cast<qint32>(at) + 1 + 8;
}

// Where the "data" chunk of a RIFF file ends, by the size before it; the end of the file when
// that size does not fit (0 or 0xFFFFFFFF from a writer that streamed).
qint64 riffDataEnd(QByteArrayView head, qint32 riff, qint64 fileSize) {
    const qint64 dataStart = riff - 1;
    if (dataStart > head.size())
        return fileSize;
    qint64 size = 0;
    for (qint64 i = dataStart - 1; i >= dataStart - 4; --i)
        size = size << 8 | static_cast<uchar>(head[i]);
    return size > 0 && dataStart + size <= fileSize ? dataStart + size : fileSize;
}

// Reads from an open song, reusing the bytes already read from its start.
class SongReader {
public:
    SongReader(SongFile& file, QByteArray head) : file_(file), head_(std::move(head)) {}

    // Bytes [pos, pos + n), fewer at the end of the file; nullopt when reading fails. Bytes the
    // head holds are not copied: they stay valid as long as this reader.
    std::optional<QByteArray> bytesAt(qint64 pos, qint64 n) {
        const bool headIsWholeFile = head_.size() < kHeadRead;
        if (pos + n <= head_.size() || headIsWholeFile)
            return pos < head_.size() ? QByteArray::fromRawData(head_.constData() + pos,
                                                                qMin(n, head_.size() - pos))
                                      : QByteArray();
        return file_.readAt(pos, n);
    }
    // The bytes where a RIFF header and its "data" chunk are looked for.
    QByteArrayView riffScan() const {
        return QByteArrayView(head_).first(qMin<qsizetype>(head_.size(), kRiffScan));
    }

private:
    SongFile& file_;
    QByteArray head_;
};

struct Search {
    enum { Found, None, NeedMore } outcome = None;
    qint64 at = -1;
    qint64 freeLength = 0; // free format: the bytes of an unpadded frame, as the next one showed
};

// A free-format frame says nothing of its length: it is taken only when an agreeing frame
// follows, and the one after that (when the file holds it) stands at the same distance again.
Search confirmFreeFormat(const uchar* bytes, qint64 size, qint64 i, const FrameHeader& here,
                         qint64 windowStart, qint64 fileSize, bool complete) {
    const auto agrees = [&](qint64 at) {
        const auto h = decodeFrameHeader(bytes + at);
        return h && h->bitrate == 0 && sameStream(here, *h) && h->mode == here.mode ? h
                                                                                    : std::nullopt;
    };
    const qint64 pad = here.padded ? paddingBytes(here) : 0;
    const qint64 first = i + 4 + sideInfoSize(here);
    for (qint64 next = first; next <= i + kMaxFreeFormatFrame; ++next) {
        if (next + 4 > size)
            return {complete ? Search::None : Search::NeedMore};
        if (bytes[next] != 0xFF)
            continue;
        const auto second = agrees(next);
        if (!second)
            continue;
        const qint64 length = next - i - pad;
        const qint64 third = next + length + (second->padded ? paddingBytes(*second) : 0);
        if (windowStart + third + 4 > fileSize)
            return {Search::Found, i, length};
        if (third + 4 > size)
            return {complete ? Search::None : Search::NeedMore};
        if (agrees(third))
            return {Search::Found, i, length};
    }
    return {};
}

// The first frame header in window that is valid and either is followed by a matching header,
// or stands at the start of the audio and reaches the end of the file (or its ID3v1 tag).
// complete: the window holds all the search may look at; otherwise NeedMore asks for more.
Search findFrame(const QByteArray& window, qint64 windowStart, qint64 fileSize, bool complete) {
    const auto* bytes = reinterpret_cast<const uchar*>(window.constData());
    const qint64 size = window.size();
    for (qint64 i = 0; i + 4 <= size; ++i) {
        if (bytes[i] != 0xFF)
            continue;
        const std::optional<FrameHeader> here = decodeFrameHeader(bytes + i);
        if (!here)
            continue;
        if (here->bitrate == 0) {
            const Search free =
                confirmFreeFormat(bytes, size, i, *here, windowStart, fileSize, complete);
            if (free.outcome != Search::None)
                return free;
            continue;
        }
        const qint64 next = i + frameLength(*here);
        if (windowStart + next + 4 > fileSize) {
            if (i == 0) // a song shorter than a frame; elsewhere, a sync in the last bytes
                return {Search::Found, i};
            continue;
        }
        if (next + 4 > size) {
            if (!complete)
                return {Search::NeedMore};
            continue; // the following header lies outside the window: no way to confirm this one
        }
        if (windowStart + next + kId3v1Size == fileSize && window.mid(next, 3) == "TAG")
            return {Search::Found, i};
        const std::optional<FrameHeader> following = decodeFrameHeader(bytes + next);
        if (following && sameStream(*here, *following))
            return {Search::Found, i};
    }
    return {complete ? Search::None : Search::NeedMore};
}

qint64 roundedDivision(qint64 a, qint64 b) {
    return (a + b / 2) / b;
}

// Frame count, bitrate mode and playing time of the stream whose first frame is at pos.
bool measure(SongReader& reader, const QByteArray& firstFrame, const FrameHeader& h,
             qint64 freeLength, qint64 streamEnd, MP3Hdr& result) {
    const std::optional<VbrHeader> vbr = readVbrHeader(firstFrame, sideInfoSize(h), h.crc);
    const qint64 samples = samplesPerFrame(h);
    const qint64 pos = result.HdrFramePos;
    const auto audioBytes = [&]() -> std::optional<qint64> {
        qint64 end = streamEnd;
        if (end - kId3v1Size >= pos) {
            const std::optional<QByteArray> tag = reader.bytesAt(end - kId3v1Size, 3);
            if (!tag)
                return std::nullopt;
            if (*tag == "TAG")
                end -= kId3v1Size;
        }
        return end - pos;
    };
    result.HdrAverageBitrate = result.HdrBitrate;
    if (vbr && vbr->frames) {
        result.HdrFrames = *vbr->frames;
        const qint64 sampleCount = *vbr->frames * samples;
        result.HdrDurationMs = roundedDivision(sampleCount * 1000, h.frequency);
        if (!vbr->variable)
            return true;
        const std::optional<qint64> bytes = vbr->bytes ? vbr->bytes : audioBytes();
        if (!bytes)
            return false;
        // The count of bytes takes in the frame that holds it; the count of frames does not.
        const qint64 audio = qMax<qint64>(0, *bytes - frameLength(h));
        result.HdrVbr = true;
        result.HdrAverageBitrate = static_cast<qint32>(
            roundedDivision(audio * 8 * h.frequency, qMax<qint64>(1, sampleCount) * 1000));
        return true;
    }
    const qint64 bitsPerSecond =
        h.bitrate > 0 ? qint64(h.bitrate) * 1000 : freeLength * h.frequency / lengthFactor(h);
    const std::optional<qint64> bytes = audioBytes();
    if (!bytes)
        return false;
    if (bitsPerSecond > 0)
        result.HdrDurationMs = roundedDivision(*bytes * 8000, bitsPerSecond);
    return true;
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
    SongFile file(path);
    const std::optional<QByteArray> head = file.isOpen() ? file.readAt(0, kRiffScan) : std::nullopt;
    return head ? riffDataPosition(*head) : -1;
}

bool ReadHeader(const QString& path, MP3Hdr& result) {
    result = MP3Hdr{};
    result.HdrFile = path;
    SongFile file(path);
    if (!file.isOpen())
        return false;
    const qint64 fileSize = file.size();
    std::optional<QByteArray> head = file.readAt(0, kHeadRead);
    if (!head)
        return false;
    SongReader reader(file, std::move(*head));
    const QByteArrayView riffScan = reader.riffScan();
    const qint32 riff = riffDataPosition(riffScan);
    if (riff < 0)
        return false;
    result.HdrRiff = riff > 0;
    qint64 start = riff > 0 ? riff - 1 : 0;

    for (;;) {
        const std::optional<QByteArray> tagHeader = reader.bytesAt(start, kId3v2HeaderSize);
        if (!tagHeader)
            return false;
        const qint64 tagSize = id3v2TagSize(*tagHeader);
        if (tagSize == 0)
            break;
        start += tagSize;
    }
    // Most songs have their first frame at once: it is looked for in what the head holds, then in
    // the first look, and in the whole window only when needed. A smaller look never finds
    // another frame than a larger one would: where it cannot decide, it asks for more.
    const qint64 searchSize = qBound<qint64>(0, fileSize - start, kSearchWindow);
    const qint64 firstLook = qMin(searchSize, kFirstLook);
    std::optional<QByteArray> window;
    Search found;
    qint64 lookEnd = 0;
    for (const qint64 look :
         {qBound<qint64>(0, kHeadRead - start, firstLook), firstLook, searchSize}) {
        if (window && look <= window->size())
            continue;
        window = reader.bytesAt(start, look);
        if (!window)
            return false;
        found = findFrame(*window, start, fileSize, look == searchSize);
        lookEnd = qMax(look, firstLook); // what was held in the head counts as the first look
        if (found.outcome != Search::NeedMore)
            break;
    }
    result.HdrStatus = HeaderStatus::NoFrame;
    if (found.outcome != Search::Found)
        return false;
    // The encoder's header is looked for in the frame's bytes as far as its look reaches.
    const qint64 frameBytes = qMin(kFirstFrameBytes, lookEnd - found.at);
    const std::optional<QByteArray> firstFrame =
        found.at + frameBytes <= window->size()
            ? QByteArray::fromRawData(window->constData() + found.at, frameBytes)
            : reader.bytesAt(start + found.at, frameBytes);
    if (!firstFrame) {
        result.HdrStatus = HeaderStatus::Unreadable;
        return false;
    }
    const FrameHeader h =
        *decodeFrameHeader(reinterpret_cast<const uchar*>(window->constData()) + found.at);
    result.HdrStatus = HeaderStatus::Found;
    result.HdrVersion = h.version;
    result.HdrLayer = static_cast<qint16>(h.layer);
    result.HdrBitrate = static_cast<qint16>(h.bitrate);
    result.HdrFrequency = h.frequency;
    result.HdrMode = kModes[h.mode];
    result.HdrFramePos = start + found.at;
    const qint64 streamEnd = riff > 0 ? riffDataEnd(riffScan, riff, fileSize) : fileSize;
    if (!measure(reader, *firstFrame, h, found.freeLength, streamEnd, result)) {
        result.HdrStatus = HeaderStatus::Unreadable;
        return false;
    }
    return true;
}
