#include "mp3/MP3Hdr.h"
#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "mp3/HeaderReport.h"
#include "support/WindowFixture.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Version bits: 3 = MPEG-1, 2 = MPEG-2, 0 = MPEG-2.5. Layer bits: 3 = I, 2 = II, 1 = III.
QByteArray frameHeader(int versionBits, int layerBits, int bitrateIndex, int samplingIndex,
                       int mode = 0, bool padded = false) {
    QByteArray h(4, '\0');
    h[0] = char(0xFF);
    h[1] = char(0xE0 | versionBits << 3 | layerBits << 1 | 1);
    h[2] = char(bitrateIndex << 4 | samplingIndex << 2 | (padded ? 2 : 0));
    h[3] = char(mode << 6);
    return h;
}

// A frame of the given length: its header, then filler that holds no sync.
QByteArray frame(const QByteArray& header, int length) {
    return header + QByteArray(length - 4, '\x55');
}

// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, joint stereo: 417 bytes a frame.
const QByteArray kCommon = QByteArray::fromHex("FFFB9064");
// MPEG-2 Layer III, 64 kbit/s, 22050 Hz, mono: 72 * 64000 / 22050 = 208 bytes a frame.
const QByteArray kLowRate = frameHeader(2, 1, 8, 0, 3);

QByteArray id3v2(char version, char flags, const QByteArray& body) {
    const int n = int(body.size());
    QByteArray tag = QByteArray("ID3") + version + '\0' + flags;
    tag += char(n >> 21 & 0x7F);
    tag += char(n >> 14 & 0x7F);
    tag += char(n >> 7 & 0x7F);
    tag += char(n & 0x7F);
    return tag + body;
}

class Analysis : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(u"song%1.mp3"_s.arg(++count));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    MP3Hdr analyse(const QByteArray& bytes) {
        MP3Hdr h;
        ReadHeader(write(bytes), h);
        return h;
    }
    QTemporaryDir dir;
    int count = 0;
};
} // namespace

