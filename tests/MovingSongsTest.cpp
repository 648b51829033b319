#include "mainwindow/FileList.h"
#include "support/SongsWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
class MovingSongs : public SongsWindowFixture {
protected:
    // The file list as a drag leaves it: songs selected, the list dragging with the drop cursor.
    void dragFrom(QAbstractItemView* list, const QList<int>& rows) {
        select(*list, rows);
        w->setDragMode(list, true);
        w->setDragCursor(list, true);
    }
    void expectDragEnded(QWidget* source) {
        EXPECT_FALSE(w->isInDragMode(source) || w->showsDropCursor(source));
    }
    QString duplicate(const QString& what) {
        EXPECT_EQ(prompter.last().defaultButton, MsgAnswer::No);
        return u"[Confirm] File "_s + what +
               u" is already in playlist! Add again? (Yes/No, question)"_s;
    }
    static void key(QWidget* to, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(to, &press);
    }
    std::unique_ptr<QMimeData> files(const QStringList& names) const {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& name : names)
            urls << QUrl::fromLocalFile(QDir(music).filePath(name));
        data->setUrls(urls);
        return data;
    }
    // The first letters of the playlist's entries, top to bottom.
    QString order() const {
        QString names;
        for (const QString& text : playlist())
            names += text.front();
        return names;
    }
};
} // namespace

TEST_F(MovingSongs, EnterInTheFileListAddsItsSelectionAsADropDoes) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s});
    fillPlaylist({u"A.mp3"_s});
    EXPECT_EQ(w->focusWidget(), w->File1) << "where the window opens with the focus";
    select(*w->File1, {0, 1});
    prompter.answerYes();
    key(w->File1, Qt::Key_Return);
    EXPECT_EQ(describe(prompter.last()), duplicate(entryOf(u"A.mp3"_s)));
    EXPECT_EQ(playlist(),
              QStringList({entryOf(u"A.mp3"_s), entryOf(u"A.mp3"_s), entryOf(u"B.mp3"_s)}));
}

TEST_F(MovingSongs, DeleteInThePlaylistRemovesItsSelectionAsTheBinDoesWithoutAsking) {
    showSongs({});
    fillPlaylist({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    select(*w->lstSelected, {0, 2});
    key(w->lstSelected, Qt::Key_Delete);
    EXPECT_EQ(playlist(), QStringList({entryOf(u"B.mp3"_s)}));
}

TEST_F(MovingSongs, FileListDropAsksAboutDuplicatesAndNoStopsIt) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    fillPlaylist({u"B.mp3"_s});
    select(*w->lstSelected, {0});
    w->SavePkS();
    w->lstSelected->clearSelection(); // a recording now would clear the flag
    dragFrom(w->File1, {0, 1, 2});
    prompter.answerNo();
    w->lstSelected_DragDrop(w->File1);
    EXPECT_EQ(playlist(), QStringList({entryOf(u"B.mp3"_s), entryOf(u"A.mp3"_s)}));
    EXPECT_EQ(describe(prompter.last()), duplicate(entryOf(u"B.mp3"_s)));
    EXPECT_TRUE(w->IsSel(u"S"_s, 0)) << "the playlist's memory keeps its earlier recording";
    expectDragEnded(w->File1);
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 1, 2})) << "the songs stay selected";

    dragFrom(w->lstSelected, {0});
    w->lstSelected_DragDrop(w->lstSelected);
    EXPECT_EQ(playlist().size(), 2) << "no reordering by drag";
    expectDragEnded(w->lstSelected);
}

TEST_F(MovingSongs, ShellDropTakesMp3FilesAndComparesNamesAsTheFileSystemDoes) {
    showSongs({});
    fillPlaylist({u"song.mp3"_s});
    QMimeData dropped;
    for (const QString& name : {u"Song.MP3"_s, u"notes.txt"_s, u"song.mp3"_s, u"B.mp3"_s})
        dropped.setUrls(dropped.urls() << QUrl::fromLocalFile(QDir(music).filePath(name)));
    EXPECT_EQ(w->lstSelected_OLEDragOver(&dropped, Qt::MoveAction), Qt::CopyAction);
    QMimeData text;
    text.setText(u"A.mp3"_s);
    EXPECT_EQ(w->lstSelected_OLEDragOver(&text, Qt::LinkAction), Qt::LinkAction);
    w->lstSelected_OLEDragDrop(&text);
    EXPECT_EQ(playlist().size(), 1);

    prompter.answerYes();
    w->lstSelected_OLEDragDrop(&dropped);
    EXPECT_EQ(describe(prompter.last()), duplicate(QDir(music).filePath(u"song.mp3"_s)));
    EXPECT_EQ(playlist(), QStringList({entryOf(u"song.mp3"_s), entryOf(u"Song.MP3"_s),
                                       entryOf(u"song.mp3"_s), entryOf(u"B.mp3"_s)}));
    EXPECT_FALSE(w->IsSel(u"S"_s, 3)) << "the memory was recorded for the longer list";
}

