#include "core/mp3/MP3Hdr.h"

#include "core/mp3/EndTags.h"
#include "core/mp3/FrameHeader.h"
#include "core/mp3/FrameWalk.h"
#include "core/mp3/SongFile.h"
#include "core/mp3/SongReader.h"
#include "core/mp3/VbrHeader.h"

#include <QByteArray>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 kRiffScan = 1024;
constexpr qint64 kSearchWindow = 64 * 1024;
constexpr qint64 kId3v2HeaderSize = 10;
// Frames are looked for in this much first, and in the whole window only when that is not enough.
constexpr qint64 kFirstLook = 4096;
// The first read: the RIFF scan and, past a small ID3v2 tag, the first two frames of most songs
// (a Layer III frame is at most 1,441 bytes long: 320 kbit/s at 32,000 Hz).
constexpr qint64 kHeadRead = 2048;
// The end of a song, read once: an ID3v1 tag and the last kLastFrames bytes before it, which hold
// the last frame or two of most streams (a stream of longer frames is not sampled at its end).
constexpr qint64 kLastFrames = 1024;
constexpr qint64 kTailRead = 128 + kLastFrames;
// Frames looked at, in the head, in the middle of a long stream and near its end, before it is
// taken for constant bitrate and measured from its size: a CBR song is never read whole.
constexpr qint64 kSampleFrames = 16;
constexpr qint64 kSampleBytes = 4 * 1024;
constexpr qint64 kMiddleSampleFrom = 64 * 1024;
// The bytes from a first frame's header on that an encoder's header is looked for in.
constexpr qint64 kFirstFrameBytes = 128;
// The longest free-format frame: 640 kbit/s of MPEG 2.5 Layer III at 8,000 Hz.
constexpr qint64 kMaxFreeFormatFrame = 72 * 640000 / 8000;

// Literals: every song's header shares them, none is copied.
const QString kModes[4] = {u"Stereo"_s, u"Joint-Stereo"_s, u"Dual-Channel"_s, u"Mono"_s};

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

struct Search {
    enum { Found, None, NeedMore } outcome = None;
    qint64 at = -1;
    qint64 freeLength = 0; // free format: the bytes of an unpadded frame, as the next one showed
};

// A free-format frame says nothing of its length: it is taken only when an agreeing frame
// follows, and the one after that stands at the same distance again (or the audio ends there).
// The channel mode does not change a frame's length, so it may differ from frame to frame.
// Encoders use free format for rates their table lacks, never for one below its lowest rate.
Search confirmFreeFormat(const uchar* bytes, qint64 size, qint64 i, const FrameHeader& here,
                         qint64 windowStart, qint64 end, bool complete) {
    const auto agrees = [&](qint64 at) {
        const auto h = decodeFrameHeader(bytes + at);
        return h && h->bitrate == 0 && sameStream(here, *h) ? h : std::nullopt;
    };
    const qint64 pad = freeFrameLength(here, 0);
    for (qint64 next = i + shortestFrameLength(here); next <= i + kMaxFreeFormatFrame; ++next) {
        if (next + 4 > size)
            return {complete ? Search::None : Search::NeedMore};
        if (bytes[next] != 0xFF)
            continue;
        const auto second = agrees(next);
        if (!second)
            continue;
        const qint64 length = next - i - pad;
        const qint64 third = next + freeFrameLength(*second, length);
        if (windowStart + third == end)
            return {Search::Found, i, length};
        if (windowStart + third + 4 > end)
            continue;
        if (third + 4 > size)
            return {complete ? Search::None : Search::NeedMore};
        if (agrees(third))
            return {Search::Found, i, length};
    }
    return {};
}

// The first frame header in window that is valid and either is followed by a matching header,
// or stands at the start of the audio and reaches its end. end: where the audio ends (before
// any tags). complete: the window holds all the search may look at; otherwise NeedMore asks for
// more.
Search findFrame(const QByteArray& window, qint64 windowStart, qint64 end, bool complete) {
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
                confirmFreeFormat(bytes, size, i, *here, windowStart, end, complete);
            if (free.outcome != Search::None)
                return free;
            continue;
        }
        const qint64 next = i + frameLength(*here);
        if (windowStart + next + 4 > end) {
            if (i == 0) // a song shorter than a frame; elsewhere, a sync in the last bytes
                return {Search::Found, i};
            continue;
        }
        if (next + 4 > size) {
            if (!complete)
                return {Search::NeedMore};
            continue; // the following header lies outside the window: no way to confirm this one
        }
        const std::optional<FrameHeader> following = decodeFrameHeader(bytes + next);
        if (following && sameStream(*here, *following))
            return {Search::Found, i};
    }
    return {complete ? Search::None : Search::NeedMore};
}