TEST_F(Analysis, EveryVersionAndLayerDecodesWithItsOwnTables) {
    // The bitrate tables of ISO/IEC 11172-3 and 13818-3, indexes 1 to 14.
    const int v1[3][14] = {{32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
                           {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
                           {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}};
    const int v2[3][14] = {{32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
                           {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
                           {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};
    struct Version {
        int bits;
        MpegVersion version;
        const int (*rates)[14];
        int frequencies[3];
    };
    const Version versions[] = {{3, MpegVersion::Mpeg1, v1, {44100, 48000, 32000}},
                                {2, MpegVersion::Mpeg2, v2, {22050, 24000, 16000}},
                                {0, MpegVersion::Mpeg25, v2, {11025, 12000, 8000}}};
    const char* modes[] = {"Stereo", "Joint-Stereo", "Dual-Channel", "Mono"};
    for (const Version& v : versions) {
        for (int layer = v.bits == 0 ? 3 : 1; layer <= 3; ++layer) {
            for (int index = 1; index <= 14; ++index) {
                const int sampling = index % 3;
                // One header and less than a frame after it: the file holds no second frame.
                const MP3Hdr h =
                    analyse(frameHeader(v.bits, 4 - layer, index, sampling, index % 4) +
                            QByteArray(16, '\0'));
                const std::string where = "version bits " + std::to_string(v.bits) + " layer " +
                                          std::to_string(layer) + " index " + std::to_string(index);
                ASSERT_EQ(h.HdrStatus, HeaderStatus::Found) << where;
                EXPECT_EQ(h.HdrVersion, v.version) << where;
                EXPECT_EQ(h.HdrLayer, layer) << where;
                EXPECT_EQ(h.HdrBitrate, v.rates[layer - 1][index - 1]) << where;
                EXPECT_EQ(h.HdrFrequency, v.frequencies[sampling]) << where;
                EXPECT_EQ(h.HdrMode, QString::fromLatin1(modes[index % 4])) << where;
                EXPECT_EQ(h.HdrFramePos, 0) << where;
            }
        }
    }
}

TEST_F(Analysis, InvalidHeadersAndFalseSyncsAreSkipped) {
    // Reserved version, reserved layer, bitrate index 15, sampling index 3: none is a frame.
    for (const QByteArray& bad : {frameHeader(1, 1, 9, 0), frameHeader(3, 0, 9, 0),
                                  frameHeader(3, 1, 15, 0), frameHeader(3, 1, 9, 3)}) {
        const MP3Hdr h = analyse(bad + QByteArray(16, '\0'));
        EXPECT_FALSE(h.HdrStatus == HeaderStatus::Found) << bad.toHex().constData();
        EXPECT_EQ(h.HdrStatus, HeaderStatus::NoFrame);
    }

    // A sync in the junk before the audio whose next frame is not there, then the real frames.
    QByteArray junk(1000, '\0');
    junk.replace(5, 4, kCommon);
    const MP3Hdr h = analyse(junk + frame(kLowRate, 208) + frame(kLowRate, 208));
    ASSERT_TRUE(h.HdrStatus == HeaderStatus::Found);
    EXPECT_EQ(h.HdrFramePos, 1000);
    EXPECT_EQ(h.HdrBitrate, 64);
    EXPECT_EQ(h.HdrFrequency, 22050);
    EXPECT_EQ(h.HdrMode, u"Mono");

    // A valid header followed by one of another sampling rate is no frame either.
    const MP3Hdr mixed =
        analyse(QByteArray(3, 'x') + frame(kCommon, 417) + frame(frameHeader(3, 1, 9, 1), 384) +
                frame(kCommon, 417) + frame(kCommon, 417));
    EXPECT_EQ(mixed.HdrFramePos, 3 + 417 + 384);

    // Frame lengths by layer and padding (Layer I counts four-byte slots). Filler after the
    // second header: a wrong length lands in it and the first frame is not taken.
    const QByteArray filler(3000, '\x55');
    const MP3Hdr layer1 =
        analyse(QByteArray(7, 'x') + frame(frameHeader(3, 3, 1, 1, 0, true), 36) +
                frame(frameHeader(3, 3, 1, 1), 32) + frame(frameHeader(3, 3, 1, 1), 32) + filler);
    EXPECT_EQ(layer1.HdrFramePos, 7);
    const MP3Hdr padded = analyse(frame(frameHeader(3, 1, 9, 0, 1, true), 418) + kCommon + filler);
    EXPECT_EQ(padded.HdrFramePos, 0);
    const MP3Hdr layer2 =
        analyse(frame(frameHeader(3, 2, 10, 0), 626) + frameHeader(3, 2, 4, 0) + filler);
    EXPECT_EQ(layer2.HdrFramePos, 0);
    const MP3Hdr low =
        analyse(frame(frameHeader(0, 1, 8, 2), 576) + frameHeader(0, 1, 8, 2) + filler);
    EXPECT_EQ(low.HdrFramePos, 0) << "MPEG-2.5 Layer III: 72 * 64000 / 8000";

    // A single frame followed by an ID3v1 tag still counts.
    const MP3Hdr tagged = analyse(frame(kLowRate, 208) + "TAG" + QByteArray(125, ' '));
    EXPECT_EQ(tagged.HdrFramePos, 0);
}

TEST_F(Analysis, Id3v2TagsBeforeTheFirstFrameAreSkipped) {
    // The tag bodies hold syncs of their own, which must not be taken for the audio.
    const QByteArray body23 = QByteArray(100, '\0') + kLowRate + QByteArray(153, '\0');
    const MP3Hdr v23 = analyse(id3v2(3, 0, body23) + frame(kCommon, 417) + kCommon);
    ASSERT_TRUE(v23.HdrStatus == HeaderStatus::Found);
    EXPECT_EQ(v23.HdrFramePos, 10 + 257);
    EXPECT_EQ(v23.HdrBitrate, 128);
    EXPECT_EQ(v23.HdrFrequency, 44100);

    // Version 2.4 with a footer: ten more bytes; the footer begins "3DI".
    const QByteArray footer = QByteArray("3DI") + QByteArray(7, '\0');
    const QByteArray v24tag = id3v2(4, 0x10, QByteArray(100, '\0') + kCommon) + footer;
    const MP3Hdr v24 = analyse(v24tag + frame(kLowRate, 208) + kLowRate);
    EXPECT_EQ(v24.HdrFramePos, 10 + 104 + 10);
    EXPECT_EQ(v24.HdrBitrate, 64);
    // Past the footer another tag, which holds what looks like audio.
    const QByteArray next = id3v2(3, 0, frame(kLowRate, 208) + kLowRate);
    const MP3Hdr after = analyse(v24tag + next + frame(kCommon, 417) + kCommon);
    EXPECT_EQ(after.HdrFramePos, 124 + 10 + 212);
    EXPECT_EQ(after.HdrBitrate, 128);

    // Two tags in a row, the first of them large enough to end beyond the first 1024 bytes.
    const QByteArray first = id3v2(3, 0, QByteArray(3000, 'a'));
    const QByteArray second = id3v2(4, 0, QByteArray(20, 'b'));
    const MP3Hdr both = analyse(first + second + QByteArray(2, '\0') + frame(kCommon, 417));
    EXPECT_EQ(both.HdrFramePos, 3010 + 30 + 2);
    EXPECT_FALSE(both.HdrRiff);

    // What the old fixed-place reading got wrong: an ID3v2 song is not 24 kBits, layer 2.
    const MP3Hdr song = analyse(id3v2(3, 0, QByteArray(40, '\0')) + frame(kCommon, 417));
    EXPECT_EQ(song.HdrBitrate, 128);
    EXPECT_EQ(song.HdrLayer, 3);
}

TEST_F(Analysis, RiffWrapperInEitherCase) {
    const auto riff = [](const char* magic, const char* data) {
        QByteArray head = QByteArray(magic) + QByteArray::fromHex("24010000") + "WAVEfmt " +
                          QByteArray::fromHex("14000000");
        head += QByteArray(36 - head.size(), '\x01'); // "data" at byte 37
        return head + data + QByteArray::fromHex("00010000");
    };
    for (auto [magic, data] : {std::pair{"riff", "DATA"}, std::pair{"RIFF", "data"}}) {
        const QString path = write(riff(magic, data) + frame(kCommon, 417) + kCommon);
        EXPECT_EQ(FindRiffData(path), 45) << magic;
        MP3Hdr h;
        ASSERT_TRUE(ReadHeader(path, h)) << magic;
        EXPECT_TRUE(h.HdrRiff);
        EXPECT_EQ(h.HdrFramePos, 44);
        EXPECT_EQ(h.HdrBitrate, 128);
    }

    // "data" must be among the first 1024 bytes; past it the song is not analysed at all.
    QByteArray late = QByteArray("RIFF") + QByteArray(1020, '\0') + "data" + QByteArray(4, '\0');
    const QString path = write(late + frame(kCommon, 417));
    EXPECT_EQ(FindRiffData(path), -1);
    MP3Hdr h;
    EXPECT_FALSE(ReadHeader(path, h));
    EXPECT_EQ(h.HdrStatus, HeaderStatus::Unreadable);
    EXPECT_EQ(FindRiffData(write(frame(kCommon, 417))), 0);
}

TEST_F(Analysis, FilesWithoutAFrameAreToldFromUnreadableOnes) {
    MP3Hdr h;
    EXPECT_FALSE(ReadHeader(write({}), h));
    EXPECT_EQ(h.HdrStatus, HeaderStatus::NoFrame) << "an empty file";
    EXPECT_FALSE(ReadHeader(write("Just some text.\r\nNothing to hear.\r\n"), h));
    EXPECT_EQ(h.HdrStatus, HeaderStatus::NoFrame) << "a text file";
    EXPECT_FALSE(ReadHeader(write(id3v2(3, 0, QByteArray(50, '\0'))), h));
    EXPECT_EQ(h.HdrStatus, HeaderStatus::NoFrame) << "a tag and no audio";

    EXPECT_FALSE(ReadHeader(dir.filePath(u"missing.mp3"_s), h));
    EXPECT_EQ(h.HdrStatus, HeaderStatus::Unreadable);
    EXPECT_FALSE(ReadHeader(dir.path(), h));
    EXPECT_EQ(h.HdrStatus, HeaderStatus::Unreadable) << "a folder";
    EXPECT_EQ(FindRiffData(dir.filePath(u"missing.mp3"_s)), -1);

    // The search covers the first 64 KiB after the tags, no more.
    const QByteArray audio = frame(kCommon, 417) + kCommon;
    EXPECT_EQ(analyse(QByteArray(60 * 1024, '\0') + audio).HdrFramePos, 60 * 1024);
    EXPECT_EQ(analyse(QByteArray(70 * 1024, '\0') + audio).HdrStatus, HeaderStatus::NoFrame);
    EXPECT_EQ(analyse(id3v2(3, 0, QByteArray(70 * 1024, '\0')) + audio).HdrStatus,
              HeaderStatus::Found)
        << "the tag does not count against the window";
}

TEST(HeaderReport, TextWithTabsLineEndsAndGroupedFrequency) {
    MP3Hdr h;
    h.HdrFile = u"/music/Song.mp3"_s;
    h.HdrVersion = MpegVersion::Mpeg1;
    h.HdrLayer = 3;
    h.HdrBitrate = 128;
    h.HdrFrequency = 44100;
    h.HdrMode = u"Joint-Stereo"_s;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(headerReport(h, english),
              u"Filename:\t\t/music/Song.mp3\r\n\r\nBitrate:\t\t128 kBits\r\nFrequency:\t44,100\r\n"
              "Mode:\t\tJoint-Stereo\r\nMPEG version:\t1\r\nLayer:\t\t3\r\nLength:\t\t0:00\r\n"_s);

    h.HdrRiff = true;
    h.HdrVersion = MpegVersion::Mpeg25;
    h.HdrFrequency = 8000;
    const QString riff = headerReport(h, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(riff.contains(u"Frequency:\t8.000\r\n"_s)) << riff.toStdString();
    EXPECT_TRUE(riff.contains(u"MPEG version:\t2.5\r\n"_s));
    EXPECT_TRUE(riff.endsWith(u"Length:\t\t0:00\r\n\r\nA RIFF wrapper was found around the file."_s));

    EXPECT_EQ(formatAtLeastThreeDigits(0, english), u"000");
    EXPECT_EQ(formatAtLeastThreeDigits(7, english), u"007");
    EXPECT_EQ(formatAtLeastThreeDigits(48, english), u"048");
    EXPECT_EQ(formatAtLeastThreeDigits(1234567, english), u"1,234,567");
}

namespace {
class HeaderWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        folder = makeFolder(u"music"_s);
    }
    void TearDown() override {
        QLocale::setDefault(QLocale::system());
        WindowFixture::TearDown();
    }
    void doubleClick(frmMain& w, const QString& name) {
        ASSERT_TRUE(w.Dir1->setPath(folder));
        w.File1->setPath(folder);
        const auto found = w.File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        w.File1->setCurrentItem(found[0]);
        w.File1_DblClick();
    }
    QString folder;
};
} // namespace

TEST_F(HeaderWindow, DoubleClickShowsTheReportOrSaysThereIsNoFrame) {
    writeFile(u"music/Song.mp3"_s, id3v2(3, 0, QByteArray(30, '\0')) + frame(kCommon, 417));
    writeFile(u"music/Notes.mp3"_s, "not a song");
    writeFile(u"music/Wrapped.mp3"_s, QByteArray("RIFF") + QByteArray(20, '\0'));
    frmMain w;

    prompter.expectMessage();
    doubleClick(w, u"Song.mp3"_s);
    ASSERT_EQ(prompter.shown().size(), 1u);
    const MessageBoxRequest& report = prompter.last();
    const QString path = folder + u"/Song.mp3"_s;
    EXPECT_EQ(report.text, u"Filename:\t\t"_s + path +
                               u"\r\n\r\nBitrate:\t\t128 kBits\r\nFrequency:\t44,100\r\nMode:\t\t"
                               "Joint-Stereo\r\nMPEG version:\t1\r\nLayer:\t\t3\r\nLength:\t\t0:00\r\n"_s);
    EXPECT_EQ(report.title, u"File Header");
    EXPECT_EQ(report.buttons, MsgButtons::Ok);
    EXPECT_EQ(report.icon, MsgIcon::Information);

    prompter.expectMessage();
    doubleClick(w, u"Notes.mp3"_s);
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.last().text,
              u"No MPEG audio frame header was found in "_s + folder + u"/Notes.mp3."_s);
    EXPECT_EQ(prompter.last().title, u"File Header");
    EXPECT_EQ(prompter.last().icon, MsgIcon::Information);

    // A RIFF file without "data", and a song deleted after the list was filled: silence.
    doubleClick(w, u"Wrapped.mp3"_s);
    ASSERT_TRUE(QFile::remove(path));
    w.File1->setCurrentItem(w.File1->findItems(u"Song.mp3"_s, Qt::MatchExactly).value(0));
    w.File1_DblClick();
    EXPECT_EQ(prompter.shown().size(), 2u);
}
