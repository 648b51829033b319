#include "mainwindow/FileList.h"
#include "mainwindow/ShowHint.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"
#include "support/SongsWindowFixture.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
const QString kDefault = u"Watch here for hints/instructions."_s;

class HintBar : public SongsWindowFixture {
protected:
    QString hint() const { return w->lblHint->text(); }
};
} // namespace

TEST_F(HintBar, CodesInAnyCaseEmptyTextAndSentences) {
    EXPECT_EQ(hint(), kDefault);
    const std::pair<const char*, const char*> cases[] = {
        {"clr", "Click to clear entries."},
        {"SaVe", "Click to save record."},
        {"CAL", "Click for pop-up calendar"},
        {"cd", "Click to clear date."},
        {"Exit", "Click to exit screen."},
        {"edit", "Click to retrieve record for editing."},
        {"DEL", "Click to delete record."},
        {"add", "Click to add a new blank record."},
        {"", "Watch here for hints/instructions."},
        {"save it", "save it"},
        {"Click to save this playlist.", "Click to save this playlist."},
        {" ", " "},
    };
    for (auto [text, shown] : cases) {
        ShowHint(QString::fromLatin1(text));
        EXPECT_EQ(hint(), QString::fromLatin1(shown)) << "ShowHint(\"" << text << "\")";
    }
}

TEST_F(HintBar, GoesToTheActiveWindowOnlyAndIgnoresWindowsWithoutAHintBar) {
    ShowHint(u"first"_s);
    QDialog other;
    other.show();
    QApplication::setActiveWindow(&other);
    ShowHint(u"CLR"_s); // no lblHint there: nothing happens
    EXPECT_EQ(hint(), u"first");

    auto* bar = new QLabel(&other);
    bar->setObjectName(u"lblHint"_s);
    ShowHint(u"CLR"_s);
    EXPECT_EQ(bar->text(), u"Click to clear entries.");
    EXPECT_EQ(hint(), u"first");

    other.hide();
    QApplication::setActiveWindow(nullptr);
    ShowHint(u"second"_s);
    EXPECT_EQ(hint(), u"first") << "no active window: nothing shown";
}

TEST_F(HintBar, MouseMoveHandlersShowTheirHints) {
    const std::pair<void (frmMain::*)(), const char*> cases[] = {
        {&frmMain::cmdNew_MouseMove, "Click to begin a new playlist."},
        {&frmMain::cmdOpen_MouseMove, "Click to open an existing playlist."},
        {&frmMain::cmdSave_MouseMove, "Click to save this playlist."},
        {&frmMain::cmdDelete_MouseMove, "Click to delete currently selected .m3u playlist file."},
        {&frmMain::cmdClear_MouseMove, "Drag MP3s from Selected - or highlight and click here."},
        {&frmMain::cmdUp_MouseMove, "Click to move selected item up in playlist."},
        {&frmMain::cmdDn_MouseMove, "Click to move selected item down in playlist."},
        {&frmMain::Dir1_MouseMove, "Select folder with .mp3 files."},
        {&frmMain::File1_MouseMove, "Double-click for Header info. Rt-Click for ID3 tag."},
        {&frmMain::lstSelected_MouseMove,
         "Drag'n'drop to Trashcan or Player. Rt-click for ID3 tag."},
    };
    for (auto [handler, text] : cases) {
        (w.get()->*handler)();
        EXPECT_EQ(hint(), QString::fromLatin1(text));
        // Every frame and the window itself bring the default back; the name's frame blanks.
        for (auto back : {&frmMain::Form_MouseMove, &frmMain::fraAvail_MouseMove,
                          &frmMain::fraSelected_MouseMove, &frmMain::fraMenu_MouseMove,
                          &frmMain::fraFiller_MouseMove}) {
            (w.get()->*handler)();
            (w.get()->*back)();
            EXPECT_EQ(hint(), kDefault) << "after " << text;
        }
        w->fraInfo_MouseMove();
        EXPECT_EQ(hint(), u" ");
    }
}

TEST_F(HintBar, CountersFollowTheListsAtTheNextTick) {
    showSongs({});
    w->playlist->append({{u"A.mp3"_s, music}});
    EXPECT_EQ(w->lblCount->text(), u"0 available");
    EXPECT_EQ(w->lblSelected->text(), u"0 in playlist") << "only the timer writes them";
    w->Timer1_Timer();
    EXPECT_EQ(w->lblCount->text(), u"0 available");
    EXPECT_EQ(w->lblSelected->text(), u"1 in playlist");

    showSongs({u"A.mp3"_s});
    w->File1->refresh();
    for (int i = 0; i < 1233; ++i)
        w->playlist->append({{QString::number(i) + u".mp3"_s, music}});
    w->Timer1_Timer();
    EXPECT_EQ(w->lblCount->text(), u"1 available") << "no singular form";
    EXPECT_EQ(w->lblSelected->text(), u"1234 in playlist") << "no thousands separator";
}
