#include "app/IniFiler.h"
#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistProcedures.h"
#include "support/FileSizeLimit.h"
#include "support/SongsWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <memory>
#include <unistd.h>

namespace {
const QString kNewSaved = u"[Notice] New playlist saved. (OK, information)"_qs;
const QString kSaved = u"[Notice] Playlist saved. (OK, information)"_qs;
const QString kClearQuestion =
    u"[What now?] Saved. Clear selections for new list? (Yes/No, question)"_qs;
const QString kNotSaved = u"[Notice] Not saved. (OK, information)"_qs;
const QString kCannotAccess = u"[Problem] Could not access this file. (OK, exclamation)"_qs;
const QString kM3uFilter = u"Playlists (*.m3u)|*.m3u"_qs;
const QString kPlsFilter = u"Playlists (*.pls)|*.pls"_qs;

class PlaylistCommands : public SongsWindowFixture {
protected:
    void SetUp() override {
        SongsWindowFixture::SetUp();
        shared().settings = std::make_unique<IniFiler>(iniPath());
        w->Dir1->setPath(music);
    }

    QStringList boxes() const {
        QStringList all;
        for (const MessageBoxRequest& box : prompter.shown())
            all << describe(box);
        return all;
    }
    QString name() const { return w->lblName->text(); }
    // Two songs: one in the Music folder, one elsewhere.
    void fillTwoSongs() {
        appendEntries(*w->lstSelected, {{u"A.mp3"_qs, music}, {u"B.mp3"_qs, u"/Other"_qs}});
    }
    QByteArray twoSongsM3u() const { return "A.mp3\r\n/Other/B.mp3\r\n"; }
    // Puts the focus elsewhere so that a handler's move to File1 shows.
    void focusPlaylist() {
        w->lstSelected->setFocus();
        ASSERT_TRUE(w->lstSelected->hasFocus());
    }
};
} // namespace

TEST_F(PlaylistCommands, NewClearsOnlyWhenTheUserSaysYes) {
    fillTwoSongs();
    w->lblName->setText(path(u"Old.m3u"_qs));
    prompter.answerNo();
    w->cmdNew_Click();
    EXPECT_EQ(playlist().size(), 2);
    EXPECT_EQ(name(), path(u"Old.m3u"_qs));

    focusPlaylist();
    prompter.answerYes();
    w->mnuNew->trigger();
    EXPECT_EQ(playlist(), QStringList());
    EXPECT_EQ(name(), u"<new>");
    EXPECT_TRUE(w->File1->hasFocus());
    const QString ask = u"[Confirm] Clear current selections and prepare a new playlist? (be sure "
                        "you have saved any changes) (Yes/No, question)"_qs;
    EXPECT_EQ(boxes(), (QStringList{ask, ask}));
}

TEST_F(PlaylistCommands, OpenReadsTheWholeFileByStyleAndKeepsTheNamesCase) {
    const QString m3u = writeFile(u"Lists/Mix.M3U"_qs, "#EXTM3U\n/Music/A.mp3\n  B.mp3  \n");
    appendEntries(*w->lstSelected, {{u"Old.mp3"_qs, music}});
    w->lstSelected->item(0)->setSelected(true);
    focusPlaylist();
    dialogs.answer(m3u);
    w->cmdOpen_Click();
    EXPECT_EQ(playlist(), (QStringList{u"A.mp3 {/Music}"_qs, u"B.mp3 {}"_qs}));
    EXPECT_EQ(name(), m3u) << "a POSIX path keeps its case";
    EXPECT_TRUE(w->File1->hasFocus());
    EXPECT_FALSE(w->IsSel(u"S"_qs, 0)) << "the playlist's selection memory was recorded anew";
    ASSERT_EQ(dialogs.opened().size(), 1u);
    const FileDialogRequest& open = dialogs.opened()[0];
    EXPECT_EQ(open.title, u"Select playlist file");
    EXPECT_EQ(open.filter, kM3uFilter);
    EXPECT_EQ(open.defaultExt, u".m3u");
    EXPECT_EQ(open.initialDir, music);
    EXPECT_EQ(open.fileName, u"");
    EXPECT_EQ(open.flags, 0x28100Cu);

    // The style alone picks the reader, whatever the extension.
    const QString plsText = writeFile(u"Lists/other.m3u"_qs, "[playlist]\r\nfile1=/Music/C.mp3\r\n"
                                                             "NumberOfEntries=1\r\n");
    shared().style = 1;
    dialogs.answer(plsText);
    w->mnuOpen->trigger();
    EXPECT_EQ(playlist(), QStringList{u"C.mp3 {/Music}"_qs});
    EXPECT_EQ(dialogs.opened()[1].filter, kPlsFilter);
    EXPECT_EQ(dialogs.opened()[1].defaultExt, u".pls");

    shared().style = 7; // only a hand-edited settings file holds this: read as M3U
    dialogs.answer(plsText);
    w->cmdOpen_Click();
    EXPECT_EQ(playlist(), (QStringList{u"[playlist] {}"_qs, u"C.mp3 {file1=/Music}"_qs,
                                       u"NumberOfEntries=1 {}"_qs}));
    EXPECT_EQ(dialogs.opened()[2].filter, kM3uFilter);
    EXPECT_EQ(boxes(), QStringList());
}

