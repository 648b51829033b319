#include "core/mp3/FrameWalk.h"

namespace {
// Bytes read at a time: large enough that walking a song costs about what reading it does.
constexpr qint64 kChunk = 256 * 1024;
constexpr qint64 kBehind = 8 * 1024;

// A window on the song that moves forward as the walk asks for bytes.
class Window {
public:
    Window(SongReader& reader, qint64 floor, qint64 end)
        : reader_(reader), floor_(floor), end_(end) {}

    // n bytes from pos, or nullptr when the stream ends before them (or reading failed).
    const uchar* at(qint64 pos, qint64 n) {
        if (pos < 0 || pos + n > end_)
            return nullptr;
        if (bytes_.isNull() || pos < start_ || pos + n > start_ + bytes_.size()) {
            // A little before pos too: a resynchronisation looks ahead, then steps back.
            const qint64 from = qMax(floor_, pos - kBehind);
            const std::optional<QByteArrayView> read =
                reader_.viewAt(from, qMin(kChunk, end_ - from), buffer_);
            if (!read) {
                failed = true;
                return nullptr;
            }
            bytes_ = *read;
            start_ = from;
            if (pos + n > start_ + bytes_.size())
                return nullptr;
        }
        return reinterpret_cast<const uchar*>(bytes_.constData()) + (pos - start_);
    }
    bool failed = false;

private:
    SongReader& reader_;
    qint64 floor_;
    qint64 end_;
    qint64 start_ = 0;
    QByteArray buffer_;
    QByteArrayView bytes_;
};

// A stream may change its sampling rate where two recordings were joined; version and layer
// stay.
bool ofStream(const std::optional<FrameHeader>& h, const FrameHeader& stream) {
    return h && h->version == stream.version && h->layer == stream.layer &&
           (h->bitrate == 0) == (stream.bitrate == 0);
}

qint64 lengthOf(const FrameHeader& h, qint64 freeBase) {
    return h.bitrate > 0 ? frameLength(h) : freeFrameLength(h, freeBase);
}
} // namespace

int FrameCount::commonMode() const {
    int best = 0;
    for (int m = 1; m < 4; ++m)
        if (modes[m] > modes[best])
            best = m;
    return best;
}

std::optional<FrameCount> walkFrames(SongReader& reader, qint64 start, qint64 end,
                                     const FrameHeader& stream, qint64 freeBase, qint64 maxFrames,
                                     bool pieceAlone) {
    Window window(reader, start, end);
    FrameCount count;
    qint64 pos = start;
    while (pos + 4 <= end && (maxFrames < 0 || count.frames < maxFrames)) {
        const uchar* b = window.at(pos, 4);
        if (!b)
            break;
        std::optional<FrameHeader> h = decodeFrameHeader(b);
        if (!ofStream(h, stream)) {
            // Resynchronise on a header of the stream that the next one confirms.
            qint64 next = pos + 1;
            for (; next + 4 <= end; ++next) {
                const uchar* c = window.at(next, 4);
                if (!c)
                    break;
                if (c[0] != 0xFF)
                    continue;
                h = decodeFrameHeader(c);
                if (!ofStream(h, stream))
                    continue;
                const qint64 after = next + lengthOf(*h, freeBase);
                if (after == end)
                    break;
                const uchar* d = window.at(after, 4);
                if (d && ofStream(decodeFrameHeader(d), stream))
                    break;
            }
            if (window.failed)
                return std::nullopt;
            if (!window.at(next, 4)) // also past the end
                break;
            pos = next;
        }
        const qint64 length = lengthOf(*h, freeBase);
        if (length <= 4)
            break;
        if (pos + length > end && count.frames == 0 && !pieceAlone)
            break; // only a piece of a frame: nothing a decoder could play
        if (count.frames == 0) {
            count.bitrate = h->bitrate;
            count.first = pos;
        } else if (h->bitrate != count.bitrate)
            count.variable = true;
        ++count.frames;
        count.nanoseconds += qint64(samplesPerFrame(*h)) * 1000000000 / h->frequency;
        count.bytes += qMin(length, end - pos);
        ++count.modes[h->mode];
        pos += length;
    }
    if (window.failed)
        return std::nullopt;
    return count;
}
