#include "mp3/CurrentTag.h"
#include "mp3/GenreList.h"
#include "mp3/TagFileAccess.h"
#include "mp3/TagRecord.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {
QByteArray field(const QByteArray& text, int width, char pad = ' ') {
    return text + QByteArray(width - text.size(), pad);
}

// A tag block as a tagging program writes it.
QByteArray tagBlock(const QByteArray& title, quint8 marker, quint8 track, quint8 genre,
                    char pad = ' ', const QByteArray& header = "TAG") {
    return header + field(title, 30, pad) + field("Artist", 30, pad) + field("Album", 30, pad) +
           field("1999", 4, pad) + field("Comment", 28, pad) + char(marker) + char(track) +
           char(genre);
}

const QByteArray kAudio = QByteArray(1000, '\x5A');

class Tags : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = u"song.mp3"_s) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};
} // namespace

TEST_F(Tags, FillTagReadsOnlyAnUpperCaseTagAndNothingBeforeTheStart) {
    ASSERT_TRUE(FillTag(write(kAudio + tagBlock("Song", 0, 7, 17))));
    EXPECT_EQ(CurrentTag.Title, field("Song", 30));
    EXPECT_EQ(CurrentTag.Year, u"1999");
    EXPECT_EQ(CurrentTag.Track, 7);
    EXPECT_EQ(CurrentTag.Genre, 17);
    EXPECT_TRUE(FillTag(write(tagBlock("Exactly", 0, 1, 2)))) << "a song that is only a tag";

    EXPECT_FALSE(FillTag(write(kAudio + tagBlock("Lower", 0, 1, 2, ' ', "tag"))));
    EXPECT_EQ(CurrentTag.Header, u"tag") << "the 128 bytes are kept all the same";
    EXPECT_EQ(CurrentTag.Title, field("Lower", 30));

    CurrentTag = TagRecord::blank();
    CurrentTag.Title = u"untouched"_s;
    EXPECT_FALSE(FillTag(write(QByteArray("TAG") + QByteArray(100, 'x'))));
    EXPECT_FALSE(FillTag(dir.filePath(u"missing.mp3"_s)));
    EXPECT_FALSE(FillTag(dir.path()));
    EXPECT_EQ(CurrentTag.Title, u"untouched") << "a short or missing song leaves the record alone";
}

TEST_F(Tags, DecodedTextStopsAtZeroBytesAndFollowsTheMarker) {
    const auto decoded = [](const QByteArray& block) {
        return decodeTag(TagRecord::fromBytes(block));
    };
    const TagText zeros = decoded(tagBlock("  Padded", 0, 3, 255, '\0'));
    EXPECT_EQ(zeros.title, u"Padded");
    EXPECT_EQ(zeros.comment, u"Comment");
    EXPECT_EQ(zeros.track, 3);
    EXPECT_EQ(zeros.genre, 255);

    QByteArray junkAfterZero = tagBlock("Title", 0, 0, 1);
    junkAfterZero.replace(3 + 5, 3, QByteArray("\0ab", 3));
    EXPECT_EQ(decoded(junkAfterZero).title, u"Title");
    EXPECT_EQ(decoded(junkAfterZero).track, std::nullopt) << "track 0 is no track";
    EXPECT_EQ(decoded(tagBlock("T", 32, 32, 1)).track, std::nullopt);
    EXPECT_EQ(decoded(tagBlock("T", 32, 9, 1)).track, 9);

    // An ID3v1.0 comment runs over the marker and track bytes: no track then.
    const TagText v10 = decoded(tagBlock("Old", 'A', 'B', 12));
    EXPECT_EQ(v10.track, std::nullopt);
    EXPECT_EQ(v10.comment, u"Comment");
    EXPECT_EQ(v10.genre, 12);

    const TagText latin = decoded(tagBlock("Caf\xE9 M\xFCller", 0, 1, 1));
    EXPECT_EQ(latin.title, u"Café Müller");
}

