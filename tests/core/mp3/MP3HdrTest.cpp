#include "core/mp3/MP3Hdr.h"
#include "core/mp3/HeaderReport.h"
#include "core/text/TabularText.h"
#include "support/FileBytes.h"
#include "support/Id3v2Bytes.h"
#include "support/SongBytes.h"

#include <QtEndian>

using namespace Qt::StringLiterals;

namespace {
const QByteArray kCommon = mpegHeader(3, 1, 9, 0, 1); // 128 kbit/s, 44100 Hz: 417 bytes
const QByteArray kLow = mpegHeader(2, 1, 8, 0, 3);    // 64 kbit/s, 22050 Hz: 208 bytes
const QByteArray kFree = mpegFrame(mpegHeader(3, 1, 0, 0, 1), 600); // free format, 44100 Hz

QString songFile(const QByteArray& bytes) {
    static QTemporaryDir dir;
    static int count = 0;
    return writeBytes(dir.filePath(u"song%1.mp3"_s.arg(++count)), bytes);
}
QByteArray le(quint32 n) {
    n = qToLittleEndian(n);
    return QByteArray(reinterpret_cast<const char*>(&n), 4);
}
MP3Hdr analyse(const QByteArray& bytes) {
    MP3Hdr h;
    ReadHeader(songFile(bytes), h);
    return h;
}
} // namespace

TEST(MP3Hdr, EachVersionAndLayerReadsItsOwnTables) {
    const std::tuple<QByteArray, const char*, QList<int>, const char*> rows[] = {
        {mpegHeader(3, 3, 14, 1), "1", {1, 448, 48000}, "Stereo"},
        {mpegHeader(3, 2, 10, 2, 1), "1", {2, 192, 32000}, "Joint-Stereo"},
        {mpegHeader(3, 1, 1, 0, 2), "1", {3, 32, 44100}, "Dual-Channel"},
        {mpegHeader(2, 3, 9, 1, 3), "2", {1, 144, 24000}, "Mono"},
        {mpegHeader(2, 2, 14, 2), "2", {2, 160, 16000}, "Stereo"},
        {mpegHeader(0, 1, 1, 2), "2.5", {3, 8, 8000}, "Stereo"}};
    for (const auto& [header, version, numbers, mode] : rows) {
        const MP3Hdr h = analyse(header + QByteArray(16, '\0')); // no second frame in the file
        EXPECT_EQ(h.HdrStatus, HeaderStatus::Found) << header.toHex().constData();
        EXPECT_EQ(versionText(h.HdrVersion) + u' ' + h.HdrMode,
                  QString::fromLatin1(version) + u' ' + QString::fromLatin1(mode));
        EXPECT_EQ(QList<int>({h.HdrLayer, h.HdrBitrate, h.HdrFrequency}), numbers);
    }
    for (const QByteArray& bad :
         {mpegHeader(1, 1, 9, 0), mpegHeader(3, 0, 9, 0), mpegHeader(3, 1, 15, 0),
          mpegHeader(3, 1, 9, 3), QByteArray("\xFF\x1B\x90\x00", 4)})
        EXPECT_EQ(analyse(bad + QByteArray(16, '\0')).HdrStatus, HeaderStatus::NoFrame)
            << "reserved version or layer, bitrate 15, sampling 3, a sync of 8 bits";
}

