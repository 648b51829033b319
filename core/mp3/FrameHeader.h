#pragma once

#include "core/mp3/MP3Hdr.h"

#include <QtGlobal>
#include <optional>

// One MPEG audio frame header, decoded; and what follows from it about the frame.
struct FrameHeader {
    MpegVersion version;
    int layer;   // 1, 2 or 3
    int bitrate; // kbit/s; 0 for free format
    int frequency;
    int mode; // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    bool padded;
    bool crc;
};

// The four bytes at b, or nullopt when they are no valid header (no sync, a reserved version,
// layer or sampling index, the forbidden bitrate, or MPEG 2.5 other than Layer III).
std::optional<FrameHeader> decodeFrameHeader(const uchar* b);

// Bytes from this header to the next one; 0 for free format, where the header cannot say.
qint64 frameLength(const FrameHeader& h);
// The bytes a free-format frame of unpadded length base takes with this header's padding.
qint64 freeFrameLength(const FrameHeader& h, qint64 base);
// The unpadded length of a frame of this stream at the lowest bitrate of its table.
qint64 shortestFrameLength(const FrameHeader& h);
// Bytes per bit of bitrate and second of frame: a frame is factor * bitrate / frequency long.
int lengthFactor(const FrameHeader& h);
int samplesPerFrame(const FrameHeader& h);
int sideInfoSize(const FrameHeader& h);
// Version, layer and sampling rate: what every frame of one stream shares.
bool sameStream(const FrameHeader& a, const FrameHeader& b);
