#include "gui/mainwindow/FileList.h"
#include "support/SongsWindowFixture.h"

#include <QKeyEvent>

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
    static void key(QWidget* to, Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(to, &press);
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

TEST_F(MovingSongs, EnterAddsTheFileListsSelectionAndDeleteRemovesThePlaylists) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    EXPECT_EQ(w->focusWidget(), w->File1) << "where the window opens with the focus";
    select(*w->File1, {0, 1, 2});
    key(w->File1, Qt::Key_Return); // as a drop does
    EXPECT_EQ(playlist(),
              QStringList({entryOf(u"A.mp3"_s), entryOf(u"B.mp3"_s), entryOf(u"C.mp3"_s)}));
    select(*w->lstSelected, {0, 2});
    key(w->lstSelected, Qt::Key_Delete); // as the bin does, without asking
    EXPECT_EQ(order(), u"B");
}

TEST_F(MovingSongs, DropsAskAboutDuplicatesEndTheDragAndTheCursorShowsWhereTheyWork) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    fillPlaylist({u"B.mp3"_s});
    select(*w->lstSelected, {0});
    w->SavePkS();
    w->lstSelected->clearSelection(); // a recording now would clear the flag
    dragFrom(w->File1, {0, 1, 2});
    prompter.answerNo();
    w->lstSelected_DragDrop(w->File1);
    EXPECT_EQ(order(), u"BA");
    EXPECT_EQ(describe(prompter.last()),
              u"[Confirm] File "_s + entryOf(u"B.mp3"_s) +
                  u" is already in playlist! Add again? (Yes/No, question)"_s);
    EXPECT_EQ(prompter.last().defaultButton, MsgAnswer::No);
    EXPECT_TRUE(w->IsSel(u"S"_s, 0)) << "the playlist's memory keeps its earlier recording";
    expectDragEnded(w->File1);
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 1, 2})) << "the songs stay selected";
    dragFrom(w->lstSelected, {0});
    w->lstSelected_DragDrop(w->lstSelected);
    EXPECT_EQ(playlist().size(), 2) << "no reordering by drag";
    expectDragEnded(w->lstSelected);
    const auto dropShown = [&](void (frmMain::*over)(QWidget*), QWidget* source) {
        (w.get()->*over)(source);
        return w->showsDropCursor(source);
    };
    EXPECT_TRUE(dropShown(&frmMain::lstSelected_DragOver, w->File1));
    EXPECT_FALSE(dropShown(&frmMain::fraSelected_DragOver, w->File1)) << "the carry cursor";
    EXPECT_FALSE(dropShown(&frmMain::cmdClear_DragOver, w->File1)) << "the bin leaves it";
    EXPECT_TRUE(dropShown(&frmMain::cmdClear_DragOver, w->lstSelected));
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
    w->cmdUp_Click(); // the top entry stays
    w->lstSelected->setCurrentRow(-1);
    w->cmdDn_Click(); // no current entry: nothing moves
    EXPECT_EQ(order(), u"YXZ");
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
    w->playlist->clear();
    prompter.expectMessage();
    w->cmdClear_Click(); // on an empty playlist
    EXPECT_EQ(prompter.texts().last(), u"No MP3s selected.");
    // After a scattered removal the current entry stays where the removed ones were.
    fillPlaylist({u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s});
    select(*w->lstSelected, {3, 1}); // 3 is the current entry
    prompter.answerYes();
    w->cmdClear_Click();
    EXPECT_EQ(order(), u"02456");
    EXPECT_EQ(w->lstSelected->currentRow(), 2) << "where the 3 was: the 4";
    w->cmdUp_Click(); // moves the entry the user sees outlined there
    EXPECT_EQ(order(), u"04256");
}
