#include "gui/mainwindow/FileList.h"
#include "support/SongsWindowFixture.h"

#include <QAction>
#include <QLabel>
#include <span>

using namespace Qt::StringLiterals;

namespace {
const QString kM3uFilter = u"Playlists (*.m3u)|*.m3u"_s;
const QString kPlsFilter = u"Playlists (*.pls)|*.pls"_s;

class PlaylistCommands : public SongsWindowFixture {
protected:
    void SetUp() override {
        SongsWindowFixture::SetUp();
        shared().settings = std::make_unique<IniFiler>(iniPath());
        w->Dir1->setPath(music);
        w->lstSelected->setFocus(); // so that a handler's move to File1 shows
    }
    QString name() const { return w->lblName->text(); }
    bool isNew() const {
        return name() == u"<new>" && playlist().isEmpty() && w->File1->hasFocus();
    }
    void fillTwoSongs() { w->playlist->append({{u"A.mp3"_s, music}, {u"B.mp3"_s, u"/Other"_s}}); }
    // Runs a command whose dialog is answered, and that ends with a message box.
    void runAnswered(void (frmMain::*save)(), const QString& answer) {
        dialogs.answer(answer);
        prompter.expectMessage();
        (w.get()->*save)();
    }
};
const QByteArray kTwoSongs = "A.mp3\r\n/Other/B.mp3\r\n";
} // namespace

TEST_F(PlaylistCommands, NewAndDeleteClearOnlyWhenTheUserSaysYes) {
    fillTwoSongs();
    prompter.answerNo();
    w->cmdNew_Click();
    EXPECT_EQ(playlist().size(), 2);
    w->playlist->setPlaylistFile(path(u"Old.m3u"_s), PlaylistFormat::M3u);
    prompter.answerYes();
    w->mnuNew->trigger();
    EXPECT_TRUE(isNew());
    EXPECT_EQ(prompter.described()[0],
              u"[Confirm] Clear current selections and prepare a new playlist? (be "
              "sure you have saved any changes) (Yes/No, question)");
    fillTwoSongs();
    prompter.expectMessage();
    w->cmdDelete_Click();
    const QString file = writeFile(u"Music/Mix.m3u"_s, kTwoSongs);
    w->playlist->setPlaylistFile(file, PlaylistFormat::M3u);
    w->lstSelected->setFocus();
    prompter.answerYes();
    w->cmdDelete_Click();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(isNew());
    EXPECT_EQ(prompter.texts().mid(2),
              (QStringList{u"No playlist to be deleted!"_s,
                           u"Are you sure you want to delete %1?"_s.arg(file)}));
}

TEST_F(PlaylistCommands, OpenReadsTheFileAsWhatItIsOrChangesNothing) {
    const QString m3u = writeFile(u"Lists/Mix.M3U"_s, "/Music/A.mp3\nfile1=/M/B.mp3");
    const QStringList read{u"A.mp3 {/Music}"_s, u"B.mp3 {file1=/M}"_s};
    dialogs.answer(m3u);
    w->cmdOpen_Click();
    EXPECT_EQ(playlist(), read);
    EXPECT_EQ(name(), m3u) << "a POSIX path keeps its case";
    EXPECT_TRUE(w->File1->hasFocus());
    const FileDialogRequest& open = dialogs.opened[0];
    EXPECT_EQ(std::tuple(open.title, open.filter, open.defaultExt, open.initialDir, open.flags),
              std::tuple(u"Select playlist file"_s, kM3uFilter, u".m3u"_s, music, 0x28100Cu));
    shared().style = PlaylistFormat::Pls; // the style picks the filter, not the reader
    dialogs.answer(m3u);
    w->mnuOpen->trigger();
    EXPECT_EQ(dialogs.opened[1].filter, kPlsFilter);
    dialogs.answer(QString()); // cancelled: no message
    w->cmdOpen_Click();
    runAnswered(&frmMain::cmdOpen_Click, path(u"Gone.m3u"_s));
    EXPECT_EQ(prompter.texts(), QStringList{u"Could not access this file."_s});
    EXPECT_EQ(playlist(), read);
    EXPECT_EQ(name(), m3u);
}

TEST_F(PlaylistCommands, ClosingOrOpeningOverAChangedPlaylistAsksToSaveItFirst) {
    const QString file = writeFile(u"Music/Mix.pls"_s, "[playlist]\r\nFile1=A.mp3\r\n");
    dialogs.answer(file);
    w->cmdOpen_Click(); // nothing had changed: no question
    fillTwoSongs();
    w->show();
    prompter.answerCancel();
    EXPECT_FALSE(w->close());
    prompter.answerCancel();
    w->cmdOpen_Click();
    EXPECT_EQ(dialogs.opened.size(), 1u) << "cancelled before the dialog";
    EXPECT_EQ(playlist().size(), 3);
    EXPECT_EQ(readBytes(file), "[playlist]\r\nFile1=A.mp3\r\n");
    // Yes saves as Save does, in the file's own format; closing then goes on.
    prompter.answerYes();
    prompter.expectMessage();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(readBytes(file), "[playlist]\r\nfile1=A.mp3\r\nfile2=A.mp3\r\n"
                               "file3=/Other/B.mp3\r\nNumberOfEntries=3\r\n");
    EXPECT_EQ(prompter.described().first(),
              u"[Confirm] Save changes to the playlist? (Yes/No/Cancel, question)");
    EXPECT_EQ(prompter.texts().last(), u"Playlist saved.");
    w->show();
    EXPECT_TRUE(w->close()) << "saved: nothing to ask";
}

