#pragma once

#include <QByteArray>
#include <optional>

// What an encoder wrote into the first frame of a stream about the whole stream: a Xing or
// Info header (after the side information) or a VBRI header (32 bytes after the frame header).
// That frame carries no audio; the counts are of the frames after it.
struct VbrHeader {
    bool variable = false;        // "Xing" or "VBRI"; "Info" marks a constant bitrate
    std::optional<qint64> frames; // audio frames in the stream
    std::optional<qint64> bytes;  // bytes of the stream
    qint64 size = 0;              // bytes from the frame header to the end of what it holds
};

// frame holds the first frame from its header on (or as much of it as the file has).
// sideInfo is the size of the side information, which depends on version and channel mode.
[[nodiscard]] std::optional<VbrHeader> readVbrHeader(const QByteArray& frame, int sideInfo,
                                                     bool crc);