qint64 roundedDivision(qint64 a, qint64 b) {
    return (a + b / 2) / b;
}

qint64 paddingSlack(const FrameHeader& h) {
    return h.layer == 1 ? 8 : 2;
}

// An encoder's header is believed only when the song agrees with it: it fits its frame, counts
// some frames, and its count of bytes (or, without one, the bitrate its frames would make) is
// what the song holds, give or take a little.
bool believable(const VbrHeader& vbr, const FrameHeader& h, qint64 headerFrame,
                const FrameHeader& audio, qint64 bytesThere) {
    if (vbr.size > headerFrame || !vbr.frames)
        return false;
    const qint64 tolerance = qMax(bytesThere / 50, 2 * headerFrame);
    if (vbr.bytes)
        return qAbs(*vbr.bytes - bytesThere) <= tolerance;
    const qint64 frameBytes = frameLength(audio) > 0 ? frameLength(audio) : headerFrame;
    if (!vbr.variable)
        return qAbs(*vbr.frames * frameBytes + headerFrame - bytesThere) <= tolerance;
    const qint64 bitsPerSecond = roundedDivision((bytesThere - headerFrame) * 8 * h.frequency,
                                                 *vbr.frames * samplesPerFrame(h));
    return bitsPerSecond >= 8000 && bitsPerSecond <= 448000;
}

// Whether a frame at pos stands where frames of one length from start put one: a whole number
// of unpadded frames from it, or of frames padded as encoders pad them, to keep the bitrate.
bool onTheBeat(qint64 pos, qint64 start, const FrameHeader& audio) {
    FrameHeader unpadded = audio;
    unpadded.padded = false;
    const qint64 length = frameLength(unpadded);
    if ((pos - start) % length == 0)
        return true;
    // The exact length is factor * bitrate / frequency; padding makes up for the fraction.
    const qint64 perFrame = qint64(lengthFactor(audio)) * audio.bitrate * 1000;
    const qint64 frames = roundedDivision((pos - start) * audio.frequency, perFrame);
    const qint64 expected = start + frames * perFrame / audio.frequency;
    return qAbs(pos - expected) <= paddingSlack(audio);
}

// Whether a stream without a believable encoder's header keeps one bitrate and mode: its first
// frames (as far as the head holds them), a few in the middle of a long one and its last ones
// all use the first frame's, and stand where frames of that length would.
std::optional<bool> looksConstant(SongReader& reader, qint64 start, qint64 end,
                                  const FrameHeader& audio) {
    const qint64 held = reader.head().size();
    const qint64 headEnd = held - start >= kSampleBytes / 4 ? held : start + kSampleBytes;
    const qint64 middle = start + (end - start) / 2;
    const std::pair<qint64, qint64> samples[] = {
        {start, qMin(end, headEnd)},
        {middle, end - start > kMiddleSampleFrom ? middle + kSampleBytes : middle},
        {qMax(start, end - kLastFrames), end}};
    for (const auto& [at, stop] : samples) {
        const std::optional<FrameCount> seen =
            walkFrames(reader, at, qMin(stop, end), audio, 0, at == start ? kSampleFrames : 3);
        if (!seen)
            return std::nullopt;
        if (seen->frames == 0)
            continue;
        if (seen->variable || seen->bitrate != audio.bitrate ||
            seen->modes[audio.mode] != seen->frames || !onTheBeat(seen->first, start, audio))
            return false;
    }
    return true;
}