TEST_F(PlaylistCommands, OpenOfAFileThatCannotBeReadChangesNothing) {
    fillTwoSongs();
    const QString current = writeFile(u"Current.m3u"_qs, twoSongsM3u());
    w->lblName->setText(current);
    const QStringList before = playlist();

    dialogs.answer(QString()); // cancelled: no message
    w->cmdOpen_Click();
    EXPECT_EQ(boxes(), QStringList());

    const QString gone = writeFile(u"Gone.m3u"_qs, "/Music/X.mp3\r\n");
    QFile::remove(gone); // vanished between the dialog and the reading
    QStringList unreadable{gone, makeFolder(u"Folder.m3u"_qs)};
    if (geteuid() != 0) { // permissions do not stop root
        const QString locked = writeFile(u"Locked.m3u"_qs, "/Music/X.mp3\r\n");
        QFile::setPermissions(locked, QFileDevice::WriteOwner);
        unreadable << locked;
    }
    for (const QString& file : unreadable) {
        prompter.expectMessage();
        dialogs.answer(file);
        w->cmdOpen_Click();
        EXPECT_EQ(playlist(), before) << file.toStdString();
        EXPECT_EQ(name(), current);
    }
    EXPECT_EQ(boxes(), QStringList(unreadable.size(), kCannotAccess));
}

TEST_F(PlaylistCommands, SaveWithAnEmptyListWritesNothing) {
    prompter.expectMessage();
    w->cmdSave_Click();
    EXPECT_EQ(boxes(),
              QStringList{u"[Can't save!] No files in the playlist! (OK, information)"_qs});
    EXPECT_TRUE(dialogs.saved().empty());
}

TEST_F(PlaylistCommands, FirstSaveWritesTheChosenFileThenSavesAgainUnderItsName) {
    fillTwoSongs();
    const QString chosen = path(u"Music/My Mix.m3u"_qs);
    dialogs.answer(chosen);
    prompter.expectMessage();
    prompter.answerNo();
    w->cmdSave_Click();
    EXPECT_EQ(readFile(chosen), twoSongsM3u()) << "no UsePaths: the computer decides";
    EXPECT_EQ(name(), chosen);
    EXPECT_EQ(playlist().size(), 2);
    EXPECT_EQ(boxes(), (QStringList{kNewSaved, kClearQuestion}));
    ASSERT_EQ(dialogs.saved().size(), 1u);
    const FileDialogRequest& save = dialogs.saved()[0];
    EXPECT_EQ(save.title, u"Select playlist file");
    EXPECT_EQ(save.filter, kM3uFilter);
    EXPECT_EQ(save.defaultExt, u".m3u");
    EXPECT_EQ(save.initialDir, music) << "a new playlist starts in the folder shown";
    EXPECT_EQ(save.fileName, u"");
    EXPECT_EQ(save.flags, 0x28000Eu) << "the save dialog asks before replacing a file";

    // Saving again: no dialog, the same bytes, and Yes clears.
    focusPlaylist();
    prompter.clear();
    prompter.expectMessage();
    prompter.answerYes();
    w->mnuSave->trigger();
    EXPECT_EQ(dialogs.saved().size(), 1u);
    EXPECT_EQ(readFile(chosen), twoSongsM3u());
    EXPECT_EQ(boxes(), (QStringList{kSaved, kClearQuestion}));
    EXPECT_EQ(name(), u"<new>");
    EXPECT_EQ(playlist(), QStringList());
    EXPECT_TRUE(w->File1->hasFocus());
}

TEST_F(PlaylistCommands, CancelledSaveSaysNotSaved) {
    fillTwoSongs();
    focusPlaylist();
    dialogs.answer(QString());
    prompter.expectMessage();
    w->cmdSave_Click();
    EXPECT_EQ(boxes(), QStringList{kNotSaved});
    EXPECT_EQ(name(), u"<new>");
    EXPECT_TRUE(w->File1->hasFocus());
    EXPECT_EQ(QDir(music).entryList(QDir::Files), QStringList());
}

