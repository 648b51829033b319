#include "app/CenterForm.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
class MainWindowLayout : public WindowFixture {};

QRect px(int l, int t, int w, int h) {
    return {(l + 7) / 15, (t + 7) / 15, (w + 7) / 15, (h + 7) / 15};
}
} // namespace

TEST_F(MainWindowLayout, EveryControlStandsWhereTheTablePutsIt) {
    frmMain w;
    struct Place {
        const char* name;
        const char* container;
        QRect rect;
    };
    const Place places[] = {
        {"fraMenu", "client", px(60, 0, 2355, 675)},
        {"cmdNew", "fraMenu", px(240, 180, 495, 435)},
        {"cmdOpen", "fraMenu", px(735, 180, 495, 435)},
        {"cmdSave", "fraMenu", px(1230, 180, 495, 435)},
        {"cmdDelete", "fraMenu", px(1740, 180, 495, 435)},
        {"fraInfo", "client", px(2460, 0, 4245, 675)},
        {"Label2", "fraInfo", px(240, 300, 525, 195)},
        {"lblName", "fraInfo", px(870, 300, 3285, 195)},
        {"fraFiller", "client", px(6750, 0, 1200, 675)},
        {"cmdClear", "fraFiller", px(240, 180, 495, 435)},
        {"cmdUp", "fraFiller", px(790, 180, 300, 210)},
        {"cmdDn", "fraFiller", px(790, 400, 300, 210)},
        {"fraAvail", "client", px(60, 780, 4875, 3795)},
        {"Drive1", "fraAvail", px(120, 300, 1995, 315)},
        {"Dir1", "fraAvail", px(120, 660, 1995, 3015)},
        {"File1", "fraAvail", px(2220, 300, 2520, 3210)},
        {"cmdClearFile", "fraAvail", px(2280, 3510, 2385, 195)},
        {"fraSelected", "client", px(5070, 780, 2895, 3795)},
        {"lstSelected", "fraSelected", px(120, 300, 2670, 2595)},
        {"cmdClearSel", "fraSelected", px(180, 2910, 2535, 195)},
        {"Label1_0", "fraSelected", px(90, 3150, 795, 585)},
        {"imPlayAll", "fraSelected", px(930, 3180, 480, 480)},
        {"Label1_1", "fraSelected", px(1560, 3150, 705, 585)},
        {"imgPlay1", "fraSelected", px(2340, 3180, 480, 480)},
        {"Picture2", "client", px(60, 4620, 4875, 315)},
        {"lblHint", "Picture2", px(60, 30, 4695, 195)},
        {"Picture4", "client", px(5070, 4620, 1395, 315)},
        {"lblCount", "Picture4", px(60, 30, 1215, 195)},
        {"Picture1", "client", px(6570, 4620, 1395, 315)},
        {"lblSelected", "Picture1", px(60, 30, 1215, 195)},
    };
    for (const Place& p : places) {
        auto* widget = w.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(p.container)) << p.name;
        EXPECT_EQ(widget->geometry(), p.rect) << p.name;
    }
    EXPECT_EQ(w.centralWidget()->size(), QSize(536, 334));
}