// Frame count, bitrate mode, playing time and channel mode of the stream whose first frame is
// at result.HdrFramePos.
bool measure(SongReader& reader, const QByteArray& firstFrame, const FrameHeader& h,
             qint64 freeLength, qint64 end, MP3Hdr& result) {
    const qint64 pos = result.HdrFramePos;
    const qint64 headerFrame = h.bitrate > 0 ? frameLength(h) : freeFrameLength(h, freeLength);
    const std::optional<VbrHeader> vbr = readVbrHeader(firstFrame, sideInfoSize(h), h.crc);
    FrameHeader audio = h;
    qint64 audioStart = pos;
    if (vbr) {
        // The encoder's frame holds no music, and may be written at another bitrate and mode
        // than the music: the report is of the frame after it.
        audioStart = pos + headerFrame;
        const std::optional<QByteArray> next = reader.bytesAt(audioStart, 4);
        if (!next)
            return false;
        const std::optional<FrameHeader> following =
            next->size() == 4 ? decodeFrameHeader(reinterpret_cast<const uchar*>(next->data()))
                              : std::nullopt;
        if (!following || !sameStream(h, *following)) {
            result.HdrStatus = HeaderStatus::NoFrame;
            return false;
        }
        audio = *following;
    }
    result.HdrBitrate = static_cast<qint16>(audio.bitrate);
    result.HdrMode = kModes[audio.mode];
    result.HdrAverageBitrate = audio.bitrate;
    const qint64 samples = samplesPerFrame(audio);
    if (vbr && believable(*vbr, h, headerFrame, audio, end - pos)) {
        result.HdrFrames = *vbr->frames;
        const qint64 sampleCount = *vbr->frames * samples;
        result.HdrDurationMs = roundedDivision(sampleCount * 1000, audio.frequency);
        if (!vbr->variable)
            return true;
        // The count of bytes takes in the frame that holds it; the count of frames does not.
        const qint64 bytes = qMax<qint64>(0, (vbr->bytes ? *vbr->bytes : end - pos) - headerFrame);
        result.HdrVbr = true;
        result.HdrAverageBitrate = static_cast<qint32>(
            roundedDivision(bytes * 8 * audio.frequency, qMax<qint64>(1, sampleCount) * 1000));
        return true;
    }
    // An encoder's header the song contradicts marks a damaged song: its frames are counted.
    if (audio.bitrate > 0 && !vbr) {
        const std::optional<bool> constant = looksConstant(reader, audioStart, end, audio);
        if (!constant)
            return false;
        if (*constant) {
            result.HdrDurationMs = roundedDivision((end - audioStart) * 8, qint64(audio.bitrate));
            return true;
        }
    }
    // A free-format stream, one whose bitrate varies, or a damaged one: its frames are counted.
    // A song shorter than its one frame is still that frame; after an encoder's frame, a piece
    // of one is not music.
    const std::optional<FrameCount> count =
        walkFrames(reader, audioStart, end, audio, freeLength, -1, !vbr);
    if (!count)
        return false;
    if (count->frames == 0) {
        result.HdrStatus = HeaderStatus::NoFrame; // the encoder's frame, then only a piece of one
        return false;
    }
    result.HdrFrames = count->frames;
    result.HdrVbr = count->variable;
    result.HdrMode = kModes[count->commonMode()];
    result.HdrDurationMs = roundedDivision(count->nanoseconds, 1000000);
    if (count->variable || audio.bitrate == 0)
        result.HdrAverageBitrate = static_cast<qint32>(
            roundedDivision(count->bytes * 8000000, qMax<qint64>(1, count->nanoseconds)));
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
    const bool whole = head->size() < kHeadRead;
    SongReader reader(file, std::move(*head), whole);
    if (!reader.keepTail(kTailRead))
        return false;
    const QByteArrayView riffScan =
        reader.head().first(qMin<qsizetype>(reader.head().size(), kRiffScan));
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
    const std::optional<qint64> end =
        audioEnd(reader, start, riff > 0 ? riffDataEnd(riffScan, riff, fileSize) : fileSize);
    if (!end)
        return false;
    // Most songs have their first frame at once: it is looked for in what the head holds, then in
    // the first look, and in the whole window only when needed. A smaller look never finds
    // another frame than a larger one would: where it cannot decide, it asks for more.
    const qint64 searchSize = qBound<qint64>(0, *end - start, kSearchWindow);
    const qint64 firstLook = qMin(searchSize, kFirstLook);
    std::optional<QByteArray> window;
    Search found;
    qint64 lookEnd = 0;
    for (const qint64 look :
         {qBound<qint64>(0, reader.head().size() - start, firstLook), firstLook, searchSize}) {
        if (window && look <= window->size())
            continue;
        window = reader.bytesAt(start, look);
        if (!window)
            return false;
        found = findFrame(*window, start, *end, look == searchSize);
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
    result.HdrVersion = h.version;
    result.HdrLayer = static_cast<qint16>(h.layer);
    result.HdrFrequency = h.frequency;
    result.HdrFramePos = start + found.at;
    result.HdrStatus = HeaderStatus::Unreadable; // unless measuring finds no music after all
    if (!measure(reader, *firstFrame, h, found.freeLength, *end, result))
        return false;
    result.HdrStatus = HeaderStatus::Found;
    return true;
}