TEST_F(PlaylistCommands, OpenDimsMissingSongsUntilTheyAppearWhileTheWindowIsAway) {
    showSongs({u"Here.mp3"_s});
    dialogs.answer(writeFile(u"Music/Mix.m3u"_s, "Here.mp3\r\nGone.mp3\r\n"));
    w->cmdOpen_Click();
    const auto grey = [&](int row) { // whether the row is drawn in the grey of a missing song
        const QRect rect = w->lstSelected->visualRect(w->playlist->index(row));
        const QImage shot =
            w->lstSelected->viewport()->grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
        const std::span px(reinterpret_cast<const QRgb*>(shot.constBits()), shot.sizeInBytes() / 4);
        return std::ranges::count(px, qRgb(136, 136, 136)) > 0;
    };
    EXPECT_EQ(std::pair(grey(0), grey(1)), std::pair(false, true));
    writeFile(u"Music/Gone.mp3"_s, "");
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(w.get());
    EXPECT_FALSE(grey(1));
}

TEST_F(PlaylistCommands, FirstSaveAsksForAFileThenSavesAgainUnderItsName) {
    prompter.expectMessage();
    w->cmdSave_Click(); // an empty playlist: no dialog
    fillTwoSongs();
    runAnswered(&frmMain::cmdSave_Click, QString());
    const QString chosen = path(u"Music/My Mix.m3u"_s);
    dialogs.answer(chosen);
    prompter.expectMessage();
    prompter.answerNo();
    w->cmdSave_Click();
    EXPECT_EQ(readBytes(chosen), kTwoSongs) << "no UsePaths: the computer decides";
    EXPECT_EQ(name(), chosen);
    const FileDialogRequest& save = dialogs.saved[1];
    EXPECT_EQ(std::tuple(save.title, save.filter, save.defaultExt, save.initialDir, save.flags),
              std::tuple(u"Select playlist file"_s, kM3uFilter, u".m3u"_s, music, 0x28000Eu));
    writeFile(u"velmora.ini"_s, "[Paths]\r\nUsePaths=0\r\n"); // read afresh at every save
    prompter.expectMessage();
    prompter.answerYes();
    w->mnuSave->trigger();
    EXPECT_EQ(dialogs.saved.size(), 2u);
    EXPECT_EQ(readBytes(chosen), "A.mp3\r\nB.mp3\r\n");
    const QString clear = u"Saved. Clear selections for new list?"_s;
    EXPECT_EQ(prompter.texts(),
              (QStringList{u"No files in the playlist!"_s, u"Not saved."_s,
                           u"New playlist saved."_s, clear, u"Playlist saved."_s, clear}));
    EXPECT_EQ(prompter.described()[3], u"[What now?] %1 (Yes/No, question)"_s.arg(clear));
    EXPECT_TRUE(isNew());
}

TEST_F(PlaylistCommands, SaveAsKeepsTheFilterLastSetAndWritesEvenAnEmptyList) {
    shared().style = PlaylistFormat::Pls;
    runAnswered(&frmMain::mnuSaveAs_Click, QString());
    EXPECT_EQ(dialogs.saved.back().filter, kM3uFilter) << "first command: the design-time filter";
    EXPECT_EQ(prompter.described(), QStringList{u"[Notice!] Not saved. (OK, information)"_s});
    fillTwoSongs();
    runAnswered(&frmMain::cmdSave_Click, QString()); // Save sets the PLS filter...
    w->playlist->clear();
    const QString elsewhere = makeFolder(u"Elsewhere"_s);
    w->playlist->setPlaylistFile(elsewhere + u"/Named.m3u"_s, PlaylistFormat::M3u);
    dialogs.answer(path(u"Music/Empty.pls"_s));
    prompter.expectMessage();
    prompter.answerNo();
    w->mnuSaveAs->trigger(); // ...which Save As keeps
    EXPECT_EQ(dialogs.saved.back().filter, kPlsFilter);
    EXPECT_EQ(dialogs.saved.back().initialDir, elsewhere) << "the named playlist's folder";
    EXPECT_EQ(readBytes(path(u"Music/Empty.pls"_s)), "[playlist]\r\nNumberOfEntries=0\r\n");
    EXPECT_EQ(name(), path(u"Music/Empty.pls"_s));
}

TEST_F(PlaylistCommands, AFailedSaveSaysWhyInOneBoxAndKeepsTheOldFile) {
    fillTwoSongs();
    const QString folder = makeFolder(u"Music/Folder.m3u"_s);
    runAnswered(&frmMain::cmdSave_Click, folder);
    EXPECT_TRUE(
        describe(prompter.last()).startsWith(u"[Can't save] Could not save %1:\n"_s.arg(folder)));
    EXPECT_EQ(name(), u"<new>");
    const QString file = writeFile(u"Music/Mix.pls"_s, "old");
    w->playlist->setPlaylistFile(file, PlaylistFormat::Pls);
    w->playlist->append({{u"Two\nLines.mp3"_s, u"/Other"_s}});
    prompter.expectMessage();
    w->cmdSave_Click();
    EXPECT_TRUE(prompter.texts().last().startsWith(u"The song \"/Other/Two\nLines.mp3\""_s));
    EXPECT_EQ(prompter.shown().size(), 2u) << "one box each";
    EXPECT_EQ(readBytes(file), "old");
}
