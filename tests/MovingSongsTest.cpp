#include "mainwindow/FileList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "playlist/Entry.h"
#include "support/SongsWindowFixture.h"

#include <QDir>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
class MovingSongs : public SongsWindowFixture {
protected:
    // The file list as a drag leaves it: songs selected, the list dragging with the drop cursor.
    void dragFromFileList(const QList<int>& rows) {
        select(*w->File1, rows);
        w->SavePkF();
        w->setDragMode(w->File1, true);
        w->setDragCursor(w->File1, true);
    }
    void expectDragEnded(QWidget* source) {
        EXPECT_FALSE(w->isInDragMode(source)) << "the source is back in normal mode";
        EXPECT_FALSE(w->showsDropCursor(source)) << "the source has the carry cursor back";
    }
    void expectDuplicateQuestion(const MessageBoxRequest& box, const QString& what) {
        EXPECT_EQ(box.text, u"File "_s + what + u" is already in playlist! Add again?"_s);
        EXPECT_EQ(box.title, u"Confirm");
        EXPECT_EQ(box.buttons, MsgButtons::YesNo);
        EXPECT_EQ(box.icon, MsgIcon::Question);
        EXPECT_EQ(box.defaultButton, MsgAnswer::No);
    }
    static std::unique_ptr<QMimeData> files(const QStringList& paths) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data->setUrls(urls);
        return data;
    }
    QString songPath(const QString& name) const { return QDir(music).filePath(name); }
};
} // namespace

TEST_F(MovingSongs, DuplicateAnsweredNoKeepsEarlierSongsAndStopsTheDrop) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    appendEntry(*w->lstSelected, entryFromFolderAndName(music, u"B.mp3"_s));
    w->lstSelected->item(0)->setSelected(true);
    w->SavePkS();
    w->lstSelected->item(0)->setSelected(false); // a recording now would clear the flag
    dragFromFileList({0, 1, 2});

    prompter.answerNo();
    w->lstSelected_DragDrop(w->File1);

    EXPECT_EQ(playlist(), QStringList({entryOf(u"B.mp3"_s), entryOf(u"A.mp3"_s)}))
        << "A went in, B was refused and C never looked at";
    ASSERT_EQ(prompter.shown().size(), 1u);
    expectDuplicateQuestion(prompter.last(), entryOf(u"B.mp3"_s));
    EXPECT_TRUE(w->IsSel(u"S"_s, 0)) << "the playlist's memory keeps its earlier recording";
    EXPECT_FALSE(w->IsSel(u"S"_s, 1)) << "the appended song lies outside the memory";
    expectDragEnded(w->File1);

    // A press on the song that the stopped drop appended starts no drag and does not fail.
    click(*w->lstSelected, 1);
    w->lstSelected_MouseDown(1);
    EXPECT_FALSE(w->isInDragMode(w->lstSelected));
}

TEST_F(MovingSongs, DuplicateAnsweredYesAddsASecondCopyAndSongsStaySelected) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s});
    appendEntry(*w->lstSelected, entryFromFolderAndName(music, u"A.mp3"_s));
    w->lstSelected->item(0)->setSelected(true);
    dragFromFileList({0, 1});

    prompter.answerYes();
    w->lstSelected_DragDrop(w->File1);

    EXPECT_EQ(playlist(),
              QStringList({entryOf(u"A.mp3"_s), entryOf(u"A.mp3"_s), entryOf(u"B.mp3"_s)}));
    EXPECT_EQ(w->lstSelected->count(), 3);
    expectDragEnded(w->File1);
    EXPECT_TRUE(w->IsSel(u"S"_s, 0)) << "the playlist's memory was recorded";
    EXPECT_FALSE(w->IsSel(u"S"_s, 2));
    // The songs stay selected in the file list, and the next press drags them again.
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 1}));
    click(*w->File1, 1);
    w->File1_MouseDown(1);
    EXPECT_TRUE(w->isInDragMode(w->File1));
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 1}));
}

TEST_F(MovingSongs, DropAppendsEntriesBuiltFromTheFolderWhereverItLands) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    const QString other = makeFolder(u"Other"_s);
    appendEntry(*w->lstSelected, entryFromFolderAndName(other, u"C.mp3"_s));
    appendEntry(*w->lstSelected, entryFromFolderAndName(other, u"Z.mp3"_s));
    dragFromFileList({2, 0});

    w->lstSelected_DragDrop(w->File1);

    EXPECT_TRUE(prompter.shown().empty()) << "the same name in another folder is no duplicate";
    EXPECT_EQ(playlist(), QStringList({entryFromFolderAndName(other, u"C.mp3"_s).text(),
                                       entryFromFolderAndName(other, u"Z.mp3"_s).text(),
                                       entryOf(u"A.mp3"_s), entryOf(u"C.mp3"_s)}))
        << "appended at the end in the file list's order";
    EXPECT_EQ(entryAt(*w->lstSelected, 2), entryFromFolderAndName(music, u"A.mp3"_s));
}

