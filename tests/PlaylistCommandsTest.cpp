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

using namespace Qt::StringLiterals;

namespace {
const QString kNewSaved = u"[Notice] New playlist saved. (OK, information)"_s;
const QString kSaved = u"[Notice] Playlist saved. (OK, information)"_s;
const QString kClearQuestion =
    u"[What now?] Saved. Clear selections for new list? (Yes/No, question)"_s;
const QString kNotSaved = u"[Notice] Not saved. (OK, information)"_s;
const QString kCannotAccess = u"[Problem] Could not access this file. (OK, exclamation)"_s;
const QString kM3uFilter = u"Playlists (*.m3u)|*.m3u"_s;
const QString kPlsFilter = u"Playlists (*.pls)|*.pls"_s;

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
        appendEntries(*w->lstSelected, {{u"A.mp3"_s, music}, {u"B.mp3"_s, u"/Other"_s}});
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
    w->lblName->setText(path(u"Old.m3u"_s));
    prompter.answerNo();
    w->cmdNew_Click();
    EXPECT_EQ(playlist().size(), 2);
    EXPECT_EQ(name(), path(u"Old.m3u"_s));

    focusPlaylist();
    prompter.answerYes();
    w->mnuNew->trigger();
    EXPECT_EQ(playlist(), QStringList());
    EXPECT_EQ(name(), u"<new>");
    EXPECT_TRUE(w->File1->hasFocus());
    const QString ask = u"[Confirm] Clear current selections and prepare a new playlist? (be sure "
                        "you have saved any changes) (Yes/No, question)"_s;
    EXPECT_EQ(boxes(), (QStringList{ask, ask}));
}

TEST_F(PlaylistCommands, OpenReadsTheWholeFileByStyleAndKeepsTheNamesCase) {
    const QString m3u = writeFile(u"Lists/Mix.M3U"_s, "#EXTM3U\n/Music/A.mp3\n  B.mp3  \n");
    appendEntries(*w->lstSelected, {{u"Old.mp3"_s, music}});
    w->lstSelected->item(0)->setSelected(true);
    focusPlaylist();
    dialogs.answer(m3u);
    w->cmdOpen_Click();
    EXPECT_EQ(playlist(), (QStringList{u"A.mp3 {/Music}"_s, u"B.mp3 {}"_s}));
    EXPECT_EQ(name(), m3u) << "a POSIX path keeps its case";
    EXPECT_TRUE(w->File1->hasFocus());
    EXPECT_FALSE(w->IsSel(u"S"_s, 0)) << "the playlist's selection memory was recorded anew";
    ASSERT_EQ(dialogs.opened().size(), 1u);
    const FileDialogRequest& open = dialogs.opened()[0];
    EXPECT_EQ(open.title, u"Select playlist file");
    EXPECT_EQ(open.filter, kM3uFilter);
    EXPECT_EQ(open.defaultExt, u".m3u");
    EXPECT_EQ(open.initialDir, music);
    EXPECT_EQ(open.fileName, u"");
    EXPECT_EQ(open.flags, 0x28100Cu);

    // The style alone picks the reader, whatever the extension.
    const QString plsText = writeFile(u"Lists/other.m3u"_s, "[playlist]\r\nfile1=/Music/C.mp3\r\n"
                                                            "NumberOfEntries=1\r\n");
    shared().style = 1;
    dialogs.answer(plsText);
    w->mnuOpen->trigger();
    EXPECT_EQ(playlist(), QStringList{u"C.mp3 {/Music}"_s});
    EXPECT_EQ(dialogs.opened()[1].filter, kPlsFilter);
    EXPECT_EQ(dialogs.opened()[1].defaultExt, u".pls");

    shared().style = 7; // only a hand-edited settings file holds this: read as M3U
    dialogs.answer(plsText);
    w->cmdOpen_Click();
    EXPECT_EQ(playlist(), (QStringList{u"[playlist] {}"_s, u"C.mp3 {file1=/Music}"_s,
                                       u"NumberOfEntries=1 {}"_s}));
    EXPECT_EQ(dialogs.opened()[2].filter, kM3uFilter);
    EXPECT_EQ(boxes(), QStringList());
}

