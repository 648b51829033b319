#include "core/info/ShellToBrowser.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/platform/DesktopShell.h"
#include "support/WindowFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QThread>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {
constexpr QFile::Permissions kRunnable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

// The desktop GIO sees in this process: its own XDG folders, set before anything uses GIO, where
// a recorder (it writes its arguments to a file) is the default application of the types.
class RecorderDesktop : public ::testing::Environment {
public:
    RecorderDesktop() {
        for (const char* name :
             {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            qputenv(name, QFile::encodeName(dir.filePath(QString::fromLatin1(name))));
    }
    void SetUp() override {
        const QByteArray to = QFile::encodeName(args);
        writeBytes(recorder, "#!/bin/sh\nprintf '%s\\n' \"$@\" >'" + to + "~' && mv '" + to +
                                 "~' '" + to + "'\n");
        QFile::setPermissions(recorder, kRunnable);
        const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Recorder\nExec=\"" +
                                 QFile::encodeName(recorder) + '"';
        writeBytes(dir.filePath(u"XDG_DATA_HOME/applications/rec.desktop"_s), entry + " %F\n");
        // As Flatpak exports an application: arguments, file-forwarding markers, %U.
        writeBytes(dir.filePath(u"XDG_DATA_HOME/applications/flat.desktop"_s),
                   entry + " run --branch=stable --file-forwarding org.velmora.Player @@u %U @@\n");
        writeBytes(dir.filePath(u"XDG_CONFIG_HOME/mimeapps.list"_s),
                   "[Default Applications]\naudio/mpeg=rec.desktop\naudio/x-mpegurl=rec.desktop\n"
                   "inode/directory=rec.desktop\naudio/x-scpls=flat.desktop\n");
        // The system's MIME database tells the types; no system application is seen.
        QFile::link(u"/usr/share/mime"_s, dir.filePath(u"XDG_DATA_HOME/mime"_s));
    }
    // The recorder's arguments, file addresses read as paths; empty when it did not run in 5 s.
    QStringList recorded() const {
        for (QDeadlineTimer t(5000); !QFile::exists(args) && !t.hasExpired();)
            QThread::msleep(10);
        QStringList words; // a file may reach %U as a path or as an address
        for (const QString& word :
             QFile::decodeName(readBytes(args)).split(u'\n', Qt::SkipEmptyParts))
            words << (word.startsWith(u"file://"_s) ? QUrl(word).toLocalFile() : word);
        QFile::remove(args);
        return words;
    }
    QTemporaryDir dir;
    QString recorder = dir.filePath(u"rec"_s), args = dir.filePath(u"args"_s);
};
auto* desktop =
    static_cast<RecorderDesktop*>(::testing::AddGlobalTestEnvironment(new RecorderDesktop));

const QString kMusic = u"Mü sic \"live\"; $(touch x)"_s;
const QString kSorry = u"[Sorry] Can't find default .%1 player. (OK, information)"_s;

class Play : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (!QFile::exists(u"/usr/share/mime/mime.cache"_s))
            GTEST_SKIP() << "no MIME database (shared-mime-info) to tell file types";
        shared().shell = &desktopShell;
        music = makeFolder(kMusic);
        song = writeFile(kMusic + u"/Sóng 'one' ;`id`.mp3"_s, "frames");
        playlist = writeFile(u"Lïsts & $(x)/mix \"1\".m3u"_s, "Song.mp3\r\n");
        w = std::make_unique<frmMain>();
        w->File1->setPath(music);
        w->Dir1->setPath(music);
        w->File1->setCurrentRow(0);
        w->playlist->setPlaylistFile(playlist, PlaylistFormat::M3u);
    }
    void TearDown() override {
        QFile::setPermissions(desktop->recorder, kRunnable);
        w.reset();
        WindowFixture::TearDown();
    }
    void drop(void (frmMain::*handler)(QWidget*), QWidget* source) {
        (w.get()->*handler)(source);
        EXPECT_FALSE(w->showsDropCursor(source)) << "the drag ends after every drop";
    }
    DesktopShell desktopShell;
    std::unique_ptr<frmMain> w;
    QString music, song, playlist;
};
} // namespace