TEST(MP3Hdr, FalseSyncsTagsAndHeadersThatBeginNoStreamAreSkipped) {
    QByteArray junk(1000, '\0'); // a sync whose next frame is not there
    junk.replace(5, 4, kCommon);
    EXPECT_EQ(analyse(junk + mpegFrame(kLow, 208) + kLow).HdrFramePos, 1000);
    EXPECT_EQ(analyse("xyz" + mpegFrame(kCommon, 417) + mpegFrame(mpegHeader(3, 1, 9, 1), 384) +
                      mpegFrame(kCommon, 417) + kCommon)
                  .HdrFramePos,
              3 + 417 + 384)
        << "a sampling rate that changes";
    // Frame lengths: Layer I counts four-byte slots, padding adds one slot, MPEG-2.5 uses 72.
    const QByteArray filler(3000, '\x55');
    for (const QByteArray& song :
         {mpegFrame(mpegHeader(3, 3, 1, 1, 0, true), 36) + mpegHeader(3, 3, 1, 1) + filler,
          mpegFrame(mpegHeader(3, 1, 9, 0, 1, true), 418) + kCommon + filler,
          mpegFrame(mpegHeader(0, 1, 8, 2), 576) + mpegHeader(0, 1, 8, 2) + filler,
          mpegFrame(kLow, 208) + "TAG" + QByteArray(125, ' ')})
        EXPECT_EQ(analyse(song).HdrFramePos, 0) << song.left(4).toHex().constData();
    // ID3v2 tags whose bodies hold syncs, a 2.4 footer, two tags reaching past 1024 bytes.
    const QByteArray v23 = id3v2Tag(3, QByteArray(100, '\0') + kLow + QByteArray(153, '\0'));
    const MP3Hdr h = analyse(v23 + mpegFrame(kCommon, 417) + kCommon);
    EXPECT_EQ(QList<qint64>({h.HdrFramePos, h.HdrBitrate}), QList<qint64>({267, 128}));
    const QByteArray v24 =
        id3v2Tag(4, QByteArray(100, '\0') + kCommon, 0, 0x10) + "3DI" + QByteArray(7, 0);
    EXPECT_EQ(analyse(v24 + mpegFrame(kLow, 208) + kLow).HdrFramePos, 10 + 104 + 10);
    EXPECT_EQ(
        analyse(id3v2Tag(255, {}, 16).left(10) + mpegFrame(kLow, 208).repeated(2)).HdrFramePos, 10)
        << "version 255 is no tag";
    for (const int at : {3000, 60 * 1024})
        EXPECT_EQ(analyse(QByteArray(at, '\0') + mpegFrame(kCommon, 417) + kCommon).HdrFramePos,
                  at);
    EXPECT_EQ(analyse(QByteArray(70 * 1024, '\0') + kCommon).HdrStatus, HeaderStatus::NoFrame)
        << "the search covers 64 KiB";
    // Only headers that can begin a stream are taken.
    EXPECT_EQ(analyse(kFree + QByteArray(900, 'x') + mpegFrame().repeated(2)).HdrFramePos, 1500)
        << "a free-format header with no frame after it: the search goes on";
    const QByteArray uneven = kFree + kFree.left(500) + kFree + QByteArray(8000, 'x');
    EXPECT_EQ(analyse(uneven).HdrStatus, HeaderStatus::NoFrame) << "free frames at no one distance";
    for (const QByteArray& song :
         {mpegFrame(mpegHeader(0, 2, 8, 0), 835).repeated(3),
          mpegFrame(mpegHeader(0, 3, 8, 0), 276).repeated(3), QByteArray(100, 'x') + mpegFrame(),
          mpegFrame(kLow, 208) + QByteArray(128, 'x')})
        EXPECT_EQ(analyse(song).HdrStatus, HeaderStatus::NoFrame)
            << "MPEG 2.5 Layer II or I, a lone header the file is too short for or no tag after";
}

TEST(MP3Hdr, RiffWrappersAndFilesWithoutAFrame) {
    for (const char* data :
         {"riffxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxDATA", "RIFFxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxdata"}) {
        const QString path =
            songFile(data + QByteArray::fromHex("00010000") + mpegFrame(kCommon, 417) + kCommon);
        MP3Hdr h;
        EXPECT_EQ(FindRiffData(path), 45) << "\"data\" at byte 37";
        ASSERT_TRUE(ReadHeader(path, h));
        EXPECT_TRUE(h.HdrRiff && h.HdrFramePos == 44);
    }
    MP3Hdr h;
    const QString late = songFile("RIFF" + QByteArray(1020, '\0') + "data" + mpegFrame());
    for (const QString& path : {late, songFile("RIFF"), songFile({}) + u"/missing"_s}) {
        EXPECT_FALSE(ReadHeader(path, h));
        EXPECT_EQ(h.HdrStatus, HeaderStatus::Unreadable) << path.toStdString();
    }
    QStringList none = {songFile({}), songFile("Just text.\r\n"), songFile(id3v2Tag(3, "x"))};
    for (const char* format : {"wav", "flac", "ogg", "opus", "aac", "m4a", "jpg", "png"})
        none << QStringLiteral(VELMORA_TEST_DATA "/not-mpeg/%1.mp3").arg(format);
    for (const QString& path : none) {
        EXPECT_FALSE(ReadHeader(path, h));
        EXPECT_EQ(h.HdrStatus, HeaderStatus::NoFrame) << path.toStdString();
    }
}