TEST_F(MovingSongs, APressOnThePlaylistRecordsItsMemoryBeforeItDrags) {
    fillPlaylist({u"X.mp3"_s});
    select(*w->lstSelected, {0});
    w->lstSelected_MouseDown(1);
    EXPECT_FALSE(w->isInDragMode(w->lstSelected)) << "the press recorded the playlist's memory";
    w->lstSelected_MouseDown(1);
    EXPECT_TRUE(w->isInDragMode(w->lstSelected));
}

TEST_F(MovingSongs, DragCursorFollowsTheControlUnderThePointer) {
    QWidget* file = w->File1;
    QWidget* list = w->lstSelected;
    using Over = void (frmMain::*)(QWidget*);
    const std::tuple<Over, QWidget*, bool> steps[] = {
        {&frmMain::lstSelected_DragOver, file, true}, {&frmMain::fraSelected_DragOver, file, false},
        {&frmMain::lstSelected_DragOver, file, true}, {&frmMain::cmdClear_DragOver, file, true},
        {&frmMain::File1_DragOver, file, false},      {&frmMain::cmdClear_DragOver, list, true},
        {&frmMain::lstSelected_DragOver, list, true}, {&frmMain::fraFiller_DragOver, list, false}};
    for (auto [over, source, drop] : steps) {
        (w.get()->*over)(source);
        EXPECT_EQ(w->showsDropCursor(source), drop);
    }
    w->cmdClear_DragOver(list);
    w->Label1_DragOver(0, list);
    EXPECT_FALSE(w->showsDropCursor(list));
}

TEST_F(MovingSongs, UpAndDownMoveTheCurrentEntryAndItsSelection) {
    fillPlaylist({u"X"_s, u"Y"_s, u"Z"_s});
    select(*w->lstSelected, {0, 2});
    w->lstSelected->setCurrentRow(1, QItemSelectionModel::NoUpdate);
    w->cmdDn_Click();
    EXPECT_EQ(order(), u"XZY");
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({0, 2})) << "Z unselected, Y selected";
    EXPECT_EQ(w->lstSelected->currentRow(), 2) << "the current entry follows the song";
    EXPECT_TRUE(w->lstSelected->hasFocus());
    EXPECT_TRUE(w->IsSel(u"S"_s, 2) && !w->IsSel(u"S"_s, 1)) << "the memory is recorded";
    w->cmdDn_Click();
    w->cmdUp_Click();
    w->cmdUp_Click();
    EXPECT_EQ(order(), u"YXZ");
    EXPECT_EQ(selectedRows(*w->lstSelected), QList<int>({0}));
    w->cmdUp_Click();
    EXPECT_EQ(order(), u"YXZ") << "the top entry stays";
    w->lstSelected->setCurrentRow(-1);
    w->cmdDn_Click();
    EXPECT_EQ(order(), u"YXZ") << "no current entry";
}

TEST_F(MovingSongs, TheBinRemovesTheSelectedEntriesAndAsksOnlyWhenClicked) {
    showSongs({u"A.mp3"_s});
    fillPlaylist({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s});
    dragFrom(w->File1, {0});
    w->cmdClear_DragDrop(w->File1);
    EXPECT_EQ(order(), u"01234") << "file-list songs on the bin change nothing";
    expectDragEnded(w->File1);
    dragFrom(w->lstSelected, {1, 3});
    w->SavePkS();
    w->cmdClear_DragDrop(w->lstSelected);
    EXPECT_EQ(order(), u"024");
    expectDragEnded(w->lstSelected);
    EXPECT_FALSE(w->IsSel(u"S"_s, 1)) << "the memory was recorded for the shorter list";

    select(*w->lstSelected, {0, 2});
    prompter.answerNo();
    w->cmdClear_Click();
    EXPECT_EQ(order(), u"024");
    EXPECT_EQ(describe(prompter.last()),
              u"[Confirm] Do you want to remove selected MP3s from playlist? (Yes/No, question)");
    EXPECT_EQ(prompter.last().defaultButton, MsgAnswer::No);
    prompter.answerYes();
    w->cmdClear_Click();
    w->cmdClear_DragDrop(w->lstSelected); // nothing selected: removes nothing
    EXPECT_EQ(order(), u"2");
    select(*w->lstSelected, {0});
    prompter.answerYes();
    w->cmdClear_Click();
    prompter.expectMessage();
    w->cmdClear_Click(); // on an empty playlist
    EXPECT_EQ(describe(prompter.last()), u"[Oops] No MP3s selected. (OK, information)");
}
