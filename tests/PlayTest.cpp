#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "platform/DesktopShell.h"
#include "support/WindowFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QThread>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
// The desktop GIO sees in this process: its own XDG folders, set before anything uses GIO, with
// a recorder (it writes its arguments to a file) as the default application of the types.
class RecorderDesktop : public ::testing::Environment {
public:
    RecorderDesktop() {
        const QByteArray root = QFile::encodeName(dir.path());
        qputenv("XDG_DATA_HOME", root + "/data");
        qputenv("XDG_DATA_DIRS", root + "/system"); // the MIME database only, no applications
        qputenv("XDG_CONFIG_HOME", root + "/config");
        qputenv("XDG_CONFIG_DIRS", root + "/config");
        qunsetenv("XDG_CURRENT_DESKTOP");
    }
    void SetUp() override {
        QDir().mkpath(dir.filePath(u"system"_s));
        QFile::link(u"/usr/share/mime"_s, dir.filePath(u"system/mime"_s));
        write(u"rec"_s, "#!/bin/sh\nprintf '%s\\n' \"$@\" >'" + args.toUtf8() + ".part' && mv '" +
                            args.toUtf8() + ".part' '" + args.toUtf8() + "'\n");
        setRunnable(true);
        const QByteArray exec = "[Desktop Entry]\nType=Application\nName=Recorder\nExec=\"" +
                                QFile::encodeName(recorder) + '"';
        write(u"data/applications/rec.desktop"_s, exec + " %F\n");
        // As Flatpak exports an application: arguments, file-forwarding markers, %U.
        write(u"data/applications/flat.desktop"_s,
              exec + " run --branch=stable --file-forwarding org.velmora.Player @@u %U @@\n");
        write(u"config/mimeapps.list"_s,
              "[Default Applications]\naudio/mpeg=rec.desktop\n"
              "audio/x-mpegurl=rec.desktop\ninode/directory=rec.desktop\n"
              "audio/x-scpls=flat.desktop\n");
    }
    void write(const QString& name, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void setRunnable(bool runnable) {
        QFile::setPermissions(recorder, QFile::ReadOwner | QFile::WriteOwner |
                                            (runnable ? QFile::ExeOwner : QFile::ReadOwner));
    }
    // The recorder's arguments, file addresses read as paths; empty when it did not run in 5 s.
    QStringList recorded() const {
        QStringList words;
        for (QDeadlineTimer t(5000); !QFile::exists(args) && !t.hasExpired();)
            QThread::msleep(10);
        QFile f(args);
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& line : f.readAll().split('\n'))
                words << (line.startsWith("file://") ? QUrl::fromEncoded(line).toLocalFile()
                                                     : QFile::decodeName(line));
        f.remove();
        if (!words.isEmpty())
            words.removeLast(); // after the last line break
        return words;
    }
    QTemporaryDir dir;
    QString recorder = dir.filePath(u"rec"_s), args = dir.filePath(u"args"_s);
};
auto* desktop =
    static_cast<RecorderDesktop*>(::testing::AddGlobalTestEnvironment(new RecorderDesktop));

class Play : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (!QFile::exists(u"/usr/share/mime/mime.cache"_s))
            GTEST_SKIP() << "no MIME database (shared-mime-info) to tell file types";
        shared().shell = &desktopShell;
        music = makeFolder(u"Mü sic \"live\"; $(touch x)"_s);
        song = writeFile(u"Mü sic \"live\"; $(touch x)/Sóng 'one' ;`id`.mp3"_s, "frames");
        playlist = writeFile(u"Lïsts & $(x)/mix \"1\".m3u"_s, "Song.mp3\r\n");
        w = std::make_unique<frmMain>();
        w->File1->setPath(music);
        w->Dir1->setPath(music);
        w->File1->setCurrentRow(0);
        w->lblName->setText(playlist);
    }
    void TearDown() override {
        desktop->setRunnable(true);
        w.reset();
        WindowFixture::TearDown();
    }
    void drop(void (frmMain::*handler)(QWidget*), QWidget* source) {
        (w.get()->*handler)(source);
        EXPECT_FALSE(w->showsDropCursor(source)) << "the drag ends after every drop";
    }
    QStringList boxes() const {
        QStringList shown;
        for (const MessageBoxRequest& box : prompter.shown())
            shown << describe(box);
        return shown;
    }
    DesktopShell desktopShell;
    std::unique_ptr<frmMain> w;
    QString music, song, playlist;
};

const QString kSorry = u"[Sorry] Can't find default .%1 player. (OK, information)"_s;
} // namespace

