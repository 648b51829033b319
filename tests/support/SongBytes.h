#pragma once

#include <QByteArray>
#include <QtGlobal>

// Song bytes made in the test itself: MPEG audio frames and ID3v1.1 tags.

enum class ChannelMode { Stereo = 0, JointStereo = 1, DualChannel = 2, Mono = 3 };

// One MPEG-1 Layer III frame: its header, then filler that holds no sync, up to the frame's
// length (144 * bitrate / frequency bytes, one more when padded). The bitrate in kbit/s and the
// frequency in Hz must be values of the MPEG-1 tables.
QByteArray mpegFrame(int kbps = 128, int frequency = 44100,
                     ChannelMode mode = ChannelMode::JointStereo, bool padded = false);

// The first frame of an encoded stream, mpegFrame(128) carrying an encoder's header: "Xing" or
// "Info" (with the frame and byte counts), or "VBRI".
QByteArray encoderFrame(const char* id, quint32 frames, quint32 bytes);

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