TEST_F(PlaylistCommands, OpenOfAFileThatCannotBeReadChangesNothing) {
    fillTwoSongs();
    const QString current = writeFile(u"Current.m3u"_s, twoSongsM3u());
    w->lblName->setText(current);
    const QStringList before = playlist();

    dialogs.answer(QString()); // cancelled: no message
    w->cmdOpen_Click();
    EXPECT_EQ(boxes(), QStringList());

    const QString gone = writeFile(u"Gone.m3u"_s, "/Music/X.mp3\r\n");
    QFile::remove(gone); // vanished between the dialog and the reading
    QStringList unreadable{gone, makeFolder(u"Folder.m3u"_s)};
    if (geteuid() != 0) { // permissions do not stop root
        const QString locked = writeFile(u"Locked.m3u"_s, "/Music/X.mp3\r\n");
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
    EXPECT_EQ(boxes(), QStringList{u"[Can't save!] No files in the playlist! (OK, information)"_s});
    EXPECT_TRUE(dialogs.saved().empty());
}

TEST_F(PlaylistCommands, FirstSaveWritesTheChosenFileThenSavesAgainUnderItsName) {
    fillTwoSongs();
    const QString chosen = path(u"Music/My Mix.m3u"_s);
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
    const QString file = writeFile(u"Music/Mix.m3u"_s, "/Music/A.mp3\n/Other/B.mp3\n");
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
    EXPECT_EQ(boxes(), QStringList{u"[Notice!] Not saved. (OK, information)"_s});

    fillTwoSongs();
    dialogs.answer(QString());
    prompter.expectMessage();
    w->cmdSave_Click(); // Save sets the PLS filter...
    EXPECT_EQ(dialogs.saved().back().filter, kPlsFilter);
    w->lstSelected->clear();
    shared().style = 0;
    const QString empty = path(u"Music/Empty.m3u"_s);
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
    const QString elsewhere = makeFolder(u"Elsewhere"_s);
    w->lblName->setText(elsewhere + u"/Named.pls"_s);
    shared().style = 1;
    const QString pls = path(u"Elsewhere/Copy.pls"_s);
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
    const QString file = writeFile(u"Music/Mix.m3u"_s, "old");
    w->lblName->setText(file);
    const std::pair<QByteArray, QByteArray> cases[] = {
        {"[Paths]\r\nUsePaths=0\r\n", "A.mp3\r\nB.mp3\r\n"},
        {"[Paths]\r\nUsePaths=1\r\n", music.toUtf8() + "/A.mp3\r\n/Other/B.mp3\r\n"},
        {"[Paths]\r\nUsePaths=2\r\n", twoSongsM3u()},
        {"[Paths]\r\nUsePaths=7\r\n", twoSongsM3u()}, // not a mode: the computer decides
        {"[Paths]\r\nUsePaths=never\r\n", "A.mp3\r\nB.mp3\r\n"},
    };
    for (const auto& [ini, expected] : cases) {
        writeFile(u"velmora.ini"_s, ini);
        prompter.expectMessage();
        EXPECT_TRUE(SaveEdits(*w));
        EXPECT_EQ(readFile(file), expected) << ini.toStdString();
    }
    EXPECT_EQ(boxes(), QStringList(std::size(cases), kSaved));
}

TEST_F(PlaylistCommands, AFailedSaveIsReportedAndKeepsTheOldFile) {
    fillTwoSongs();
    const QString folder = makeFolder(u"Music/Folder.m3u"_s);
    const QString noFolder = path(u"Missing/List.m3u"_s);
    QStringList targets{folder, noFolder};
    if (QFileInfo(u"/proc"_s).isDir())
        targets << u"/proc/List.m3u"_s; // a folder nobody may write to, not even root
    for (const QString& target : targets) {
        dialogs.answer(target);
        prompter.expectMessage();
        prompter.expectMessage();
        w->cmdSave_Click();
        ASSERT_EQ(prompter.shown().size(), 2u);
        const MessageBoxRequest& box = prompter.shown()[0];
        EXPECT_TRUE(box.text.startsWith(u"Could not save "_s + target + u":\n"_s))
            << box.text.toStdString();
        EXPECT_GT(box.text.size(), (u"Could not save "_s + target + u":\n"_s).size())
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
    const QString file = writeFile(u"Music/Mix.m3u"_s, old);
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
    EXPECT_EQ(QDir(music).entryList(QDir::Files), QStringList{u"Mix.m3u"_s})
        << "no temporary file is left behind";
}

TEST_F(PlaylistCommands, ANameThatALineCannotHoldIsRefusedByName) {
    const QByteArray old = "/Music/Old.mp3\r\n";
    const QString file = writeFile(u"Music/Mix.pls"_s, old);
    w->lblName->setText(file);
    appendEntries(*w->lstSelected, {{u"A.mp3"_s, music}, {u"Two\nLines.mp3"_s, u"/Other"_s}});
    shared().style = 1;
    prompter.expectMessage();
    prompter.expectMessage();
    w->cmdSave_Click();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].title, u"Can't save");
    EXPECT_EQ(prompter.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(prompter.shown()[0].text,
              u"The song \"/Other/Two\nLines.mp3\" cannot be saved in this playlist: its name "
              "holds a line break.\nNothing was saved."_s);
    EXPECT_EQ(describe(prompter.shown()[1]), kNotSaved);
    EXPECT_EQ(readFile(file), old);
}

TEST_F(PlaylistCommands, DeleteAsksAndRemovesOnlyAnExistingPlaylist) {
    fillTwoSongs();
    prompter.expectMessage();
    w->cmdDelete_Click();

    const QString gone = path(u"Music/Gone.m3u"_s);
    w->lblName->setText(gone);
    prompter.expectMessage();
    w->cmdDelete_Click();

    const QString file = writeFile(u"Music/Mix.m3u"_s, twoSongsM3u());
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
        u"[Confirm] Are you sure you want to delete "_s + file + u"? (Yes/No, question)"_s;
    EXPECT_EQ(boxes(), (QStringList{u"[Oops] No playlist to be deleted! (OK, information)"_s,
                                    u"[Sorry] Could not find "_s + gone +
                                        u" to delete it. (OK, exclamation)"_s,
                                    ask, ask}));
}

TEST_F(PlaylistCommands, DeleteThatFailsChangesNothing) {
    fillTwoSongs();
    // A name the system will not remove: one that is held as a folder, and one in a read-only
    // file system (even root cannot delete there).
    QStringList held{makeFolder(u"Music/Held.m3u"_s)};
    writeFile(u"Music/Held.m3u/inside"_s, "x");
    if (QFileInfo::exists(u"/proc/version"_s))
        held << u"/proc/version"_s;
    for (const QString& file : held) {
        w->lblName->setText(file);
        prompter.answerYes();
        prompter.expectMessage();
        w->cmdDelete_Click();
        EXPECT_TRUE(QFileInfo::exists(file));
        EXPECT_EQ(name(), file);
        EXPECT_EQ(playlist().size(), 2);
        EXPECT_EQ(describe(prompter.last()),
                  u"[Notice] Could not delete. Perhaps in use. (OK, information)"_s);
    }
}