TEST_F(Play, EveryRouteStartsTheDefaultApplicationWithThePath) {
    const QString name = QFileInfo(song).fileName();
    appendEntry(*w->lstSelected, Entry{name, music});
    appendEntry(*w->lstSelected, Entry{name, {}}); // played from the folder the file list shows
    drop(&frmMain::imgPlay1_DragDrop, w->File1);
    EXPECT_EQ(desktop->recorded(), QStringList{song});
    for (int row : {0, 1}) {
        w->lblIsPlaying->clear();
        w->lstSelected->setCurrentRow(row);
        drop(&frmMain::imgPlay1_DragDrop, w->lstSelected);
        EXPECT_EQ(desktop->recorded(), QStringList{song});
        EXPECT_EQ(w->lblIsPlaying->text(), song);
    }
    w->imPlayAll_Click();
    EXPECT_EQ(desktop->recorded(), QStringList{playlist});
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    EXPECT_EQ(desktop->recorded(), QStringList{playlist});
    w->mnuExplorer_Click();
    EXPECT_EQ(desktop->recorded(), QStringList{music});

    const QString pls = writeFile(u"Lïsts & $(x)/mix \"1\".pls"_s, "[playlist]\r\n");
    const QStringList flatpak{u"run"_s,
                              u"--branch=stable"_s,
                              u"--file-forwarding"_s,
                              u"org.velmora.Player"_s,
                              u"@@u"_s,
                              pls,
                              u"@@"_s};
    w->lblName->setText(pls);
    w->imPlayAll_Click();
    EXPECT_EQ(desktop->recorded(), flatpak);
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    EXPECT_EQ(desktop->recorded(), flatpak);
    EXPECT_EQ(boxes(), QStringList());
}

TEST_F(Play, NoApplicationOrOneThatCannotRunIsReported) {
    // Types that no application opens; a song gone from under the file list.
    appendEntry(*w->lstSelected, Entry{u"notes.txt"_s, music});
    writeFile(u"Mü sic \"live\"; $(touch x)/notes.txt"_s, "text");
    w->lstSelected->setCurrentRow(0);
    w->lblName->setText(writeFile(u"mix.txt"_s, "text"));
    QFile::remove(song);
    for (int i = 0; i < 4; ++i)
        prompter.expectMessage();
    drop(&frmMain::imgPlay1_DragDrop, w->lstSelected);
    drop(&frmMain::imgPlay1_DragDrop, w->File1);
    w->imPlayAll_Click();
    shared().style = 1;
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    EXPECT_EQ(boxes(), QStringList({kSorry.arg(u"mp3"), kSorry.arg(u"mp3"), kSorry.arg(u"m3u"),
                                    kSorry.arg(u"pls")}));

    // The default application's program may not be run.
    prompter.clear();
    desktop->setRunnable(false);
    writeFile(u"Mü sic \"live\"; $(touch x)/Sóng 'one' ;`id`.mp3"_s, "frames");
    w->lblName->setText(playlist);
    shared().style = 0;
    for (int i = 0; i < 4; ++i)
        prompter.expectMessage();
    drop(&frmMain::imgPlay1_DragDrop, w->File1);
    w->imPlayAll_Click();
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    w->mnuExplorer_Click();
    EXPECT_EQ(boxes(), QStringList({kSorry.arg(u"mp3"), kSorry.arg(u"m3u"), kSorry.arg(u"m3u"),
                                    u"[Sorry] Can't start the file manager on "_s + music +
                                        u". (OK, information)"_s}));
    EXPECT_EQ(w->lblIsPlaying->text(), u"this is playing") << "only a started song counts";
}

TEST_F(Play, ChecksBeforeAnythingStarts) {
    w->imgPlay1_DragOver(w->File1);
    w->imPlayAll_DragOver(w->File1);
    w->imPlayAll_DragOver(w->lstSelected);
    w->imgPlay1_DragOver(w->Dir1);
    EXPECT_TRUE(w->showsDropCursor(w->File1) && w->showsDropCursor(w->lstSelected));
    EXPECT_FALSE(w->showsDropCursor(w->Dir1)) << "any other source is left alone";
    w->EndDrag(w->File1);
    w->imPlayAll_DragOver(w->File1);
    EXPECT_FALSE(w->showsDropCursor(w->File1)) << "the notes take only the playlist";

    appendEntry(*w->lstSelected, Entry{u"Gone.mp3"_s, music});
    w->lstSelected->setCurrentRow(-1);
    drop(&frmMain::imPlayAll_DragDrop, w->File1);      // not the playlist: nothing
    drop(&frmMain::imgPlay1_DragDrop, w->lstSelected); // no current entry: nothing
    const QString gone = path(u"gone.m3u"_s);
    w->lblName->setText(gone);
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    w->lstSelected->setCurrentRow(0);
    for (int i = 0; i < 5; ++i)
        prompter.expectMessage();
    drop(&frmMain::imgPlay1_DragDrop, w->lstSelected);
    w->imPlayAll_Click();
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    w->lblName->setText(u"<new>"_s);
    w->imPlayAll_Click();
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    const QString oops = u"[Oops] You must save the playlist first! (OK, information)"_s;
    const QString missing = u"[Can't play.] Can't find file %1. (OK, information)"_s;
    EXPECT_EQ(boxes(), QStringList({missing.arg(music + u"/Gone.mp3"_s), missing.arg(gone),
                                    missing.arg(gone), oops, oops}));
}

TEST_F(Play, OtherCommandLinesStartTheirProgramWithoutAShell) {
    EXPECT_FALSE(desktopShell.startCommandLine(u""_s));
    EXPECT_FALSE(desktopShell.startCommandLine(u"\"/no/such/player\" \"/m/a.m3u\""_s));
    ASSERT_TRUE(desktopShell.startCommandLine(quoteArgument(desktop->recorder) + u' ' +
                                              quoteArgument(playlist) + u" x"_s));
    EXPECT_EQ(desktop->recorded(), QStringList({playlist, u"x"_s}));
}
