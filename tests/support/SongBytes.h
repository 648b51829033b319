#pragma once

#include <QByteArray>
#include <QtGlobal>

// Song bytes made in the test itself: MPEG audio frames and ID3v1.1 tags.

// A frame header from the bits of its fields (no CRC). Version: 3 = MPEG-1, 2 = MPEG-2,
// 0 = MPEG-2.5; layer: 3 = I, 2 = II, 1 = III; bitrate and sampling are indexes of the tables.
QByteArray mpegHeader(int version, int layer, int bitrate, int sampling, int mode = 0,
                      bool padded = false);
// The header, then filler that holds no sync, up to length bytes.
QByteArray mpegFrame(const QByteArray& header, int length);
// One MPEG-1 Layer III frame of 128 kbit/s at 44,100 Hz, joint stereo: 417 bytes.
QByteArray mpegFrame();

// The first frame of an encoded stream carrying an encoder's header: "Xing" or "Info" (with the
// frame and byte counts), or "VBRI". frame: an MPEG-1 stereo or joint-stereo frame to carry it.
QByteArray encoderFrame(const char* id, quint32 frames, quint32 bytes,
                        const QByteArray& frame = mpegFrame());

// An ID3v1.1 tag's fields; texts are bytes, padded with pad to their width.
struct Id3v1 {
    QByteArray title{}, artist{}, album{}, year{}, comment{};
    quint8 track = 0;
    quint8 genre = 255;
    quint8 marker = 0;
    char pad = ' ';
    QByteArray header = "TAG";
};

// The 128 bytes of the tag, e.g. id3v1Tag({.title = "Song", .track = 7, .genre = 17}).
QByteArray id3v1Tag(const Id3v1& tag);