TEST(MP3Hdr, LengthAndAverageBitrateFromEncoderHeadersOrFrames) {
    const QByteArray audio = mpegFrame().repeated(100); // 41,700 bytes of 128 kbit/s, 2.612 s
    // Ten frames in a "data" chunk, a LIST chunk after it; a chunk before it may move its size to
    // the very end of the bytes looked through.
    const auto riff = [&](int before, quint32 size) {
        return "RIFF" + le(5000) + "WAVEJUNK" + le(before) + QByteArray(before, '\1') + "data" +
               le(size) + audio.left(4170) + "LIST" + QByteArray(996, 'x');
    };
    // A header that counts one frame more than the file holds is near enough to be believed:
    // 101 frames of 1,152 samples at 44,100 Hz are 2.638 s, 41,700 bytes in them 126 kbit/s.
    const quint32 bytes = 101 * 417;
    const QByteArray xing = encoderFrame("Xing", 101, bytes) + audio;
    const std::tuple<QByteArray, bool, int, qint64, qint64> rows[] = {
        {id3v2Tag(3, {}, 128) + audio + id3v1Tag({}), false, 128, -1, 2606},
        {riff(16, 4170), false, 128, -1, 261}, // constant: measured from the bytes, not counted
        {riff(996, 4170), false, 128, -1, 261},
        {riff(16, 0), false, 128, -1, 323}, // a size a streaming writer left: to the file's end
        {riff(16, 0xFFFFFFFF), false, 128, -1, 323},
        {encoderFrame("Info", 101, bytes) + audio, false, 128, 101, 2638},
        {xing, true, 126, 101, 2638},
        {encoderFrame("VBRI", 101, bytes) + audio, true, 126, 101, 2638},
        {kFree.repeated(3), false, 184, 3, 78}, // 600 bytes a frame: 183,750 bit/s
        {kFree.repeated(3) + kFree.left(4), false, 138, 4, 104}}; // a last frame cut short counts
    for (const auto& [song, vbr, bitrate, frames, ms] : rows) {
        const MP3Hdr h = analyse(song);
        ASSERT_EQ(h.HdrStatus, HeaderStatus::Found) << ms;
        EXPECT_EQ(std::tuple(h.HdrVbr, h.HdrAverageBitrate, h.HdrFrames, h.HdrDurationMs),
                  std::tuple(vbr, bitrate, frames, ms));
    }
    const QString report = headerReport(analyse(xing), QLocale::c());
    EXPECT_TRUE(report.contains(u"\r\nBitrate:\t\t126 kBits (VBR)\r\n"_s)) << qPrintable(report);
    EXPECT_TRUE(report.endsWith(u"\r\nLayer:\t\t3\r\nLength:\t\t0:03\r\n"_s)) << qPrintable(report);
    for (auto [ms, text] : {std::pair{59500, "1:00"},
                            {3599499, "59:59"},
                            {3599500, "1:00:00"},
                            {36061000, "10:01:01"}})
        EXPECT_EQ(playingTime(ms), QLatin1String(text)) << ms;
}

TEST(MP3Hdr, TheEncodersFrameIsNotTheMusicAndBelievedOnlyWhereTheSongAgrees) {
    // LAME writes its header at a bitrate and mode that hold it, whatever the music's are.
    const QByteArray stereo160 = mpegFrame(mpegHeader(3, 1, 10, 0, 0), 522);
    const MP3Hdr h =
        analyse(encoderFrame("Xing", 50, 522 + 50 * 417, stereo160) + mpegFrame().repeated(50));
    ASSERT_EQ(h.HdrStatus, HeaderStatus::Found);
    EXPECT_EQ(std::tuple(h.HdrBitrate, h.HdrMode, h.HdrAverageBitrate, h.HdrFrames),
              std::tuple(128, u"Joint-Stereo"_s, 128, 50));
    EXPECT_EQ(analyse(encoderFrame("Info", 50, 51 * 417)).HdrStatus, HeaderStatus::NoFrame)
        << "an encoder's frame and nothing after it holds no music";
    const QByteArray audio = mpegFrame().repeated(100);
    QByteArray noRoom =
        encoderFrame("Xing", 100, 101 * 417, mpegFrame(mpegHeader(3, 1, 1, 0, 1), 104));
    noRoom[36 + 7] = 0x0F; // a table of contents and a quality too: 120 bytes past the side info
    QByteArray bytesOnly = encoderFrame("Xing", 101, 101 * 417);
    bytesOnly[36 + 7] = 2; // no count of frames: the first count is of bytes
    for (const QByteArray& song :
         {encoderFrame("Xing", 3000, 1567347) + audio, encoderFrame("Xing", 0, 101 * 417) + audio,
          noRoom + audio, bytesOnly + audio, encoderFrame("Info", 50, 51 * 417) + audio}) {
        const MP3Hdr joined = analyse(song);
        EXPECT_EQ(std::tuple(joined.HdrFrames, joined.HdrDurationMs, joined.HdrBitrate),
                  std::tuple(100, 2612, 128))
            << "too many, none, a header past its frame, no frames, two songs: not believed";
    }
}

