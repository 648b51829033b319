#include "mp3/CurrentTag.h"
#include "mp3/GenreList.h"
#include "mp3/TagEdits.h"
#include "mp3/TagFileAccess.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/SongBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {
const QByteArray kAudio = mpegFrame() + mpegFrame();

class Tags : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = u"song.mp3"_s) {
        return writeBytes(dir.filePath(name), bytes);
    }
    QTemporaryDir dir;
};
} // namespace

TEST_F(Tags, FillTagReadsOnlyAnUpperCaseTagAndNothingBeforeTheStart) {
    ASSERT_TRUE(FillTag(write(kAudio + id3v1Tag({.title = "Song", .track = 7, .genre = 17}))));
    EXPECT_EQ(CurrentTag.Title, u"Song"_s.leftJustified(30));
    EXPECT_EQ(CurrentTag.Genre, 17);
    EXPECT_TRUE(FillTag(write(id3v1Tag({.title = "Only"})))) << "a song that is only a tag";
    EXPECT_FALSE(FillTag(write(kAudio + id3v1Tag({.title = "Lower", .header = "tag"}))));
    EXPECT_EQ(CurrentTag.Title, u"Lower"_s.leftJustified(30)) << "the 128 bytes are kept";

    CurrentTag.Title = u"untouched"_s;
    EXPECT_FALSE(FillTag(write("TAG" + QByteArray(100, 'x'))));
    EXPECT_FALSE(FillTag(dir.filePath(u"missing.mp3"_s)));
    EXPECT_FALSE(FillTag(dir.path()));
    EXPECT_EQ(CurrentTag.Title, u"untouched") << "a short or missing song leaves the record alone";
}

TEST_F(Tags, ShownTextStopsAtZeroBytesAndTheTrackFollowsTheMarker) {
    const auto shown = [](const Id3v1& t) { return decodeTag(TagRecord::fromBytes(id3v1Tag(t))); };
    const TagText zeros = shown({.title = "  Padded", .comment = "C", .track = 3, .pad = '\0'});
    EXPECT_EQ(zeros.title, u"Padded");
    EXPECT_EQ(zeros.comment, u"C");
    EXPECT_EQ(zeros.track, 3);
    EXPECT_EQ(shown({.title = QByteArray("Title\0ab", 8)}).title, u"Title");
    EXPECT_EQ(shown({.title = "Caf\xE9"}).title, u"Café");
    EXPECT_EQ(shown({.track = 0}).track, std::nullopt) << "track 0 is no track";
    EXPECT_EQ(shown({.track = 32, .marker = 32}).track, std::nullopt);
    EXPECT_EQ(shown({.track = 9, .marker = 32}).track, 9);
    EXPECT_EQ(shown({.track = 'B', .marker = 'A'}).track, std::nullopt) << "an ID3v1.0 comment";
}

TEST_F(Tags, TextIsWrittenAsIso88591CutAndPaddedByBytes) {
    TagRecord tag = TagRecord::blank();
    tag.Title = u"Café Müller"_s;
    tag.Artist = u"Ωmega 😀 x"_s;
    tag.Album = QString(31, u'a');
    tag.Year = u"19"_s + QChar(0) + u"9"_s;
    const QByteArray bytes = tag.toBytes();
    ASSERT_EQ(bytes.size(), 128);
    EXPECT_EQ(bytes.mid(3, 30), QByteArray("Caf\xE9 M\xFCller").leftJustified(30));
    EXPECT_EQ(bytes.mid(33, 30), QByteArray("?mega ? x").leftJustified(30)) << "one ? a character";
    EXPECT_EQ(bytes.mid(63, 30), QByteArray(30, 'a'));
    EXPECT_EQ(bytes.mid(93, 4), "19 9") << "no zero byte in a text field";
    EXPECT_EQ(TagRecord::fromBytes(bytes).toBytes(), bytes);
}

TEST_F(Tags, EditsKeepWhatIsShownAndOnlyAPickedGenreChangesTheByte) {
    const TagRecord v10 = TagRecord::fromBytes(
        id3v1Tag({.title = "Old", .artist = "Band", .track = 'B', .genre = 200, .marker = 'A'}));
    const std::optional<TagRecord> saved = editedTag(v10, {.title = u"New"_s});
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->toBytes(),
              id3v1Tag({.title = "New", .artist = "Band", .genre = 200, .marker = 0}));
    EXPECT_EQ(editedTag(v10, {.genre = 17})->Genre, 17);

    const TagRecord zeros = TagRecord::fromBytes(id3v1Tag({.title = "Z", .pad = '\0'}));
    EXPECT_EQ(editedTag(zeros, {})->toBytes(), id3v1Tag({.title = "Z"})) << "padded with spaces";

    const std::pair<const char*, std::optional<quint8>> tracks[] = {
        {"", 0},   {"12", 12}, {"2.5", 2},           {"3.5", 4},
        {"7x", 7}, {"x7", 0},  {"-1", std::nullopt}, {"256", std::nullopt}};
    for (const auto& [text, track] : tracks) {
        const auto edited = editedTag(v10, {.track = QString::fromLatin1(text)});
        EXPECT_EQ(edited ? std::optional<quint8>(edited->Track) : std::nullopt, track) << text;
    }
}

