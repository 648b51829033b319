#include "playlist/PlaylistModel.h"
#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const PathStyle posix = PathStyle::posix();

QVector<Entry> songs(const QStringList& names) {
    QVector<Entry> entries;
    for (const QString& name : names)
        entries << Entry{name, u"/m"_s};
    return entries;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList names(const PlaylistModel& model) {
    QStringList all;
    for (int row = 0; row < model.rowCount(); ++row)
        all << model.at(row).name;
    return all;
}
} // namespace

TEST(PlaylistModel, AppendAsksAboutEverySongAlreadyThere) {
    PlaylistModel model(nullptr, posix);
    model.append(songs({u"A"_s, u"B"_s}));
    QList<qsizetype> asked;
    int shownWhenAsked = -1;
    const auto answer = [&](bool yes) {
        return [&, yes](qsizetype i) {
            asked << i;
            shownWhenAsked = model.rowCount();
            return yes;
        };
    };
    // A song of this very drop counts as present; the copy goes in on Yes.
    EXPECT_TRUE(model.append(songs({u"a"_s, u"C"_s, u"C"_s, u"D"_s}), PlaylistModel::Match::Exact,
                             answer(true)));
    EXPECT_EQ(asked, QList<qsizetype>{2});
    EXPECT_EQ(shownWhenAsked, 4) << "the songs before the question are shown";
    EXPECT_EQ(names(model), (QStringList{u"A"_s, u"B"_s, u"a"_s, u"C"_s, u"C"_s, u"D"_s}));
    // No stops the drop at once, keeping what went in before.
    asked.clear();
    EXPECT_FALSE(model.append(songs({u"E"_s, u"b"_s, u"F"_s}), PlaylistModel::Match::IgnoringCase,
                              answer(false)));
    EXPECT_EQ(asked, QList<qsizetype>{1});
    EXPECT_EQ(names(model).mid(6), QStringList{u"E"_s});
    EXPECT_EQ(model.data(model.index(0)).toString(), u"A {/m}");
}

TEST(PlaylistModel, RemovesEachRunOfRowsAtOnceAndSwapsRows) {
    PlaylistModel model(nullptr, posix);
    model.append(songs({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}));
    QList<std::pair<int, int>> removals;
    QStringList firstRemoved;
    QObject::connect(&model, &QAbstractItemModel::rowsAboutToBeRemoved,
                     [&](const QModelIndex&, int first, int last) {
                         removals << std::pair(first, last);
                         firstRemoved << model.at(first).name;
                     });
    model.remove({false, true, true, false, true, true}); // row 6 has no flag: kept
    EXPECT_EQ(removals, (QList<std::pair<int, int>>{{1, 2}, {2, 3}}));
    EXPECT_EQ(firstRemoved, (QStringList{u"1"_s, u"4"_s}));
    EXPECT_EQ(names(model), (QStringList{u"0"_s, u"3"_s, u"6"_s}));
    model.swap(0, 2);
    EXPECT_EQ(names(model), (QStringList{u"6"_s, u"3"_s, u"0"_s}));
    model.remove(QVector<bool>(3, true));
    EXPECT_EQ(removals.size(), 3);
    EXPECT_EQ(model.rowCount(), 0);
    model.append(songs({u"x"_s}));
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(PlaylistModel, LoadsAndSavesWholeFilesOrNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath(u"List.m3u"_s);
    PlaylistModel model(nullptr, posix);
    model.append({{u"Here.mp3"_s, dir.path()}, {u"Far.mp3"_s, u"/x"_s}});
    ASSERT_TRUE(model.save(file, PlaylistFormat::M3u, PathMode::Decide).written);
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "Here.mp3\r\n/x/Far.mp3\r\n");

    PlaylistModel other(nullptr, posix);
    ASSERT_TRUE(other.load(file, PlaylistFormat::M3u));
    EXPECT_EQ(names(other), (QStringList{u"Here.mp3"_s, u"Far.mp3"_s}));
    QString reason;
    EXPECT_FALSE(other.load(dir.filePath(u"gone.m3u"_s), PlaylistFormat::M3u, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(other.rowCount(), 2) << "a file that cannot be read changes nothing";

    model.append({{u"Two\nLines.mp3"_s, u"/x"_s}});
    const PlaylistSave refused = model.save(file, PlaylistFormat::Pls, PathMode::Always);
    EXPECT_FALSE(refused.written);
    EXPECT_EQ(refused.refused, QVector<RefusedSong>({{2, LineFault::LineBreak}}));
    // A disk that fills up half way keeps the old file byte for byte and leaves nothing behind.
    const int status = runWithFileSizeLimit(8, [&] {
        const PlaylistSave full = other.save(file, PlaylistFormat::Pls, PathMode::Always);
        return !full.written && !full.reason.isEmpty() ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    saved.seek(0);
    EXPECT_EQ(saved.readAll(), "Here.mp3\r\n/x/Far.mp3\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"List.m3u"_s});
}

TEST(PlaylistModel, SavesWhereverTheUserMayWriteTheFile) {
    QTemporaryDir dir;
    PlaylistModel model(nullptr, posix);
    model.append({{u"A.mp3"_s, u"/x"_s}});
    // A link stays a link: its target is written and keeps its permissions.
    const QString target = dir.filePath(u"real.m3u"_s);
    const QString link = dir.filePath(u"link.m3u"_s);
    writeBytes(target, "old");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadGroup | QFile::ReadUser |
                                                  QFile::WriteUser));
    const QFile::Permissions permissions = QFileInfo(target).permissions();
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(model.save(link, PlaylistFormat::M3u, PathMode::Always).written);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(target), "/x/A.mp3\r\n");
    EXPECT_EQ(QFileInfo(target).permissions(), permissions);

    // A folder that takes no new files (shared, read-only): the writable playlist is written in
    // place; a new playlist there is refused with the system's reason.
    const QString folder = dir.filePath(u"shared"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString file = folder + u"/List.m3u"_s;
    writeBytes(file, "old");
    const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner |
                     QFile::ExeGroup | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(file, all | QFile::WriteOwner | QFile::WriteGroup |
                                                QFile::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(folder, all));
    ASSERT_TRUE(QFile::setPermissions(dir.path(), all | QFile::WriteOwner));
    const int status = runAsOrdinaryUser([&] {
        const PlaylistSave fresh = model.save(folder + u"/New.m3u"_s, PlaylistFormat::M3u, {});
        const bool refused = !fresh.written && !fresh.reason.isEmpty();
        return refused && model.save(file, PlaylistFormat::M3u, PathMode::Always).written ? 0 : 1;
    });
    QFile::setPermissions(folder, all | QFile::WriteOwner);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(contents(file), "/x/A.mp3\r\n");
}