TEST_F(Tags, TextIsWrittenAsIso88591CutAndPaddedByBytes) {
    TagRecord tag = TagRecord::blank();
    tag.Header = u"TAG"_s;
    tag.Title = TagRecord::fitText(u"Café Müller"_s, TagRecord::kTitleWidth);
    tag.Artist = TagRecord::fitText(u"Ωmega 😀 x"_s, TagRecord::kArtistWidth);
    tag.Album = TagRecord::fitText(QString(31, u'a') + u'b', TagRecord::kAlbumWidth);
    tag.Year = TagRecord::fitText(u"19"_s + QChar(0) + u"9"_s, TagRecord::kYearWidth);
    tag.Track = 12;
    const QByteArray bytes = tag.toBytes();
    ASSERT_EQ(bytes.size(), 128);
    EXPECT_EQ(bytes.mid(3, 30), field("Caf\xE9 M\xFCller", 30));
    EXPECT_EQ(bytes.mid(33, 30), field("?mega ? x", 30)) << "one \"?\" for each character";
    EXPECT_EQ(bytes.mid(63, 30), QByteArray(30, 'a'));
    EXPECT_EQ(bytes.mid(93, 4), "19 9") << "no zero byte in a text field";
    EXPECT_EQ(bytes.mid(97, 28), QByteArray(28, ' '));
    EXPECT_EQ(bytes.right(3), QByteArray::fromHex("000CFF"));
    EXPECT_EQ(TagRecord::fromBytes(bytes).toBytes(), bytes);
    EXPECT_EQ(decodeTag(TagRecord::fromBytes(bytes)).title, u"Café Müller");

    EXPECT_EQ(trackFromText(u""_s), 0);
    EXPECT_EQ(trackFromText(u"12"_s), 12);
    EXPECT_EQ(trackFromText(u"2.5"_s), 2);
    EXPECT_EQ(trackFromText(u"3.5"_s), 4);
    EXPECT_EQ(trackFromText(u"7x"_s), 7);
    EXPECT_EQ(trackFromText(u"x7"_s), 0);
    EXPECT_EQ(trackFromText(u"-1"_s), std::nullopt);
    EXPECT_EQ(trackFromText(u"256"_s), std::nullopt);
}

TEST_F(Tags, AppendOnceThenOverwriteInPlaceNeverTheAudio) {
    const QString path = write(kAudio);
    TagRecord tag = TagRecord::blank();
    tag.Title = TagRecord::fitText(u"First"_s, TagRecord::kTitleWidth);
    ASSERT_EQ(writeTag(path, tag).status, TagSaveStatus::Saved);
    EXPECT_EQ(tag.Header, u"TAG");
    QByteArray onDisk = read(path);
    ASSERT_EQ(onDisk.size(), 1128);
    EXPECT_EQ(onDisk.left(1000), kAudio);
    EXPECT_EQ(onDisk.mid(1000, 8), "TAGFirst");

    tag.Title = TagRecord::fitText(u"Second"_s, TagRecord::kTitleWidth);
    ASSERT_EQ(writeTag(path, tag).status, TagSaveStatus::Saved);
    onDisk = read(path);
    ASSERT_EQ(onDisk.size(), 1128) << "the second save overwrites";
    EXPECT_EQ(onDisk.left(1000), kAudio);
    EXPECT_EQ(onDisk.mid(1000, 9), "TAGSecond");

    // The record says "TAG", but the song was replaced by one without a tag meanwhile.
    const QString other = write(kAudio + kAudio, u"other.mp3"_s);
    ASSERT_EQ(writeTag(other, tag).status, TagSaveStatus::Saved);
    onDisk = read(other);
    ASSERT_EQ(onDisk.size(), 2128);
    EXPECT_EQ(onDisk.left(2000), kAudio + kAudio);

    EXPECT_EQ(writeTag(dir.filePath(u"gone.mp3"_s), tag).status, TagSaveStatus::Missing);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"gone.mp3"_s)));
    EXPECT_EQ(writeTag(write({}, u"empty.mp3"_s), tag).status, TagSaveStatus::BadLength);
    EXPECT_EQ(read(dir.filePath(u"empty.mp3"_s)), QByteArray());
}

