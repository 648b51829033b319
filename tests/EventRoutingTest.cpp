#include "mainwindow/DriveList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"
#include "support/SongsWindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

using namespace Qt::StringLiterals;

// The window's raw events, as the window system delivers them, reach the right handlers.
namespace {
class EventRouting : public SongsWindowFixture {
protected:
    static void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static QPoint centreOf(QAbstractItemView& list, int row) {
        return list.visualRect(list.model()->index(row, 0)).center();
    }
    static void press(QAbstractItemView& list, int row, Qt::MouseButton button = Qt::LeftButton) {
        mouse(list.viewport(), QEvent::MouseButtonPress, centreOf(list, row), button, button);
    }
    static void release(QAbstractItemView& list, int row, Qt::MouseButton button = Qt::LeftButton) {
        mouse(list.viewport(), QEvent::MouseButtonRelease, centreOf(list, row), button, {});
    }
    static void moveOver(QWidget* widget) {
        mouse(widget, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, {});
    }
    QString hint() const { return w->lblHint->text(); }

    // Drags data over the playlist and drops it there; true when the playlist took the drag.
    bool dragOntoPlaylist(const QMimeData& data) {
        QWidget* target = w->lstSelected->viewport();
        const QPoint at(5, 5);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, {}, {});
        QApplication::sendEvent(target, &drop);
        QApplication::processEvents(); // the drop is answered once it has returned
        return drop.isAccepted();
    }
};
} // namespace

TEST_F(EventRouting, PressesReachTheHandlersAfterTheListHasSeenThem) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    // A press on an unselected song selects it and drags nothing.
    press(*w->File1, 1);
    EXPECT_EQ(w->File1->currentRow(), 1);
    EXPECT_FALSE(w->isInDragMode(w->File1));
    release(*w->File1, 1);
    EXPECT_TRUE(w->IsSel(u"F"_s, 1)) << "press and release record the selection";

    // A and C selected; a press on C arms a drag of both.
    select(*w->File1, {0, 2});
    w->SavePkF();
    press(*w->File1, 2);
    EXPECT_EQ(w->File1->currentRow(), 2);
    EXPECT_TRUE(w->isInDragMode(w->File1));
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 2}));
    // Released without moving: an ordinary click on C, which now stands alone.
    release(*w->File1, 2);
    EXPECT_FALSE(w->isInDragMode(w->File1));
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({2}));
    EXPECT_FALSE(w->IsSel(u"F"_s, 0));

    // A press below the last song, with C still current and remembered, drags nothing.
    const QPoint below = centreOf(*w->File1, 2) + QPoint(0, 200);
    ASSERT_EQ(w->File1->itemAt(below), nullptr);
    mouse(w->File1->viewport(), QEvent::MouseButtonPress, below, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(w->isInDragMode(w->File1));
}

TEST_F(EventRouting, PlaylistPressesToo) {
    showSongs({});
    w->playlist->append({{u"X.mp3"_s, {}}, {u"Y.mp3"_s, {}}});
    select(*w->lstSelected, {1});
    w->SavePkS();
    press(*w->lstSelected, 0);
    EXPECT_FALSE(w->isInDragMode(w->lstSelected));
    release(*w->lstSelected, 0);
    press(*w->lstSelected, 0);
    EXPECT_TRUE(w->isInDragMode(w->lstSelected));
    release(*w->lstSelected, 0);
    EXPECT_FALSE(w->isInDragMode(w->lstSelected));
}