TEST_F(MovingSongs, CaseDifferingNameIsADuplicateOnlyFromTheShell) {
    showSongs({u"Song.mp3"_s});
    appendEntry(*w->lstSelected, entryFromFolderAndName(music, u"song.mp3"_s));
    dragFromFileList({0});

    w->lstSelected_DragDrop(w->File1);
    EXPECT_TRUE(prompter.shown().empty()) << "from the file list, case counts";
    EXPECT_EQ(w->lstSelected->count(), 2);

    w->lstSelected->clear();
    appendEntry(*w->lstSelected, entryFromFolderAndName(music, u"song.mp3"_s));
    prompter.answerNo();
    w->lstSelected_OLEDragDrop(files({songPath(u"Song.mp3"_s)}).get());
    ASSERT_EQ(prompter.shown().size(), 1u);
    expectDuplicateQuestion(prompter.last(), songPath(u"Song.mp3"_s));
    EXPECT_EQ(playlist(), QStringList({entryOf(u"song.mp3"_s)}));
}

TEST_F(MovingSongs, ShellDropTakesMp3sInAnyCaseAndSkipsOtherFilesSilently) {
    showSongs({});
    appendEntry(*w->lstSelected, {u"Old.mp3"_s, music});
    w->lstSelected->item(0)->setSelected(true);
    const auto data = files({songPath(u"Song.MP3"_s), songPath(u"notes.txt"_s),
                             songPath(u"B.mp3"_s), songPath(u"mp3"_s)});
    EXPECT_EQ(w->lstSelected_OLEDragOver(data.get(), Qt::MoveAction), Qt::CopyAction);

    w->lstSelected_OLEDragDrop(data.get());

    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(playlist(),
              QStringList({entryOf(u"Old.mp3"_s), entryOf(u"Song.MP3"_s), entryOf(u"B.mp3"_s)}));
    EXPECT_EQ(entryAt(*w->lstSelected, 1), entryFromPath(songPath(u"Song.MP3"_s)));
    EXPECT_TRUE(w->IsSel(u"S"_s, 0)) << "the drop recorded the playlist's memory";
}

TEST_F(MovingSongs, ShellDragIsJudgedByItsFirstFileOnly) {
    showSongs({});
    const auto refused = files({songPath(u"cover.jpg"_s), songPath(u"A.mp3"_s)});
    EXPECT_EQ(w->lstSelected_OLEDragOver(refused.get(), Qt::CopyAction), Qt::IgnoreAction);
    const auto empty = std::make_unique<QMimeData>();
    empty->setUrls({});
    EXPECT_EQ(w->lstSelected_OLEDragOver(empty.get(), Qt::CopyAction), Qt::IgnoreAction);

    QMimeData text;
    text.setText(u"A.mp3"_s);
    EXPECT_EQ(w->lstSelected_OLEDragOver(&text, Qt::LinkAction), Qt::LinkAction)
        << "data without files keeps the proposed effect";
    w->lstSelected_OLEDragDrop(&text);
    EXPECT_EQ(w->lstSelected->count(), 0) << "and dropping it does nothing";
}

TEST_F(MovingSongs, ShellDropAsksAboutAFileItAddedItself) {
    showSongs({});
    prompter.answerYes();
    w->lstSelected_OLEDragDrop(files({songPath(u"a.mp3"_s), songPath(u"A.MP3"_s)}).get());
    ASSERT_EQ(prompter.shown().size(), 1u);
    expectDuplicateQuestion(prompter.last(), songPath(u"A.MP3"_s));
    EXPECT_EQ(playlist(), QStringList({entryOf(u"a.mp3"_s), entryOf(u"A.MP3"_s)}));
}