TEST(MP3Hdr, AStreamWithoutEncoderHeaderIsVbrWhenItsFramesSaySo) {
    const QByteArray f64 = mpegFrame(mpegHeader(3, 1, 5, 0, 1), 208);
    const QByteArray f320 = mpegFrame(mpegHeader(3, 1, 14, 0, 1), 1044);
    const std::tuple<QByteArray, bool, int, qint64, qint64> rows[] = {
        {(mpegFrame() + f64).repeated(50), true, 96, 100, 2612},
        {mpegFrame() + f64, true, 96, 2, 52}, // too short to sample in parts
        // Long enough to be sampled: the first frames agree, later ones do not.
        {mpegFrame().repeated(20) + f320.repeated(700), true, 314, 720, 18808},
        // Frames off the beat of the first ones: the size says nothing, the frames are counted.
        {mpegFrame().repeated(20) + QByteArray(1000, 'x') + mpegFrame().repeated(680), false, 128,
         700, 18286},
        // Long and constant: measured from its size, its frames not counted.
        {mpegFrame().repeated(700), false, 128, -1, 18244}};
    for (const auto& [song, vbr, bitrate, frames, ms] : rows) {
        const MP3Hdr h = analyse(song);
        EXPECT_EQ(std::tuple(h.HdrVbr, h.HdrAverageBitrate, h.HdrFrames, h.HdrDurationMs),
                  std::tuple(vbr, bitrate, frames, ms));
    }
    // Free-format frames are spaced alike in every mode: 12 frames, 8 of them joint stereo.
    const QByteArray stereo = mpegFrame(mpegHeader(3, 1, 0, 0, 0), 600);
    const MP3Hdr h = analyse((kFree + stereo + kFree).repeated(4));
    EXPECT_EQ(std::tuple(h.HdrFrames, h.HdrDurationMs, h.HdrMode),
              std::tuple(12, 313, u"Joint-Stereo"_s));
    // 104-byte frames make 32 kbit/s, the lowest rate of MPEG-1 Layer III; 50-byte ones 15.
    EXPECT_EQ(analyse(mpegFrame(mpegHeader(3, 1, 0, 0, 1), 104).repeated(5)).HdrFrames, 5);
    // The longest a free-format frame can be: 640 kbit/s at 8,000 Hz.
    EXPECT_EQ(analyse(mpegFrame(mpegHeader(0, 1, 0, 2, 1), 5760).repeated(3)).HdrFrames, 3);
    EXPECT_EQ(analyse(mpegFrame(mpegHeader(3, 1, 0, 0, 1), 50).repeated(5)).HdrStatus,
              HeaderStatus::NoFrame);
}