TEST_F(Tags, AppendOnceThenOverwriteInPlaceNeverTheAudio) {
    const QString path = write(kAudio);
    TagRecord tag = TagRecord::blank();
    tag.Title = u"First"_s;
    ASSERT_EQ(writeTag(path, tag).status, TagSaveStatus::Saved);
    tag.Title = u"Second"_s;
    ASSERT_EQ(writeTag(path, tag).status, TagSaveStatus::Saved);
    EXPECT_EQ(readBytes(path), kAudio + id3v1Tag({.title = "Second"}));

    // The record says "TAG", but the song was replaced by one without a tag meanwhile.
    const QString other = write(kAudio + kAudio, u"other.mp3"_s);
    ASSERT_EQ(writeTag(other, tag).status, TagSaveStatus::Saved);
    EXPECT_EQ(readBytes(other), kAudio + kAudio + id3v1Tag({.title = "Second"}));

    EXPECT_EQ(writeTag(dir.filePath(u"gone.mp3"_s), tag).status, TagSaveStatus::Missing);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"gone.mp3"_s)));
    EXPECT_EQ(writeTag(write({}, u"empty.mp3"_s), tag).status, TagSaveStatus::BadLength);
    for (const qint64 length : {qint64(50'000'000), qint64(50'000'001)}) {
        QFile big(dir.filePath(u"big.mp3"_s));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(length)); // sparse
        big.close();
        const bool fits = length == 50'000'000;
        EXPECT_EQ(writeTag(big.fileName(), tag).status,
                  fits ? TagSaveStatus::Saved : TagSaveStatus::BadLength);
        EXPECT_EQ(big.size(), fits ? length + 128 : length);
    }
}

TEST_F(Tags, FailedAppendLeavesTheSongAsItWasAndTheNextSaveAppendsAgain) {
    const QString path = write(kAudio);
    // In the child: a full disk first (the soft limit), then room again (up to the hard limit).
    const int status = runWithFileSizeLimit(4096, [&] {
        rlimit tight{qulonglong(kAudio.size() + 50), 4096};
        if (setrlimit(RLIMIT_FSIZE, &tight) != 0)
            return 10;
        TagRecord tag = TagRecord::blank();
        const TagSaveResult failed = writeTag(path, tag);
        if (failed.status != TagSaveStatus::Failed || failed.error.isEmpty())
            return 1;
        if (tag.isTag() || readBytes(path) != kAudio)
            return 2; // a later save would overwrite audio, or part of a tag was left behind
        rlimit room{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &room);
        return writeTag(path, tag).status == TagSaveStatus::Saved ? 0 : 3;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(path), kAudio + id3v1Tag({}));
}

TEST(Genres, LinesNumbersAndNames) {
    QStringList read;
    for (const Genre& g : parseGenres("017 Rock\r\n17 Rock\r\n\r\n300 Too big\r\n-5 Minus\r\n"
                                      "255 None\r  8 Jazz\n009 Metal"))
        read << u"%1 %2"_s.arg(g.number).arg(g.name);
    EXPECT_EQ(read, (QStringList{u"17 Rock"_s, u"17 ock"_s, u"0 "_s, u"255 None"_s, u"8 Jazz"_s,
                                 u"9 Metal"_s}));
}

TEST(Genres, TheShippedListAndOneThatCannotBeRead) {
    QTemporaryDir program, data;
    const QString shipped =
        QFileInfo(QString::fromUtf8(__FILE__)).dir().filePath(u"../resources/genres.txt"_s);
    const auto genres = readGenres(shipped);
    ASSERT_TRUE(genres && genres->size() == 192);
    EXPECT_EQ((*genres)[17].name, u"Rock");
    EXPECT_EQ(findGenresFile(program.path(), data.path()), QString());
    QFile::copy(shipped, data.filePath(u"genres.txt"_s));
    EXPECT_EQ(findGenresFile(program.path(), data.path()), data.filePath(u"genres.txt"_s));
    // Beside the program, whatever has the name is the list, and says why it cannot be read.
    const QString beside = program.filePath(u"genres.txt"_s);
    QDir(program.path()).mkdir(u"genres.txt"_s);
    EXPECT_EQ(findGenresFile(program.path(), data.path()), beside);
    QString reason;
    EXPECT_FALSE(readGenres(beside, &reason));
    EXPECT_EQ(reason, u"Is a folder");
    QDir(program.path()).rmdir(u"genres.txt"_s);
    writeBytes(beside, "000 Blues\r\n001 \xFF\xFE\r\n");
    EXPECT_FALSE(readGenres(beside, &reason));
    EXPECT_EQ(reason, u"Not a text file");
}
