#include "core/playlist/PlaylistModel.h"
#include "core/playlist/SongFolderWatcher.h"
#include "support/ChildProcess.h"
#include "support/FileBytes.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
QVector<Entry> songs(const QString& names) {
    QVector<Entry> entries;
    for (QChar name : names)
        entries << Entry{name, u"/m"_s};
    return entries;
}

QString names(const PlaylistModel& model) {
    QString all;
    for (int row = 0; row < model.rowCount(); ++row)
        all += model.at(row).name;
    return all;
}
using PlaylistModelFiles = TempFolder;
} // namespace

TEST(PlaylistModel, AppendsAskingAboutEverySongAlreadyThereRemovesAndSwaps) {
    PlaylistModel model(nullptr, PathStyle::posix());
    int runs = 0; // views hear of each run of rows that goes in, and of no empty one
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] { ++runs; });
    model.append(songs(u"AB"_s));
    QList<qsizetype> asked;
    const auto answer = [&](bool yes) {
        return [&, yes](qsizetype i) {
            asked << i << model.rowCount(); // the songs before the question are shown
            return yes;
        };
    };
    // A song of this very drop counts as present; the copy goes in on Yes.
    EXPECT_TRUE(model.append(songs(u"aCCD"_s), PlaylistModel::Match::Exact, answer(true)));
    EXPECT_EQ(names(model), u"ABaCCD");
    // No stops the drop at once, keeping what went in before.
    EXPECT_FALSE(model.append(songs(u"EbF"_s), PlaylistModel::Match::IgnoringCase, answer(false)));
    EXPECT_EQ(names(model), u"ABaCCDE");
    EXPECT_EQ(asked, (QList<qsizetype>{2, 4, 1, 7}));
    EXPECT_EQ(model.data(model.index(0)).toString(), u"A {/m}");
    // Views hear of a removal once: scattered rows gather at the end first, neighbours leave as
    // they are.
    std::string heard;
    QObject::connect(&model, &PlaylistModel::layoutChanged, [&] { heard += "layout "; });
    QObject::connect(&model, &PlaylistModel::rowsRemoved, [&](auto, int first, int last) {
        heard += std::to_string(first) + '-' + std::to_string(last) + ' ';
    });
    const QPersistentModelIndex c = model.index(3);
    model.remove({false, true, true, false, true, true}); // row 6 has no flag: kept
    EXPECT_EQ(names(model), u"ACE");
    EXPECT_EQ(c.row(), 1) << "indexes kept by views follow their rows";
    model.swap(0, 2);
    model.remove({false, true, true});
    model.remove({false}); // nothing to remove: views hear nothing
    EXPECT_EQ(names(model), u"E");
    EXPECT_EQ(heard, "layout 3-6 1-2 ");
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
    model.append(songs(u"A"_s));
    EXPECT_TRUE(model.append(songs(u"A"_s), PlaylistModel::Match::Exact, answer(true)));
    EXPECT_EQ(runs, 6) << "a drop that starts with a copy";
    model.replaceAt({0}, songs(u"Z"_s)); // no song looked for yet: no mark to clear
    EXPECT_EQ(names(model), u"ZA");
}

TEST_F(PlaylistModelFiles, MarksEntriesWhoseSongsAreNotThereUntilTheyAppear) {
    const QString d = tmp.path();
    writeFile(u"Here.mp3"_s, "x");
    QDir(d).mkdir(u"a"_s);
    PlaylistModel model(nullptr, PathStyle::posix());
    SongFolderWatcher watcher(model); // a folder that is gone through the nearest one there
    model.append({{u"Here.mp3"_s, d},
                  {u"Gone.mp3"_s, d},
                  {u"Bare.mp3"_s, {}},
                  {u"Far.mp3"_s, d + u"/a/moved"_s},
                  {u"http://r.example/live"_s, {}, true}});
    QCoreApplication::processEvents();
    EXPECT_TRUE(watcher.folders().contains(d + u"/a"_s));
    std::string told; // the rows views hear about
    QObject::connect(&model, &PlaylistModel::dataChanged, [&](auto from, auto to) {
        told += std::to_string(from.row()) + '-' + std::to_string(to.row()) + ' ';
    });
    const auto marks = [&] {
        std::string all;
        for (int row = 0; row < model.rowCount(); ++row)
            all += model.index(row).data(PlaylistModel::MissingRole).toBool() ? 'M' : '-';
        return all;
    };
    model.checkFiles(d); // a bare name is looked for in the folder given
    EXPECT_EQ(marks(), "-MMM-");
    EXPECT_EQ(model.index(2).data(Qt::ToolTipRole), u"File not found: "_s + d + u"/Bare.mp3"_s);
    EXPECT_FALSE(model.index(0).data(Qt::ToolTipRole).isValid());
    writeFile(u"Gone.mp3"_s, "x");
    writeFile(u"Bare.mp3"_s, "x");
    model.remove({true}); // marks follow their rows
    EXPECT_EQ(marks(), "MMM-");
    model.checkFiles(d);
    EXPECT_EQ(marks(), "--M-");
    EXPECT_EQ(told, "1-3 0-1 ");
    QFile::remove(path(u"Gone.mp3"_s));
    model.append(QVector<Entry>(4000, {u"Lost.mp3"_s, d})); // looked for on several threads
    model.checkFiles(d, 4); // only the new rows: Gone.mp3 keeps its old mark
    EXPECT_EQ(std::ranges::count(marks(), 'M'), 4001);
    EXPECT_EQ(marks().substr(0, 4), "--M-");
}