TEST(MP3Hdr, TagsAtTheEndAreNeitherAudioNorInTheWay) {
    const QByteArray item = le(5) + le(0) + "Title" + '\0' + "Songs";
    const auto ape = [&](bool header) {
        const QByteArray size = le(item.size() + 32);
        const QByteArray flags = le(header ? 0x80000000u : 0);
        const QByteArray head = "APETAGEX" + le(2000) + size + le(1) + flags + QByteArray(8, 0);
        return (header ? head : QByteArray()) + item + "APETAGEX" + le(2000) + size + le(1) +
               flags + QByteArray(8, 0);
    };
    const QByteArray lyrics = "LYRICSBEGININD0000211";
    const QByteArray lyrics3 =
        lyrics + QByteArray::number(lyrics.size()).rightJustified(6, '0') + "LYRICS200";
    const QByteArray body = "TIT2" + QByteArray::fromHex("0000000300 00") + "\0ab";
    const QByteArray tag = id3v2Tag(4, body, 0, 0x10), v24 = tag + "3DI" + tag.mid(3, 7);
    const QByteArray tags[] = {ape(false), ape(true), lyrics3 + id3v1Tag({}), v24,
                               ape(true) + lyrics3 + id3v1Tag({})};
    for (const QByteArray& tag : tags) {
        const MP3Hdr lone = analyse(mpegFrame() + tag);
        EXPECT_EQ(std::tuple(lone.HdrStatus, lone.HdrDurationMs),
                  std::tuple(HeaderStatus::Found, 26))
            << tag.left(8).constData();
        // A long song is measured from its size: the tags' bytes would lengthen it.
        EXPECT_EQ(analyse(mpegFrame().repeated(700) + tag).HdrDurationMs, 18244)
            << tag.left(8).constData();
    }
}

TEST(MP3Hdr, ReportForTheBoxAndAlignedForATerminal) {
    MP3Hdr h = analyse(mpegFrame());
    h.HdrFile = u"/music/Song.mp3"_s;
    const QString report = headerReport(h, QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(report,
              u"Filename:\t\t/music/Song.mp3\r\n\r\nBitrate:\t\t128 kBits\r\nFrequency:\t44,100\r\n"
              "Mode:\t\tJoint-Stereo\r\nMPEG version:\t1\r\nLayer:\t\t3\r\nLength:\t\t0:00\r\n"_s);
    EXPECT_EQ(
        alignWithSpaces(report),
        u"Filename:      /music/Song.mp3\n\nBitrate:       128 kBits\nFrequency:     44,100\n"
        "Mode:          Joint-Stereo\nMPEG version:  1\nLayer:         3\nLength:        0:00\n"_s);
    h.HdrRiff = true;
    h.HdrFrequency = 0;
    const QString riff =
        alignWithSpaces(headerReport(h, QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_TRUE(riff.contains(u"Frequency:     000\n"_s)) << riff.toStdString();
    EXPECT_TRUE(riff.endsWith(u"0:00\n\nA RIFF wrapper was found around the file.\n"));
}

TEST(MP3Hdr, RealWorldFilesNamedInTheReportOfFaults) {
    const QString folder = realWorldSongs();
    if (folder.isEmpty())
        GTEST_SKIP() << "no shared/realworld/mp3 above " VELMORA_TEST_DATA;
    // Truth: frames in the file (ffprobe finds them) x samples / rate; modes from their headers.
    const std::tuple<const char*, int, const char*, bool, qint64> rows[] = {
        {"mopidy_song1.mp3", 8, "Mono", false, 4608},                 // header frame at 24 kbit/s
        {"strawberry_strawberry.mp3", 32, "Mono", false, 1698},       // header frame at 56
        {"minimp3_M2L3_bitrate_16_all.bit", 72, "Mono", true, 17136}, // VBR, no header
        {"taglib_garbage.mp3", 64, "Mono", false, 470},               // header counts 31 minutes
        {"minimp3_l2-nonstandard-free_format.bit", 192, "Joint-Stereo", false, 1764},
        {"minimp3_l3-nonstandard-apetag.bit", 64, "Mono", false, 24}}; // one frame, an APE tag
    for (const auto& [name, kbits, mode, vbr, ms] : rows) {
        MP3Hdr h;
        ASSERT_TRUE(ReadHeader(folder + u'/' + QLatin1String(name), h)) << name;
        EXPECT_EQ(std::tuple(h.HdrAverageBitrate, h.HdrMode, h.HdrVbr, h.HdrDurationMs),
                  std::tuple(kbits, QLatin1String(mode), vbr, ms))
            << name;
    }
    MP3Hdr h;
    for (const char* none :
         {"minimp3_l3-nonstandard-sideinfo-size.bit", "minimp3_l3-nonstandard-vbrtag-oob-read.bit"})
        EXPECT_FALSE(ReadHeader(folder + u'/' + QLatin1String(none), h)) << none;
}
