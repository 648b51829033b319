#include "mp3/MP3Hdr.h"
#include "mp3/HeaderReport.h"
#include "platform/TabularText.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Version bits: 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5. Layer bits: 3 = I, 2 = II, 1 = III.
QByteArray hdr(int version, int layer, int bitrate, int sampling, int mode = 0, bool pad = false) {
    return QByteArray{"\xFF", 1} + char(0xE1 | version << 3 | layer << 1) +
           char(bitrate << 4 | sampling << 2 | (pad ? 2 : 0)) + char(mode << 6);
}
QByteArray frame(const QByteArray& header, int length) {
    return header + QByteArray(length - 4, '\x55'); // filler without a sync
}
QByteArray id3v2(char version, char flags, int size) {
    return QByteArray("ID3") + version + '\0' + flags + char(size >> 21 & 0x7F) +
           char(size >> 14 & 0x7F) + char(size >> 7 & 0x7F) + char(size & 0x7F);
}
const QByteArray kCommon = QByteArray::fromHex("FFFB9064"); // 128 kbit/s, 44100 Hz: 417 bytes
const QByteArray kLow = hdr(2, 1, 8, 0, 3);                 // 64 kbit/s, 22050 Hz: 208 bytes

QString songFile(const QByteArray& bytes) {
    static QTemporaryDir dir;
    static int count = 0;
    QFile f(dir.filePath(u"song%1.mp3"_s.arg(++count)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    return f.fileName();
}
MP3Hdr analyse(const QByteArray& bytes) {
    MP3Hdr h;
    ReadHeader(songFile(bytes), h);
    return h;
}
} // namespace

TEST(MP3Hdr, EachVersionAndLayerReadsItsOwnTables) {
    const std::tuple<QByteArray, const char*, QList<int>, const char*> rows[] = {
        {hdr(3, 3, 14, 1), "1", {1, 448, 48000}, "Stereo"},
        {hdr(3, 2, 10, 2, 1), "1", {2, 192, 32000}, "Joint-Stereo"},
        {hdr(3, 1, 1, 0, 2), "1", {3, 32, 44100}, "Dual-Channel"},
        {hdr(2, 3, 9, 1, 3), "2", {1, 144, 24000}, "Mono"},
        {hdr(2, 2, 14, 2), "2", {2, 160, 16000}, "Stereo"},
        {hdr(0, 1, 1, 2), "2.5", {3, 8, 8000}, "Stereo"}};
    for (const auto& [header, version, numbers, mode] : rows) {
        const MP3Hdr h = analyse(header + QByteArray(16, '\0')); // no second frame in the file
        EXPECT_EQ(h.HdrStatus, HeaderStatus::Found) << header.toHex().constData();
        EXPECT_EQ(versionText(h.HdrVersion) + u' ' + h.HdrMode,
                  QString::fromLatin1(version) + u' ' + QString::fromLatin1(mode));
        EXPECT_EQ(QList<int>({h.HdrLayer, h.HdrBitrate, h.HdrFrequency}), numbers);
    }
    for (const QByteArray& bad :
         {hdr(1, 1, 9, 0), hdr(3, 0, 9, 0), hdr(3, 1, 15, 0), hdr(3, 1, 9, 3)})
        EXPECT_EQ(analyse(bad + QByteArray(16, '\0')).HdrStatus, HeaderStatus::NoFrame)
            << "reserved version or layer, bitrate 15, sampling 3";
}

TEST(MP3Hdr, FalseSyncsAndTagsBeforeTheAudioAreSkipped) {
    QByteArray junk(1000, '\0'); // a sync whose next frame is not there
    junk.replace(5, 4, kCommon);
    EXPECT_EQ(analyse(junk + frame(kLow, 208) + kLow).HdrFramePos, 1000);
    EXPECT_EQ(analyse("xyz" + frame(kCommon, 417) + frame(hdr(3, 1, 9, 1), 384) +
                      frame(kCommon, 417) + kCommon)
                  .HdrFramePos,
              3 + 417 + 384)
        << "a sampling rate that changes";
    // Frame lengths: Layer I counts four-byte slots, padding adds one slot, MPEG-2.5 uses 72.
    const QByteArray filler(3000, '\x55');
    for (const QByteArray& song : {frame(hdr(3, 3, 1, 1, 0, true), 36) + hdr(3, 3, 1, 1) + filler,
                                   frame(hdr(3, 1, 9, 0, 1, true), 418) + kCommon + filler,
                                   frame(hdr(0, 1, 8, 2), 576) + hdr(0, 1, 8, 2) + filler,
                                   frame(kLow, 208) + "TAG" + QByteArray(125, ' ')})
        EXPECT_EQ(analyse(song).HdrFramePos, 0) << song.left(4).toHex().constData();
    // ID3v2 tags whose bodies hold syncs, a 2.4 footer, two tags reaching past 1024 bytes.
    const QByteArray v23 = id3v2(3, 0, 257) + QByteArray(100, '\0') + kLow + QByteArray(153, '\0');
    const MP3Hdr h = analyse(v23 + frame(kCommon, 417) + kCommon);
    EXPECT_EQ(QList<qint64>({h.HdrFramePos, h.HdrBitrate}), QList<qint64>({267, 128}));
    const QByteArray v24 =
        id3v2(4, 0x10, 104) + QByteArray(100, '\0') + kCommon + "3DI" + QByteArray(7, 0);
    EXPECT_EQ(analyse(v24 + frame(kLow, 208) + kLow).HdrFramePos, 10 + 104 + 10);
    for (const int at : {3000, 60 * 1024})
        EXPECT_EQ(analyse(QByteArray(at, '\0') + frame(kCommon, 417) + kCommon).HdrFramePos, at);
    EXPECT_EQ(analyse(QByteArray(70 * 1024, '\0') + kCommon).HdrStatus, HeaderStatus::NoFrame)
        << "the search covers 64 KiB";
}

TEST(MP3Hdr, RiffWrappersAndFilesWithoutAFrame) {
    for (const char* data :
         {"riffxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxDATA", "RIFFxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxdata"}) {
        const QString path =
            songFile(data + QByteArray::fromHex("00010000") + frame(kCommon, 417) + kCommon);
        MP3Hdr h;
        EXPECT_EQ(FindRiffData(path), 45) << "\"data\" at byte 37";
        ASSERT_TRUE(ReadHeader(path, h));
        EXPECT_TRUE(h.HdrRiff && h.HdrFramePos == 44);
    }
    MP3Hdr h;
    const QString late = songFile("RIFF" + QByteArray(1020, '\0') + "data" + frame(kCommon, 417));
    for (const QString& path : {late, songFile({}) + u"/missing"_s}) {
        EXPECT_FALSE(ReadHeader(path, h));
        EXPECT_EQ(h.HdrStatus, HeaderStatus::Unreadable) << path.toStdString();
    }
    for (const QByteArray& none :
         {QByteArray(), QByteArray("Just text.\r\n"), id3v2(3, 0, 1) + "x"}) {
        EXPECT_FALSE(ReadHeader(songFile(none), h));
        EXPECT_EQ(h.HdrStatus, HeaderStatus::NoFrame) << none.constData();
    }
}

TEST(MP3Hdr, ReportForTheBoxAndAlignedForATerminal) {
    MP3Hdr h{HeaderStatus::Found,
             u"/music/Song.mp3"_s,
             MpegVersion::Mpeg1,
             3,
             128,
             44100,
             u"Joint-Stereo"_s,
             false,
             0};
    const QString report = headerReport(h, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(report,
              u"Filename:\t\t/music/Song.mp3\r\n\r\nBitrate:\t\t128 kBits\r\nFrequency:\t44,100\r\n"
              "Mode:\t\tJoint-Stereo\r\nMPEG version:\t1\r\nLayer:\t\t3\r\nLength:\t\t0:00\r\n"_s);
    EXPECT_EQ(alignWithSpaces(report),
              u"Filename:      /music/Song.mp3\n\nBitrate:       128 kBits\nFrequency:     44,100\n"
              "Mode:          Joint-Stereo\nMPEG version:  1\nLayer:         3\nLength:        0:00\n"_s);
    h.HdrRiff = true;
    h.HdrFrequency = 0;
    const QString riff =
        alignWithSpaces(headerReport(h, QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_TRUE(riff.contains(u"Frequency:     000\n"_s)) << riff.toStdString();
    EXPECT_TRUE(riff.endsWith(u"0:00\n\nA RIFF wrapper was found around the file.\n"));
}
