#pragma once

#include <QString>
#include <QtGlobal>

// What the analysis of a song's first MPEG audio frame found.
enum class MpegVersion { Mpeg1, Mpeg2, Mpeg25 };

enum class HeaderStatus {
    Unreadable, // missing, unreadable, or a RIFF file without a "data" chunk: nothing to say
    NoFrame,    // read, but no valid frame header where one should be
    Found,
};

struct MP3Hdr {
    HeaderStatus HdrStatus = HeaderStatus::Unreadable;
    QString HdrFile;
    MpegVersion HdrVersion = MpegVersion::Mpeg1;
    qint16 HdrLayer = 0;
    qint16 HdrBitrate = 0;   // kbit/s; 0 for free format
    qint32 HdrFrequency = 0; // Hz
    QString HdrMode;         // "Stereo", "Joint-Stereo", "Dual-Channel" or "Mono"
    bool HdrRiff = false;
    qint64 HdrFramePos = -1; // byte offset of the frame header in the file
    // The whole stream, as an encoder's Xing, Info or VBRI header tells it, or else as the audio
    // bytes and the bitrate give it.
    bool HdrVbr = false;
    qint32 HdrAverageBitrate = 0; // kbit/s over the stream; HdrBitrate unless VBR
    qint64 HdrFrames = -1;        // audio frames, when an encoder's header counts them
    qint64 HdrDurationMs = 0;
};

// How the version is written for people: "1", "2" or "2.5".
QString versionText(MpegVersion version);

// 0 when the file does not start with "RIFF" (any case); -1 when it does but "data" (any case)
// is not among its first 1024 bytes, or when it cannot be read; otherwise the 1-based position
// of the first byte after "data" and the four-byte chunk size.
qint32 FindRiffData(const QString& path);

// Analyses the song at path: past a RIFF wrapper and any ID3v2 tags, the first frame header
// that is valid and (when the file holds it) followed by a matching one, within 64 KiB.
// True when a frame was found; result.HdrStatus tells a file without one from an unreadable one.
bool ReadHeader(const QString& path, MP3Hdr& result);