TEST_F(MovingSongs, DropsThatChangeNothing) {
    showSongs({u"A.mp3"_s});
    appendEntries(*w->lstSelected, {{u"X.mp3"_s, music}, {u"Y.mp3"_s, music}});
    select(*w->lstSelected, {0, 1});
    const QStringList before = playlist();

    w->setDragMode(w->lstSelected, true);
    w->lstSelected_DragDrop(w->lstSelected);
    EXPECT_EQ(playlist(), before) << "no reordering by drag";
    expectDragEnded(w->lstSelected);

    dragFromFileList({0});
    w->cmdClear_DragDrop(w->File1);
    EXPECT_EQ(playlist(), before) << "file-list songs on the bin";
    expectDragEnded(w->File1);

    dragFromFileList({0});
    w->File1_DragDrop(w->File1);
    EXPECT_EQ(playlist(), before);
    expectDragEnded(w->File1);

    w->File1->setPath(makeFolder(u"Empty"_s)); // an empty file list adds nothing
    w->setDragMode(w->File1, true);
    w->lstSelected_DragDrop(w->File1);
    EXPECT_EQ(playlist(), before);
    expectDragEnded(w->File1);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(MovingSongs, BinDropRemovesExactlyTheSelectedEntriesWithoutAsking) {
    showSongs({});
    appendEntries(*w->lstSelected, {{u"0.mp3"_s, music},
                                    {u"1.mp3"_s, music},
                                    {u"2.mp3"_s, music},
                                    {u"3.mp3"_s, music},
                                    {u"4.mp3"_s, music}});
    select(*w->lstSelected, {1, 3, 4});
    w->SavePkS();
    w->setDragMode(w->lstSelected, true);
    w->setDragCursor(w->lstSelected, true);

    w->cmdClear_DragDrop(w->lstSelected);

    EXPECT_EQ(playlist(), QStringList({entryOf(u"0.mp3"_s), entryOf(u"2.mp3"_s)}));
    EXPECT_EQ(entryAt(*w->lstSelected, 1), Entry({u"2.mp3"_s, music}));
    EXPECT_TRUE(prompter.shown().empty());
    expectDragEnded(w->lstSelected);
    EXPECT_FALSE(w->IsSel(u"S"_s, 1)) << "the memory was recorded for the shorter list";

    w->lstSelected->clear();
    w->setDragMode(w->lstSelected, true);
    w->cmdClear_DragDrop(w->lstSelected);
    expectDragEnded(w->lstSelected);
}

TEST_F(MovingSongs, APressDragsOnlyFromTheRememberedSelection) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    // A first press on B selects it; no drag, since nothing was remembered yet.
    click(*w->File1, 1);
    w->File1_MouseDown(1);
    EXPECT_FALSE(w->isInDragMode(w->File1));
    w->File1_MouseUp(1);
    // Pressing it again after the release drags it.
    w->File1_MouseDown(1);
    EXPECT_TRUE(w->isInDragMode(w->File1));
    w->File1_MouseUp(1);
    EXPECT_FALSE(w->isInDragMode(w->File1)) << "a release puts the list back into normal mode";

    // A and C selected with Ctrl; the press on C collapses the selection, and the memory brings
    // A back for the drag.
    select(*w->File1, {0, 2});
    w->File1_MouseUp(1);
    click(*w->File1, 2);
    ASSERT_EQ(selectedRows(*w->File1), QList<int>({2}));
    w->File1_MouseDown(1);
    EXPECT_TRUE(w->isInDragMode(w->File1));
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 2}));

    // Middle button: no drag, but the memory is recorded.
    w->File1_MouseUp(1);
    click(*w->File1, 1);
    w->File1_MouseDown(4);
    EXPECT_FALSE(w->isInDragMode(w->File1));
    EXPECT_TRUE(w->IsSel(u"F"_s, 1));

    // After "un-select all" a press on a formerly selected song no longer drags.
    w->cmdClearFile_Click();
    w->File1->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    w->File1_MouseDown(1);
    EXPECT_FALSE(w->isInDragMode(w->File1));
}

TEST_F(MovingSongs, PressOnAnEmptyListDoesNothing) {
    showSongs({});
    w->File1_MouseDown(1);
    w->lstSelected_MouseDown(1);
    EXPECT_FALSE(w->isInDragMode(w->File1));
    EXPECT_FALSE(w->isInDragMode(w->lstSelected));
    EXPECT_FALSE(w->IsSel(u"S"_s, 0));
}

TEST_F(MovingSongs, DragCursorFollowsTheControlUnderThePointer) {
    QWidget* file = w->File1;
    QWidget* list = w->lstSelected;
    w->lstSelected_DragOver(file);
    EXPECT_TRUE(w->showsDropCursor(file));
    w->fraSelected_DragOver(file);
    EXPECT_FALSE(w->showsDropCursor(file));
    w->lstSelected_DragOver(file);
    w->cmdClear_DragOver(file);
    EXPECT_TRUE(w->showsDropCursor(file)) << "the bin leaves a file-list drag unchanged";
    w->Label1_DragOver(1, file);
    EXPECT_FALSE(w->showsDropCursor(file));

    w->cmdClear_DragOver(list);
    EXPECT_TRUE(w->showsDropCursor(list));
    w->lstSelected_DragOver(list);
    EXPECT_TRUE(w->showsDropCursor(list)) << "the playlist over itself stays unchanged";
    w->File1_DragOver(list);
    EXPECT_FALSE(w->showsDropCursor(list));
    w->cmdClear_DragOver(list);
    w->fraFiller_DragOver(list);
    EXPECT_FALSE(w->showsDropCursor(list));
    w->cmdClear_DragOver(list);
    w->Label1_DragOver(0, list);
    EXPECT_FALSE(w->showsDropCursor(list));
}