TEST_F(EventRouting, PointerMovementsShowHintsWhereTheWindowHasThem) {
    showSongs({u"A.mp3"_s});
    moveOver(w->cmdSave);
    EXPECT_EQ(hint(), u"Click to save this playlist.");
    // The grips drawn in the tool-row frame are part of the frame.
    const QPoint grip = w->Line1[1]->geometry().center();
    EXPECT_EQ(w->fraMenu->childAt(grip), nullptr);
    mouse(w->fraMenu, QEvent::MouseMove, grip, Qt::NoButton, {});
    EXPECT_EQ(hint(), u"Watch here for hints/instructions.");
    moveOver(w->File1->viewport());
    EXPECT_EQ(hint(), u"Double-click for Header info. Rt-Click for ID3 tag.");
    // Controls without a hint of their own leave the last one standing.
    for (QWidget* quiet : std::initializer_list<QWidget*>{
             w->Drive1, w->cmdClearFile, w->cmdClearSel, w->Label1[0], w->Label2, w->lblName,
             w->imPlayAll, w->imgPlay1, w->lblHint, w->lblCount, w->Picture1}) {
        moveOver(quiet);
        // Qt passes movements with a button held on to the parent; these stop all the same.
        mouse(quiet, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::LeftButton);
    }
    EXPECT_EQ(hint(), u"Double-click for Header info. Rt-Click for ID3 tag.");
    moveOver(w->fraInfo);
    EXPECT_EQ(hint(), u" ");
    moveOver(w->lstSelected->viewport());
    EXPECT_EQ(hint(), u"Drag'n'drop to Trashcan or Player. Rt-click for ID3 tag.");
    moveOver(w->centralWidget());
    EXPECT_EQ(hint(), u"Watch here for hints/instructions.");
    moveOver(w->cmdDn);
    EXPECT_EQ(hint(), u"Click to move selected item down in playlist.");
}

TEST_F(EventRouting, FilesFromTheDesktopAreTakenOnlyByThePlaylist) {
    showSongs({});
    QMimeData songs;
    songs.setUrls({QUrl::fromLocalFile(QDir(music).filePath(u"A.mp3"_s)),
                   QUrl::fromLocalFile(QDir(music).filePath(u"cover.jpg"_s)),
                   QUrl(u"https://example.org/B.mp3"_s)});
    EXPECT_TRUE(dragOntoPlaylist(songs));
    EXPECT_EQ(playlist(), QStringList({entryOf(u"A.mp3"_s)}))
        << "the picture and the web address are no songs";

    QMimeData pictureFirst;
    pictureFirst.setUrls({QUrl::fromLocalFile(QDir(music).filePath(u"cover.jpg"_s)),
                          QUrl::fromLocalFile(QDir(music).filePath(u"B.mp3"_s))});
    EXPECT_FALSE(dragOntoPlaylist(pictureFirst));
    QMimeData text;
    text.setText(QDir(music).filePath(u"C.mp3"_s));
    EXPECT_FALSE(dragOntoPlaylist(text));
    // A list name in the window's own private type, but not from a drag of this window.
    QMimeData forged;
    forged.setData(u"application/x-velmora-source-list"_s, "File1");
    EXPECT_FALSE(dragOntoPlaylist(forged));
    EXPECT_EQ(w->lstSelected->count(), 1);

    QDragEnterEvent onBin(QPoint(2, 2), Qt::CopyAction, &songs, Qt::LeftButton, {});
    QApplication::sendEvent(w->cmdClear, &onBin);
    EXPECT_FALSE(onBin.isAccepted());
}

TEST_F(EventRouting, ALeftClickOnTheNotesAsksToPlayThePlaylist) {
    const QPoint centre = w->imPlayAll->rect().center();
    prompter.expectMessage();
    mouse(w->imPlayAll, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    mouse(w->imPlayAll, QEvent::MouseButtonRelease, centre, Qt::LeftButton, {});
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.last().text, u"You must save the playlist first!");

    // The right button, or a press whose release ends off the notes, is no click.
    mouse(w->imPlayAll, QEvent::MouseButtonPress, centre, Qt::RightButton, Qt::RightButton);
    mouse(w->imPlayAll, QEvent::MouseButtonRelease, centre, Qt::RightButton, {});
    mouse(w->imPlayAll, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    mouse(w->imPlayAll, QEvent::MouseButtonRelease, QPoint(-20, -20), Qt::LeftButton, {});
    EXPECT_EQ(prompter.shown().size(), 1u);
}