TEST_F(Play, EveryRouteStartsTheDefaultApplicationWithThePath) {
    drop(&frmMain::imgPlay1_DragDrop, w->File1);
    EXPECT_EQ(desktop->recorded(), QStringList{song});
    w->playlist->append({entryFromPath(song)});
    w->lstSelected->setCurrentRow(0);
    drop(&frmMain::imgPlay1_DragDrop, w->lstSelected);
    EXPECT_EQ(desktop->recorded(), QStringList{song});
    EXPECT_EQ(w->songPlaying, song);
    w->imPlayAll_Click();
    EXPECT_EQ(desktop->recorded(), QStringList{playlist});
    w->mnuExplorer_Click();
    EXPECT_EQ(desktop->recorded(), QStringList{music});
    w->playlist->setPlaylistFile(writeFile(u"Lïsts & $(x)/mix \"1\".pls"_s, "[playlist]\r\n"),
                                 PlaylistFormat::M3u);
    const QStringList flatpak =
        u"run --branch=stable --file-forwarding org.velmora.Player @@u"_s.split(u' ')
        << w->lblName->text() << u"@@"_s;
    w->imPlayAll_Click();
    EXPECT_EQ(desktop->recorded(), flatpak);
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    EXPECT_EQ(desktop->recorded(), flatpak);
    // Any other command line: the program itself, its words as they are, no shell between.
    EXPECT_TRUE(desktopShell.startCommandLine(quoteArgument(desktop->recorder) + u' ' +
                                              quoteArgument(playlist) + u" x"_s));
    EXPECT_EQ(desktop->recorded(), QStringList({playlist, u"x"_s}));
    EXPECT_EQ(prompter.described(), QStringList());
}

TEST_F(Play, FailuresAreToldAndLeaveTheSongLastPlayed) {
    // A song gone, and a type no application opens.
    w->playlist->append({{u"Gone.mp3"_s, music}, {u"notes.txt"_s, music}});
    writeFile(kMusic + u"/notes.txt"_s, "text");
    const QString gone = path(u"gone.m3u"_s);
    w->playlist->setPlaylistFile(gone, PlaylistFormat::M3u);
    w->lstSelected->setCurrentRow(-1);
    drop(&frmMain::imPlayAll_DragDrop, w->File1);       // not the playlist: nothing
    drop(&frmMain::imgPlay1_DragDrop, w->lstSelected);  // no current entry: nothing
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected); // nothing
    prompter.expectMessage(9);
    w->lstSelected->setCurrentRow(0);
    drop(&frmMain::imgPlay1_DragDrop, w->lstSelected);
    w->imPlayAll_Click();
    w->playlist->setPlaylistFile({}, PlaylistFormat::M3u);
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    w->lstSelected->setCurrentRow(1); // no application for the types
    // A PLS playlist: the message names its format.
    w->playlist->setPlaylistFile(writeFile(u"mix.txt"_s, "text"), PlaylistFormat::Pls);
    QFile::rename(song, song + u'~'); // a song gone: the error the system gives is told
    drop(&frmMain::imgPlay1_DragDrop, w->lstSelected);
    drop(&frmMain::imPlayAll_DragDrop, w->lstSelected);
    EXPECT_FALSE(ShellToBrowser(path(u"mix.txt"_s), 0));
    EXPECT_FALSE(ShellToBrowser(song, 0));
    QFile::setPermissions(desktop->recorder, QFile::ReadOwner); // the application cannot run
    QFile::rename(song + u'~', song);
    w->playlist->setPlaylistFile(playlist, PlaylistFormat::M3u);
    w->imPlayAll_Click();
    w->mnuExplorer_Click();
    const QString missing = u"[Can't play.] Can't find file %1. (OK, information)"_s;
    const QString browser =
        u"[Browser Unavailable] %1 %2 (OK, exclamation)"_s.arg(QCoreApplication::applicationName());
    EXPECT_EQ(
        prompter.described(),
        QStringList(
            {missing.arg(music + u"/Gone.mp3"_s), missing.arg(gone),
             u"[Oops] You must save the playlist first! (OK, information)"_s, kSorry.arg(u"mp3"),
             kSorry.arg(u"pls"),
             browser.arg(u"could not find a file association for "_s + path(u"mix.txt"_s) +
                         u" on your system. You should check that your browser is "
                         u"correctly installed and associated with .html files."_s),
             browser.arg(u"had a problem running your web browser. (Error2)"), kSorry.arg(u"m3u"),
             u"[Sorry] Can't start the file manager on "_s + music + u". (OK, information)"_s}));
    EXPECT_EQ(w->songPlaying, QString()) << "only a started song counts";
}
