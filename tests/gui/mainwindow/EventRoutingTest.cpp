#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/ShowHint.h"
#include "support/SongsWindowFixture.h"

#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

using namespace Qt::StringLiterals;

// The window's raw events, as the window system delivers them, reach the right handlers.
namespace {
class EventRouting : public SongsWindowFixture {
protected:
    static void mouse(QWidget* to, QEvent::Type type, QPoint at,
                      Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons held = {},
                      Qt::KeyboardModifiers keys = {}) {
        QMouseEvent event(type, at, to->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(to, &event);
    }
    void press(QPoint at, bool down = true, Qt::KeyboardModifiers keys = {}) {
        mouse(w->File1->viewport(), down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
              at, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, keys);
    }
    QPoint row(int r) const { return w->File1->visualItemRect(w->File1->item(r)).center(); }
    QString hintOver(QWidget* widget, Qt::MouseButtons held = {}) {
        mouse(widget, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, held);
        return w->lblHint->text();
    }
};
} // namespace

TEST_F(EventRouting, PressesReachTheHandlersAfterTheListHasSeenThemAndAClickOnTheNotesPlays) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s});
    select(*w->File1, {0, 2});
    press(row(2));
    EXPECT_FALSE(w->isInDragMode(w->File1)) << "nothing was remembered yet";
    press(row(2), false);
    select(*w->File1, {0, 2});
    w->SavePkF();
    press(row(2)); // a selected song arms a drag of both
    EXPECT_TRUE(w->isInDragMode(w->File1));
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 2}));
    press(row(2), false);
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({2})) << "released unmoved: a plain click";
    EXPECT_FALSE(w->isInDragMode(w->File1) || w->IsSel(u"F"_s, 0)) << "and recorded";
    press(row(2), true, Qt::ControlModifier); // with Ctrl the remembered song is let go
    EXPECT_FALSE(w->isInDragMode(w->File1));
    press(row(2), false, Qt::ControlModifier);
    EXPECT_TRUE(selectedRows(*w->File1).isEmpty() && !w->IsSel(u"F"_s, 2)) << "and recorded";
    press(row(2) + QPoint(0, 200));
    EXPECT_FALSE(w->isInDragMode(w->File1)) << "a press below the last song drags nothing";
    const QPoint centre = w->imPlayAll->rect().center();
    prompter.expectMessage();
    for (QPoint releaseAt : {centre, QPoint(-20, -20)}) { // the second ends off it: no click
        mouse(w->imPlayAll, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
        mouse(w->imPlayAll, QEvent::MouseButtonRelease, releaseAt, Qt::LeftButton);
    }
    EXPECT_EQ(prompter.texts(), QStringList({u"You must save the playlist first!"_s}));
}

TEST_F(EventRouting, PointerMovementsShowHintsOnTheActiveWindowsBar) {
    EXPECT_EQ(hintOver(w->cmdSave), u"Click to save this playlist.");
    EXPECT_EQ(hintOver(w->lblName, Qt::LeftButton), u"Click to save this playlist.")
        << "a control without a hint keeps the last, even with a button held";
    mouse(w->fraMenu, QEvent::MouseMove, w->Line1[1]->geometry().center()); // a grip of the frame
    EXPECT_EQ(w->lblHint->text(), u"Watch here for hints/instructions.");
    EXPECT_EQ(hintOver(w->fraInfo), u" ");
    QLabel other; // a window without a hint bar
    other.show();
    QApplication::setActiveWindow(&other);
    ShowHint(u"save it"_s);
    EXPECT_EQ(w->lblHint->text(), u" ") << "only the active window's bar changes";
}

// Names compare as the file system does: on Linux Song.MP3 beside song.mp3 is another song.
TEST_F(EventRouting, FilesFromTheDesktopAreCopiedIntoThePlaylistOnly) {
    showSongs({});
    fillPlaylist({u"song.mp3"_s});
    const auto file = [&](const QString& name) {
        return QUrl::fromLocalFile(QDir(music).filePath(name));
    };
    // The action the file manager is told, none when the files are refused. Shift proposes a
    // move, which would take the songs away from their folder.
    const auto drop = [&](QWidget* on, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter({5, 5}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::ShiftModifier);
        QDropEvent dropped({5, 5}, Qt::CopyAction | Qt::MoveAction, &data, {}, {});
        QApplication::sendEvent(on, &enter);
        if (enter.isAccepted())
            QApplication::sendEvent(on, &dropped);
        QApplication::processEvents(); // the drop is answered once it has returned
        return enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction;
    };
    QWidget* list = w->lstSelected->viewport();
    EXPECT_EQ(drop(list, {file(u"cover.jpg"_s), file(u"A.mp3"_s)}), Qt::IgnoreAction)
        << "a picture first";
    prompter.answerYes();
    EXPECT_EQ(drop(list, {file(u"Song.MP3"_s), file(u"notes.txt"_s), file(u"song.mp3"_s),
                          QUrl(u"https://a.org/B.mp3"_s)}),
              Qt::CopyAction);
    EXPECT_EQ(describe(prompter.last()),
              u"[Confirm] File "_s + file(u"song.mp3"_s).toLocalFile() +
                  u" is already in playlist! Add again? (Yes/No, question)"_s);
    EXPECT_EQ(playlist(),
              QStringList({entryOf(u"song.mp3"_s), entryOf(u"Song.MP3"_s), entryOf(u"song.mp3"_s)}))
        << "no other file, no web address";
}