TEST_F(Tags, LengthLimitIsFiftyMillionBytes) {
    for (const qint64 length : {qint64(50'000'000), qint64(50'000'001)}) {
        const QString path = dir.filePath(u"big%1.mp3"_s.arg(length));
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_TRUE(f.resize(length)); // sparse: takes no room on disk
        }
        TagRecord tag = TagRecord::blank();
        const TagSaveStatus status = writeTag(path, tag).status;
        if (length == 50'000'000) {
            EXPECT_EQ(status, TagSaveStatus::Saved);
            EXPECT_EQ(QFileInfo(path).size(), length + 128);
        } else {
            EXPECT_EQ(status, TagSaveStatus::BadLength);
            EXPECT_EQ(QFileInfo(path).size(), length);
        }
        QFile::remove(path);
    }
}

TEST_F(Tags, FailedAppendLeavesTheSongAsItWasAndTheNextSaveAppendsAgain) {
    const QString path = write(kAudio);
    // In the child: a full disk first (the soft limit), then room again (up to the hard limit).
    const int status = runWithFileSizeLimit(4096, [&] {
        rlimit tight{1050, 4096};
        if (setrlimit(RLIMIT_FSIZE, &tight) != 0)
            return 10;
        TagRecord tag = TagRecord::blank();
        const TagSaveResult failed = writeTag(path, tag);
        if (failed.status != TagSaveStatus::Failed || failed.error.isEmpty())
            return 1;
        if (tag.isTag())
            return 2; // a later save would overwrite the audio's last bytes
        if (read(path) != kAudio)
            return 3; // part of a tag left behind
        rlimit room{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &room);
        if (writeTag(path, tag).status != TagSaveStatus::Saved || !tag.isTag())
            return 4;
        return 0;
    });
    EXPECT_EQ(status, 0);
    const QByteArray onDisk = read(path);
    ASSERT_EQ(onDisk.size(), 1128);
    EXPECT_EQ(onDisk.left(1000), kAudio);
    EXPECT_EQ(onDisk.mid(1000, 3), "TAG");
}

TEST(Genres, LinesNumbersAndNames) {
    const QVector<Genre> genres =
        parseGenres("017 Rock\r\n17 Rock\r\n\r\n300 Too big\r\n-5 Minus\r\n"
                    "255 None\r  8 Jazz\n009 Metal");
    ASSERT_EQ(genres.size(), 6);
    EXPECT_EQ(genres[0].number, 17);
    EXPECT_EQ(genres[0].name, u"Rock");
    EXPECT_EQ(genres[1].number, 17);
    EXPECT_EQ(genres[1].name, u"ock") << "the name starts at the fifth character";
    EXPECT_EQ(genres[2].number, 0);
    EXPECT_EQ(genres[2].name, u"");
    EXPECT_EQ(genres[3].number, 255);
    EXPECT_EQ(genres[3].name, u"None");
    EXPECT_EQ(genres[4].number, 8);
    EXPECT_EQ(genres[4].name, u"Jazz");
    EXPECT_EQ(genres[5].number, 9);
    EXPECT_EQ(genres[5].name, u"Metal");
}

TEST(Genres, ShippedListAndWhereItIsLookedFor) {
    const QDir source = QFileInfo(QString::fromUtf8(__FILE__)).dir();
    const QString shipped = source.filePath(u"../resources/genres.txt"_s);
    const QVector<Genre> genres = readGenres(shipped);
    ASSERT_EQ(genres.size(), 192);
    for (int i = 0; i < genres.size(); ++i)
        EXPECT_EQ(genres[i].number, i);
    EXPECT_EQ(genres[17].name, u"Rock");
    EXPECT_EQ(genres[191].name, u"Psybient");
    QFile file(shipped);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("000 Blues\r\n001 Classic Rock\r\n"));

    QTemporaryDir program, data;
    EXPECT_EQ(findGenresFile(program.path(), data.path()), QString());
    QDir(program.path()).mkdir(u"genres.txt"_s); // a folder of that name is no list
    QFile::copy(shipped, data.filePath(u"genres.txt"_s));
    EXPECT_EQ(findGenresFile(program.path(), data.path()), data.filePath(u"genres.txt"_s));
    QDir(program.path()).rmdir(u"genres.txt"_s);
    QFile::copy(shipped, program.filePath(u"genres.txt"_s));
    EXPECT_EQ(findGenresFile(program.path(), data.path()), program.filePath(u"genres.txt"_s));
    EXPECT_TRUE(readGenres(data.filePath(u"nothing.txt"_s)).isEmpty());
}
