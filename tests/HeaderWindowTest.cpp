#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "support/SongBytes.h"
#include "support/WindowFixture.h"

using namespace Qt::StringLiterals;

using HeaderWindow = WindowFixture;

TEST_F(HeaderWindow, DoubleClickShowsTheReportAsATableOrSaysThereIsNoFrame) {
    const QString folder = makeFolder(u"music"_s);
    writeFile(u"music/Song.mp3"_s, mpegFrame());
    writeFile(u"music/Notes.mp3"_s, "not a song");
    writeFile(u"music/Wrapped.mp3"_s, "RIFF" + QByteArray(20, '\0')); // no "data": nothing shown
    frmMain w;
    ASSERT_TRUE(w.Dir1->setPath(folder));
    prompter.expectMessage();
    prompter.expectMessage();
    for (const QString& name : {u"Song.mp3"_s, u"Notes.mp3"_s, u"Wrapped.mp3"_s}) {
        w.File1->setCurrentItem(w.File1->findItems(name, Qt::MatchExactly).value(0));
        w.File1_DblClick();
    }
    ASSERT_EQ(prompter.shown().size(), 2u);
    const MessageBoxRequest& report = prompter.shown()[0];
    EXPECT_TRUE(report.text.startsWith(u"Filename:\t\t"_s + folder + u"/Song.mp3\r\n"_s));
    EXPECT_TRUE(report.tabular);
    EXPECT_EQ(describe(prompter.shown()[1]),
              u"[File Header] No MPEG audio frame header was found in "_s + folder +
                  u"/Notes.mp3. (OK, information)"_s);
}