TEST_F(PlaylistCommands, ChangingTheStyleBetweenOpenAndSaveRewritesInTheNewFormat) {
    const QString file = writeFile(u"Music/Mix.m3u"_qs, "/Music/A.mp3\n/Other/B.mp3\n");
    dialogs.answer(file);
    w->cmdOpen_Click();
    ASSERT_EQ(name(), file);
    shared().style = 1;
    prompter.expectMessage();
    prompter.answerNo();
    w->cmdSave_Click();
    EXPECT_EQ(readFile(file),
              QByteArray("[playlist]\r\nfile1=/Music/A.mp3\r\nfile2=/Other/B.mp3\r\n"
                         "NumberOfEntries=2\r\n"))
        << "/Music is not the temporary Music folder, so both keep their paths";
    EXPECT_EQ(boxes(), (QStringList{kSaved, kClearQuestion}));
    EXPECT_EQ(name(), file);
}

TEST_F(PlaylistCommands, SaveAsKeepsTheFilterLastSetAndWritesEvenAnEmptyList) {
    shared().style = 1;
    dialogs.answer(QString());
    prompter.expectMessage();
    w->mnuSaveAs->trigger(); // first command: the design-time values
    EXPECT_EQ(dialogs.saved().back().filter, kM3uFilter);
    EXPECT_EQ(dialogs.saved().back().defaultExt, u".m3u");
    EXPECT_EQ(boxes(), QStringList{u"[Notice!] Not saved. (OK, information)"_qs});

    fillTwoSongs();
    dialogs.answer(QString());
    prompter.expectMessage();
    w->cmdSave_Click(); // Save sets the PLS filter...
    EXPECT_EQ(dialogs.saved().back().filter, kPlsFilter);
    w->lstSelected->clear();
    shared().style = 0;
    const QString empty = path(u"Music/Empty.m3u"_qs);
    dialogs.answer(empty);
    prompter.expectMessage();
    prompter.answerNo();
    w->mnuSaveAs_Click(); // ...which Save As keeps, though the style changed since
    EXPECT_EQ(dialogs.saved().back().filter, kPlsFilter);
    EXPECT_EQ(dialogs.saved().back().defaultExt, u".pls");
    EXPECT_TRUE(QFileInfo::exists(empty));
    EXPECT_EQ(readFile(empty), QByteArray()) << "an empty M3U: the style decides the format";
    EXPECT_EQ(name(), empty);

    // Save As of a named playlist starts in its folder.
    const QString elsewhere = makeFolder(u"Elsewhere"_qs);
    w->lblName->setText(elsewhere + u"/Named.pls"_qs);
    shared().style = 1;
    const QString pls = path(u"Elsewhere/Copy.pls"_qs);
    dialogs.answer(pls);
    prompter.expectMessage();
    prompter.answerNo();
    w->mnuSaveAs_Click();
    EXPECT_EQ(dialogs.saved().back().initialDir, elsewhere);
    EXPECT_EQ(readFile(pls), QByteArray("[playlist]\r\nNumberOfEntries=0\r\n"));
    EXPECT_EQ(name(), pls);
}

TEST_F(PlaylistCommands, ThePathModeIsReadFromTheSettingsAtEverySave) {
    fillTwoSongs();
    const QString file = writeFile(u"Music/Mix.m3u"_qs, "old");
    w->lblName->setText(file);
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"[Paths]\r\nUsePaths=0\r\n", "A.mp3\r\nB.mp3\r\n"},
        {"[Paths]\r\nUsePaths=1\r\n", music.toUtf8() + "/A.mp3\r\n/Other/B.mp3\r\n"},
        {"[Paths]\r\nUsePaths=2\r\n", twoSongsM3u()},
        {"[Paths]\r\nUsePaths=7\r\n", twoSongsM3u()}, // not a mode: the computer decides
        {"[Paths]\r\nUsePaths=never\r\n", "A.mp3\r\nB.mp3\r\n"},
    };
    for (const auto& [ini, expected] : cases) {
        writeFile(u"velmora.ini"_qs, ini);
        prompter.expectMessage();
        EXPECT_TRUE(SaveEdits(*w));
        EXPECT_EQ(readFile(file), expected) << ini.toStdString();
    }
    EXPECT_EQ(boxes(), QStringList(std::size(cases), kSaved));
}