TEST_F(PlaylistModelFiles, LoadsAndSavesWholeFilesOrNothingWhereverTheUserMayWrite) {
    PlaylistModel model(nullptr, PathStyle::posix());
    model.append({{u"A.mp3"_s, u"/x"_s}});
    const QString file = path(u"List.m3u"_s);
    ASSERT_TRUE(model.save(file, PlaylistFormat::M3u, PathMode::Decide));
    EXPECT_EQ(readBytes(file), "/x/A.mp3\r\n");
    PlaylistModel other;
    ASSERT_TRUE(other.load(file, PlaylistFormat::M3u));
    EXPECT_EQ(other.entries(), model.entries());
    const Result<> gone = other.load(path(u"gone.m3u"_s), PlaylistFormat::M3u);
    EXPECT_FALSE(gone || gone.reason().isEmpty());
    EXPECT_EQ(other.rowCount(), 1) << "a file that cannot be read changes nothing";
    // A disk that fills up half way keeps the old file byte for byte and leaves nothing behind.
    const int full = runWithFileSizeLimit(8, [&] {
        const Result<> save = other.save(file, PlaylistFormat::Pls, PathMode::Always);
        return save || save.reason().isEmpty();
    });
    EXPECT_EQ(full, 0);
    EXPECT_EQ(readBytes(file), "/x/A.mp3\r\n");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{u"List.m3u"_s});
    // A link stays a link: its target is written and keeps its permissions.
    const QString target = writeFile(u"real.m3u"_s, "old"), link = path(u"link.m3u"_s);
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    const QFile::Permissions permissions = QFileInfo(target).permissions();
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(model.save(link, PlaylistFormat::M3u, PathMode::Always));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(target), "/x/A.mp3\r\n");
    EXPECT_EQ(QFileInfo(target).permissions(), permissions);
    // A folder that takes no new files (shared, read-only): the writable playlist is written in
    // place; a new playlist there is refused with the system's reason.
    const QString shared = writeFile(u"shared/List.m3u"_s, "old"), folder = path(u"shared"_s);
    const auto all = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner |
                     QFile::ExeGroup | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(shared, all | QFile::WriteOwner | QFile::WriteGroup |
                                                  QFile::WriteOther));
    ASSERT_TRUE(QFile::setPermissions(folder, all));
    ASSERT_TRUE(QFile::setPermissions(tmp.path(), all | QFile::WriteOwner));
    const int status = runAsOrdinaryUser([&] {
        const Result<> fresh = model.save(folder + u"/New.m3u"_s, PlaylistFormat::M3u, {});
        const bool refused = !fresh && !fresh.reason().isEmpty();
        return refused && model.save(shared, PlaylistFormat::M3u, PathMode::Always) ? 0 : 1;
    });
    QFile::setPermissions(folder, all | QFile::WriteOwner);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(shared), "/x/A.mp3\r\n");
}

TEST_F(PlaylistModelFiles, IsADocumentThatKeepsItsFileItsFormatAndTheFolderOfItsBareNames) {
    PlaylistModel model(nullptr, PathStyle::posix());
    QList<bool> told;
    QObject::connect(&model, &PlaylistModel::modifiedChanged, [&](bool m) { told << m; });
    // A .pls is read, and saved again, as PLS whatever the caller would have chosen.
    const QString pls = writeFile(u"lists/Mix.pls"_s, "[playlist]\r\nFile1=Bare.mp3\r\n"
                                                      "File2=sub/In.mp3\r\nNumberOfEntries=2\r\n");
    ASSERT_TRUE(model.load(pls, PlaylistFormat::M3u));
    EXPECT_EQ(model.filePath(), pls);
    EXPECT_EQ(model.format(), PlaylistFormat::Pls);
    EXPECT_FALSE(model.isModified());
    // Bare names and relative folders name the songs beside the playlist.
    const QString lists = path(u"lists"_s);
    EXPECT_EQ(songPath(model.at(0), model.bareFolder()), lists + u"/Bare.mp3"_s);
    EXPECT_EQ(songPath(model.at(1), model.bareFolder()), lists + u"/sub/In.mp3"_s);
    model.swap(0, 1);
    EXPECT_TRUE(model.isModified());
    ASSERT_TRUE(model.save(pls, model.format(), PathMode::Decide));
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(readBytes(pls),
              "[playlist]\r\nfile1=sub/In.mp3\r\nfile2=Bare.mp3\r\nNumberOfEntries=2\r\n");
    // Saved in another folder, the playlist names the same songs, and keeps naming them.
    const QString moved = path(u"other/Mix.m3u"_s);
    QDir().mkpath(path(u"other"_s));
    ASSERT_TRUE(model.save(moved, PlaylistFormat::M3u, PathMode::Decide));
    const QString both = lists + u"/sub/In.mp3\r\n"_s + lists + u"/Bare.mp3\r\n"_s;
    EXPECT_EQ(readBytes(moved), both.toUtf8());
    EXPECT_EQ(model.at(1), (Entry{u"Bare.mp3"_s, lists}));
    EXPECT_EQ(model.filePath(), moved);
    EXPECT_EQ(model.format(), PlaylistFormat::M3u);
    // A song found again elsewhere changes the document too.
    model.replaceAt({1}, {Entry{u"Bare.mp3"_s, u"/found"_s}});
    EXPECT_TRUE(model.isModified());
    ASSERT_TRUE(model.save(moved, PlaylistFormat::M3u, PathMode::Decide));
    model.remove({true});
    model.clear();
    EXPECT_TRUE(model.filePath().isEmpty());
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(told, (QList<bool>{true, false, true, false, true, false}));
}