TEST_F(MainWindowLayout, CaptionsTipsAndMenus) {
    frmMain w;
    EXPECT_EQ(w.windowTitle(), u"Velmora 1.7");
    EXPECT_EQ(w.lblName->text(), u"<new>");
    EXPECT_EQ(w.Label2->text(), u"Playlist:");
    EXPECT_EQ(w.lblHint->text(), u"Watch here for hints/instructions.");
    EXPECT_EQ(w.lblCount->text(), u"0 available");
    EXPECT_EQ(w.lblSelected->text(), u"0 in playlist");
    EXPECT_EQ(w.fraAvail->title(), u"Drag 'n' drop to Selected list");
    EXPECT_EQ(w.fraSelected->title(), u"Selected for playlist");
    EXPECT_EQ(w.Label1[0]->text(), u"Click notes to play this playlist");
    EXPECT_EQ(w.Label1[1]->text(), u"Drop on note to play song");
    EXPECT_EQ(w.cmdClearFile->text(), u"un-select all");
    EXPECT_EQ(w.cmdClearSel->toolTip(), u"Un-select all");
    const std::pair<QPushButton*, const char*> tips[] = {
        {w.cmdNew, "New"},     {w.cmdOpen, "Open"},
        {w.cmdSave, "Save"},   {w.cmdDelete, "Delete playlist file"},
        {w.cmdUp, "Move up"},  {w.cmdClear, "Remove MP3(s) from playlist"},
        {w.cmdDn, "Move down"}};
    for (auto [button, tip] : tips) {
        EXPECT_EQ(button->toolTip(), QString::fromLatin1(tip));
        EXPECT_TRUE(button->text().isEmpty()) << tip << ": picture buttons carry no text";
        EXPECT_FALSE(button->icon().isNull()) << tip;
    }
    QStringList menus;
    for (QAction* top : w.menuBar()->actions()) {
        QStringList entries;
        for (QAction* a : top->menu()->actions())
            entries << (a->isSeparator() ? u"-"_s : a->text());
        menus << top->text() + u": "_s + entries.join(u", ");
    }
    EXPECT_EQ(menus,
              (QStringList{u"&File: New, Open, Save, Save as..., -, E&xit"_s,
                           u"&Tools: &Options, -, &Explorer"_s, u"&Help: &About..., &Hints"_s}));
    EXPECT_EQ(w.dlgCD.title, u"Select playlist file");
    EXPECT_EQ(w.dlgCD.filter, u"Playlists (*.m3u)|*.m3u");
    EXPECT_EQ(w.dlgCD.defaultExt, u".m3u");
    EXPECT_EQ(w.Timer1->interval(), 2000);
}

TEST_F(MainWindowLayout, FixedSizeMinimiseButNoMaximiseAndHiddenPlayingLabel) {
    frmMain w;
    w.Form_Load();
    w.show();
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    w.lblIsPlaying->setText(u"/music/a.mp3"_s);
    EXPECT_FALSE(w.lblIsPlaying->isVisible());
    EXPECT_EQ(w.lstSelected->styleSheet(), u"background-color: black; color: rgb(0, 255, 255);");
    EXPECT_EQ(w.File1->styleSheet(), w.lstSelected->styleSheet());
    w.close();
}

TEST_F(MainWindowLayout, CenterFormSplitsTheOverhang) {
    QWidget big;
    const QRect screen = big.screen()->geometry();
    big.setFixedSize(screen.width() + 200, screen.height() + 100);
    CenterForm(big);
    EXPECT_EQ(big.pos(), QPoint(screen.left() - 100, screen.top() - 50));
    QWidget small;
    small.setFixedSize(100, 60);
    CenterForm(small);
    EXPECT_EQ(small.pos(), QPoint(screen.left() + (screen.width() - 100) / 2,
                                  screen.top() + (screen.height() - 60) / 2));
}

TEST_F(MainWindowLayout, ScreenshotForTheRecord) {
    writeFile(u"songs/First Song.mp3"_s, "x");
    writeFile(u"songs/Second.MP3"_s, "x");
    writeFile(u"velmora.ini"_s, "[Options]\r\nLast=" + path(u"songs"_s).toLocal8Bit() + "\r\n");
    frmMain w;
    w.Form_Load();
    w.playlist->append({entryFromText(u"First Song.mp3 {"_s + path(u"songs"_s) + u'}')});
    w.show();
    const QString shot = QStringLiteral(VELMORA_BINARY_DIR) + u"/main-window.png"_s;
    ASSERT_TRUE(w.grab().save(shot));
    EXPECT_EQ(w.File1->count(), 2) << "Second.MP3 is listed too";
    w.close();
}
