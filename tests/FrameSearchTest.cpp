#include "mp3/HeaderReport.h"
#include "mp3/MP3Hdr.h"
#include "support/SongBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// A frame header from its last three bytes, then filler that holds no sync up to length.
QByteArray frame(uchar b1, uchar b2, uchar b3, int length) {
    const char h[] = {char(0xFF), char(b1), char(b2), char(b3)};
    return QByteArray(h, 4) + QByteArray(length - 4, '\x55');
}
const QByteArray kFree = frame(0xFB, 0x00, 0x40, 600); // MPEG-1 Layer III, free format, 44,100 Hz

QByteArray times(const QByteArray& bytes, int n) {
    return bytes.repeated(n);
}

QByteArray littleEndian(quint32 n) {
    const char b[] = {char(n & 0xFF), char(n >> 8 & 0xFF), char(n >> 16 & 0xFF), char(n >> 24)};
    return QByteArray(b, 4);
}

class Stream : public ::testing::Test {
protected:
    MP3Hdr analyse(const QByteArray& bytes) {
        const QString path = dir.filePath(u"song%1.mp3"_s.arg(++count));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        f.close();
        MP3Hdr h;
        ReadHeader(path, h);
        return h;
    }
    QTemporaryDir dir;
    int count = 0;
};
} // namespace

TEST_F(Stream, LengthAndAverageBitrateFromEncoderHeadersOrAudioBytes) {
    const QByteArray id3v2 = QByteArray("ID3\x03\0\0\0\0\x01\0", 10) + QByteArray(128, '\0');
    const QByteArray audio = times(mpegFrame(), 100); // 41,700 bytes of 128 kbit/s
    const QByteArray riff = "RIFF" + littleEndian(5000) + "WAVEfmt " + littleEndian(16) +
                            QByteArray(16, '\1') + "data" + littleEndian(4170);
    // 3,000 frames of 1,152 samples at 44,100 Hz are 78.367 s; 1,567,347 bytes after the
    // counting frame make 160 kbit/s.
    const quint32 bytes = 1567347 + 417;
    struct Row {
        const char* what;
        QByteArray song;
        bool vbr;
        int bitrate;
        qint64 frames, ms;
    } rows[] = {
        {"CBR between two tags", id3v2 + audio + id3v1Tag({}), false, 128, -1, 2606},
        {"RIFF data chunk", riff + audio.left(4170) + "LIST" + QByteArray(996, 'x'), false, 128, -1,
         261},
        {"Info", encoderFrame("Info", 3000, bytes) + audio, false, 128, 3000, 78367},
        {"Xing", encoderFrame("Xing", 3000, bytes) + audio, true, 160, 3000, 78367},
        {"VBRI", encoderFrame("VBRI", 3000, bytes) + audio, true, 160, 3000, 78367},
        {"free format", times(kFree, 3), false, 0, -1, 78}, // 600 bytes a frame: 183,750 bit/s
    };
    for (const Row& r : rows) {
        const MP3Hdr h = analyse(r.song);
        ASSERT_EQ(h.HdrStatus, HeaderStatus::Found) << r.what;
        EXPECT_EQ(h.HdrVbr, r.vbr) << r.what;
        EXPECT_EQ(h.HdrAverageBitrate, r.bitrate) << r.what;
        EXPECT_EQ(h.HdrFrames, r.frames) << r.what;
        EXPECT_EQ(h.HdrDurationMs, r.ms) << r.what;
    }

    const QString report = headerReport(analyse(rows[3].song), QLocale::c());
    EXPECT_TRUE(report.contains(u"\r\nBitrate:\t\t160 kBits (VBR)\r\n"_s)) << qPrintable(report);
    EXPECT_TRUE(report.endsWith(u"\r\nLayer:\t\t3\r\nLength:\t\t1:18\r\n"_s)) << qPrintable(report);
    for (auto [ms, text] : {std::pair{0, "0:00"},
                            {59499, "0:59"},
                            {59500, "1:00"},
                            {3599499, "59:59"},
                            {3600000, "1:00:00"},
                            {36061000, "10:01:01"}})
        EXPECT_EQ(playingTime(ms), QLatin1String(text)) << ms;
}

TEST_F(Stream, OnlyHeadersThatCanBeAStreamAreTaken) {
    const QByteArray cbr = times(mpegFrame(), 2);
    EXPECT_EQ(analyse(kFree + QByteArray(900, 'x') + cbr).HdrFramePos, 1500)
        << "a free-format header with no frame after it: the search goes on";
    const QByteArray uneven = kFree + kFree.left(500) + kFree + QByteArray(8000, 'x');
    EXPECT_EQ(analyse(uneven).HdrStatus, HeaderStatus::NoFrame) << "free frames at no one distance";
    EXPECT_EQ(analyse(times(frame(0xE5, 0x80, 0, 835), 3)).HdrStatus, HeaderStatus::NoFrame)
        << "MPEG 2.5 Layer II";
    EXPECT_EQ(analyse(times(frame(0xE7, 0x80, 0, 276), 3)).HdrStatus, HeaderStatus::NoFrame)
        << "MPEG 2.5 Layer I";
    EXPECT_EQ(analyse(QByteArray(100, 'x') + frame(0xFB, 0x90, 0x64, 417)).HdrStatus,
              HeaderStatus::NoFrame)
        << "a lone header near the end that the file is too short for";
}

TEST_F(Stream, FilesOfOtherFormatsHoldNoFrame) {
    for (const char* format : {"wav", "flac", "ogg", "opus", "aac", "m4a", "jpg", "png"}) {
        MP3Hdr h;
        EXPECT_FALSE(
            ReadHeader(QStringLiteral(VELMORA_TEST_DATA "/not-mpeg/%1.mp3").arg(format), h));
        EXPECT_EQ(h.HdrStatus, HeaderStatus::NoFrame) << format;
    }
}