TEST_F(PlaylistCommands, AFailedSaveIsReportedAndKeepsTheOldFile) {
    fillTwoSongs();
    const QString folder = makeFolder(u"Music/Folder.m3u"_qs);
    const QString noFolder = path(u"Missing/List.m3u"_qs);
    QStringList targets{folder, noFolder};
    if (QFileInfo(u"/proc"_qs).isDir())
        targets << u"/proc/List.m3u"_qs; // a folder nobody may write to, not even root
    for (const QString& target : targets) {
        dialogs.answer(target);
        prompter.expectMessage();
        prompter.expectMessage();
        w->cmdSave_Click();
        ASSERT_EQ(prompter.shown().size(), 2u);
        const MessageBoxRequest& box = prompter.shown()[0];
        EXPECT_TRUE(box.text.startsWith(u"Could not save "_qs + target + u":\n"_qs))
            << box.text.toStdString();
        EXPECT_GT(box.text.size(), (u"Could not save "_qs + target + u":\n"_qs).size())
            << "the system's reason follows";
        EXPECT_EQ(box.title, u"Can't save");
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(describe(prompter.shown()[1]), kNotSaved);
        EXPECT_EQ(name(), u"<new>");
        prompter.clear();
    }
    EXPECT_FALSE(QFileInfo::exists(noFolder));

    // A disk that fills up half way: the old playlist stays byte for byte.
    const QByteArray old = "/Music/Old1.mp3\r\n/Music/Old2.mp3\r\n";
    const QString file = writeFile(u"Music/Mix.m3u"_qs, old);
    w->lblName->setText(file);
    const int status = runWithFileSizeLimit(8, [&] {
        prompter.expectMessage();
        prompter.expectMessage();
        w->cmdSave_Click();
        const bool told = prompter.shown().size() == 2 &&
                          prompter.shown()[0].title == u"Can't save" &&
                          describe(prompter.shown()[1]) == kNotSaved;
        return told && name() == file ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "the failure must be shown and the name kept";
    EXPECT_EQ(readFile(file), old);
    EXPECT_EQ(QDir(music).entryList(QDir::Files), QStringList{u"Mix.m3u"_qs})
        << "no temporary file is left behind";
}

TEST_F(PlaylistCommands, ANameThatALineCannotHoldIsRefusedByName) {
    const QByteArray old = "/Music/Old.mp3\r\n";
    const QString file = writeFile(u"Music/Mix.pls"_qs, old);
    w->lblName->setText(file);
    appendEntries(*w->lstSelected, {{u"A.mp3"_qs, music}, {u"Two\nLines.mp3"_qs, u"/Other"_qs}});
    shared().style = 1;
    prompter.expectMessage();
    prompter.expectMessage();
    w->cmdSave_Click();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].title, u"Can't save");
    EXPECT_EQ(prompter.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(prompter.shown()[0].text,
              u"The song \"/Other/Two\nLines.mp3\" cannot be saved in this playlist: its name "
              "holds a line break.\nNothing was saved."_qs);
    EXPECT_EQ(describe(prompter.shown()[1]), kNotSaved);
    EXPECT_EQ(readFile(file), old);
}

TEST_F(PlaylistCommands, DeleteAsksAndRemovesOnlyAnExistingPlaylist) {
    fillTwoSongs();
    prompter.expectMessage();
    w->cmdDelete_Click();

    const QString gone = path(u"Music/Gone.m3u"_qs);
    w->lblName->setText(gone);
    prompter.expectMessage();
    w->cmdDelete_Click();

    const QString file = writeFile(u"Music/Mix.m3u"_qs, twoSongsM3u());
    w->lblName->setText(file);
    prompter.answerNo();
    w->cmdDelete_Click();
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_EQ(playlist().size(), 2);

    focusPlaylist();
    prompter.answerYes();
    w->cmdDelete_Click();
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(name(), u"<new>");
    EXPECT_EQ(playlist(), QStringList());
    EXPECT_TRUE(w->File1->hasFocus());

    const QString ask =
        u"[Confirm] Are you sure you want to delete "_qs + file + u"? (Yes/No, question)"_qs;
    EXPECT_EQ(boxes(), (QStringList{u"[Oops] No playlist to be deleted! (OK, information)"_qs,
                                    u"[Sorry] Could not find "_qs + gone +
                                        u" to delete it. (OK, exclamation)"_qs,
                                    ask, ask}));
}

TEST_F(PlaylistCommands, DeleteThatFailsChangesNothing) {
    fillTwoSongs();
    // A name the system will not remove: one that is held as a folder, and one in a read-only
    // file system (even root cannot delete there).
    QStringList held{makeFolder(u"Music/Held.m3u"_qs)};
    writeFile(u"Music/Held.m3u/inside"_qs, "x");
    if (QFileInfo::exists(u"/proc/version"_qs))
        held << u"/proc/version"_qs;
    for (const QString& file : held) {
        w->lblName->setText(file);
        prompter.answerYes();
        prompter.expectMessage();
        w->cmdDelete_Click();
        EXPECT_TRUE(QFileInfo::exists(file));
        EXPECT_EQ(name(), file);
        EXPECT_EQ(playlist().size(), 2);
        EXPECT_EQ(describe(prompter.last()),
                  u"[Notice] Could not delete. Perhaps in use. (OK, information)"_qs);
    }
}
