#include "launch/PlayerCommand.h"
#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "playlist/PlaylistModel.h"
#include "support/WindowFixture.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
class Play : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        music = makeFolder(u"Music"_s);
        song = writeFile(u"Music/Song.mp3"_s, "frames");
        playlist = writeFile(u"Lists/mix.m3u"_s, "Song.mp3\r\n");
        w = std::make_unique<frmMain>();
        w->File1->setPath(music);
        w->Dir1->setPath(music);
    }
    void TearDown() override {
        w.reset();
        WindowFixture::TearDown();
    }
    // The box shown last: an OK box with the information icon, as every play failure is.
    void expectInformation(const QString& text, const QString& title) {
        ASSERT_FALSE(prompter.shown().empty());
        const MessageBoxRequest& box = prompter.last();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, title);
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, MsgIcon::Information);
    }
    void dropOnNote(QWidget* source) {
        w->imgPlay1_DragOver(source);
        EXPECT_TRUE(w->showsDropCursor(source));
        w->imgPlay1_DragDrop(source);
        EXPECT_FALSE(w->showsDropCursor(source)) << "the drag ends after every drop";
    }
    void dropOnNotes(QWidget* source) {
        w->imPlayAll_DragOver(source);
        w->imPlayAll_DragDrop(source);
        EXPECT_FALSE(w->showsDropCursor(source)) << "the drag ends after every drop";
    }
    QString lastOpened() const { return shell.opens.empty() ? QString() : shell.opens.back().file; }

    std::unique_ptr<frmMain> w;
    QString music, song, playlist;
};
} // namespace

TEST_F(Play, PlaylistEntryOnTheNote) {
    w->playlist->append({Entry{u"Song.mp3"_s, {}}});
    w->playlist->append({Entry{u"Song.mp3"_s, music}});
    w->playlist->append({Entry{u"Gone.mp3"_s, music}});

    // No current entry: nothing plays and nothing is said.
    w->lstSelected->setCurrentRow(-1);
    dropOnNote(w->lstSelected);
    EXPECT_TRUE(shell.opens.empty());
    EXPECT_TRUE(prompter.shown().empty());

    // An entry without a folder plays from the folder the file list shows.
    w->lstSelected->setCurrentRow(0);
    dropOnNote(w->lstSelected);
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].file, song);
    EXPECT_EQ(shell.opens[0].parameters, u"");
    EXPECT_EQ(shell.opens[0].workingDir, tmp.path()) << "the program's own folder";
    EXPECT_EQ(shell.opens[0].showMode, 5);
    EXPECT_EQ(w->lblIsPlaying->text(), song);

    // The same entry once the file list shows another folder: that folder's song is missing.
    w->File1->setPath(makeFolder(u"Other"_s));
    prompter.expectMessage();
    dropOnNote(w->lstSelected);
    expectInformation(u"Can't find file "_s + path(u"Other/Song.mp3"_s) + u'.',
                      u"Can't play."_s);
    EXPECT_EQ(shell.opens.size(), 1u);

    w->lstSelected->setCurrentRow(2);
    prompter.expectMessage();
    dropOnNote(w->lstSelected);
    expectInformation(u"Can't find file "_s + music + u"/Gone.mp3."_s, u"Can't play."_s);
    EXPECT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(w->lblIsPlaying->text(), song) << "kept after a failure";
}

TEST_F(Play, ResultsUpTo32AreFailuresAndLeaveTheSongLastPlayed) {
    const QString other = writeFile(u"Music/Other.mp3"_s, "frames");
    w->playlist->append({Entry{u"Song.mp3"_s, music}});
    w->playlist->append({Entry{u"Other.mp3"_s, music}});
    w->lstSelected->setCurrentRow(0);
    for (int result : {2, 31, 32}) {
        shell.openResult = result;
        prompter.expectMessage();
        dropOnNote(w->lstSelected);
        expectInformation(u"Can't find default .mp3 player."_s, u"Sorry"_s);
        EXPECT_EQ(lastOpened(), song);
        EXPECT_EQ(w->lblIsPlaying->text(), u"this is playing") << result;
    }
    shell.openResult = 33;
    dropOnNote(w->lstSelected);
    EXPECT_EQ(w->lblIsPlaying->text(), song);
    w->lstSelected->setCurrentRow(1);
    shell.openResult = 32;
    prompter.expectMessage();
    dropOnNote(w->lstSelected);
    EXPECT_EQ(lastOpened(), other);
    EXPECT_EQ(w->lblIsPlaying->text(), song) << "only a launch that worked replaces it";
}

TEST_F(Play, SongFromTheFileListIsHandedOverWithoutAnExistenceCheck) {
    w->File1->setCurrentRow(0);
    ASSERT_EQ(w->File1->currentItem()->text(), u"Song.mp3");
    dropOnNote(w->File1);
    EXPECT_EQ(lastOpened(), song);
    EXPECT_EQ(w->lblIsPlaying->text(), song);

    // Deleted behind the list's back: only the open action can notice.
    ASSERT_TRUE(QFile::remove(song));
    shell.openResult = kShellFileNotFound;
    prompter.expectMessage();
    dropOnNote(w->File1);
    EXPECT_EQ(shell.opens.size(), 2u);
    EXPECT_EQ(lastOpened(), song);
    expectInformation(u"Can't find default .mp3 player."_s, u"Sorry"_s);
}

TEST_F(Play, DragFeedbackOfTheNotes) {
    w->imgPlay1_DragOver(w->File1);
    w->imgPlay1_DragOver(w->lstSelected);
    EXPECT_TRUE(w->showsDropCursor(w->File1));
    EXPECT_TRUE(w->showsDropCursor(w->lstSelected));
    w->EndDrag(w->File1);
    w->EndDrag(w->lstSelected);

    w->imPlayAll_DragOver(w->File1);
    EXPECT_FALSE(w->showsDropCursor(w->File1)) << "the notes take only the playlist";
    w->imPlayAll_DragOver(w->lstSelected);
    EXPECT_TRUE(w->showsDropCursor(w->lstSelected));
    w->imgPlay1_DragOver(w->Dir1);
    EXPECT_FALSE(w->showsDropCursor(w->Dir1)) << "any other source is left alone";
}

TEST_F(Play, ClickOnTheNotesPlaysTheSavedPlaylist) {
    prompter.expectMessage();
    w->imPlayAll_Click();
    expectInformation(u"You must save the playlist first!"_s, u"Oops"_s);

    const QString gone = path(u"Lists/gone.m3u"_s);
    w->lblName->setText(gone);
    prompter.expectMessage();
    w->imPlayAll_Click();
    expectInformation(u"Can't find file "_s + gone + u'.', u"Can't play."_s);
    EXPECT_TRUE(shell.opens.empty());

    w->lblName->setText(playlist);
    w->imPlayAll_Click();
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].file, playlist);
    EXPECT_EQ(shell.opens[0].workingDir, tmp.path());
    EXPECT_EQ(shell.opens[0].showMode, 5);
    EXPECT_EQ(prompter.shown().size(), 2u);

    // The wording follows the style, not the file's extension.
    shell.openResult = 32;
    shared().style = 1;
    prompter.expectMessage();
    w->imPlayAll_Click();
    expectInformation(u"Can't find default .pls player."_s, u"Sorry"_s);
    shared().style = 0;
    prompter.expectMessage();
    w->imPlayAll_Click();
    expectInformation(u"Can't find default .m3u player."_s, u"Sorry"_s);
    shared().style = 7;
    prompter.expectMessage();
    w->imPlayAll_Click();
    expectInformation(u"Can't find default .m3u player."_s, u"Sorry"_s);
    EXPECT_EQ(w->lblIsPlaying->text(), u"this is playing");
}

TEST_F(Play, PlaylistDroppedOnTheNotesStartsItsPlayer) {
    w->playlist->append({Entry{u"Song.mp3"_s, music}});
    shell.lookupAnswer = {42, lookupAnswerText(u"/usr/bin/player"_s, playlist)};

    // From the file list: nothing at all.
    dropOnNotes(w->File1);
    // Never saved.
    prompter.expectMessage();
    dropOnNotes(w->lstSelected);
    expectInformation(u"You must save the playlist first!"_s, u"Oops"_s);
    // Saved, but no current entry: nothing plays and nothing is said.
    w->lblName->setText(playlist);
    w->lstSelected->setCurrentRow(-1);
    dropOnNotes(w->lstSelected);
    EXPECT_TRUE(shell.lookups.empty());
    EXPECT_TRUE(shell.commandLines.isEmpty());
    EXPECT_EQ(prompter.shown().size(), 1u);

    w->lstSelected->setCurrentRow(0);
    dropOnNotes(w->lstSelected);
    ASSERT_EQ(shell.lookups.size(), 1u);
    EXPECT_EQ(shell.lookups[0], QStringList({playlist, path(u"Lists"_s)}));
    ASSERT_EQ(shell.started.size(), 1u);
    EXPECT_EQ(shell.commandLines[0], u"\"/usr/bin/player \" \""_s + playlist + u'"');
    EXPECT_EQ(shell.started[0], QStringList({u"/usr/bin/player"_s, playlist}));
    EXPECT_TRUE(shell.opens.empty()) << "this route looks the program up and starts it";
    EXPECT_EQ(w->lblIsPlaying->text(), u"this is playing");

    const QString gone = path(u"Lists/gone.pls"_s);
    w->lblName->setText(gone);
    prompter.expectMessage();
    dropOnNotes(w->lstSelected);
    expectInformation(u"Can't find file "_s + gone + u'.', u"Can't play."_s);
    EXPECT_EQ(shell.lookups.size(), 1u);
}

TEST_F(Play, FailuresOfTheLookupAndOfTheStart) {
    w->playlist->append({Entry{u"Song.mp3"_s, music}});
    w->lstSelected->setCurrentRow(0);
    w->lblName->setText(playlist);

    shell.lookupAnswer = {kShellNoAssociation, {}};
    shared().style = 1;
    prompter.expectMessage();
    dropOnNotes(w->lstSelected);
    expectInformation(u"Can't find default .pls player."_s, u"Sorry"_s);
    shell.lookupAnswer = {32, lookupAnswerText(u"/usr/bin/player"_s, playlist)};
    shared().style = 0;
    prompter.expectMessage();
    dropOnNotes(w->lstSelected);
    expectInformation(u"Can't find default .m3u player."_s, u"Sorry"_s);
    EXPECT_TRUE(shell.commandLines.isEmpty());

    // An answer that gives no command line: nothing is started, and the user is told.
    shell.lookupAnswer = {42, u"/usr/bin/player"_s};
    prompter.expectMessage();
    dropOnNotes(w->lstSelected);
    expectInformation(u"Can't start the default player: it gave no command line."_s, u"Sorry"_s);
    EXPECT_TRUE(shell.commandLines.isEmpty());

    // A player that will not start is named.
    shell.lookupAnswer = {42, lookupAnswerText(u"/no/such/player"_s, playlist)};
    shell.startResult = false;
    prompter.expectMessage();
    dropOnNotes(w->lstSelected);
    expectInformation(u"Can't start \"/no/such/player \" \""_s + playlist + u"\"."_s,
                      u"Sorry"_s);
}

TEST_F(Play, HostilePlaylistPathsReachThePlayerAsOneArgument) {
    w->playlist->append({Entry{u"Song.mp3"_s, music}});
    w->lstSelected->setCurrentRow(0);
    const QString names[] = {u"a\"b.m3u"_s,      u"x; rm -rf ~.m3u"_s, u"$(touch x).m3u"_s,
                             u"`touch y`.m3u"_s, u"two\nlines.m3u"_s,  u"ends\""_s};
    for (const QString& name : names) {
        const QString list = writeFile(u"Lists/"_s + name, "Song.mp3\r\n");
        w->lblName->setText(list);
        shell.lookupAnswer = {42, lookupAnswerText(u"/usr/bin/player"_s, list)};
        dropOnNotes(w->lstSelected);
        ASSERT_FALSE(shell.started.empty());
        EXPECT_EQ(shell.started.back(), QStringList({u"/usr/bin/player"_s, list}))
            << shell.commandLines.back().toStdString();
    }
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(Play, ExplorerOpensTheShownFolder) {
    w->mnuExplorer_Click();
    ASSERT_EQ(shell.opens.size(), 1u);
    EXPECT_EQ(shell.opens[0].file, music);
    EXPECT_EQ(shell.opens[0].showMode, 5);
    shell.openResult = kShellNoAssociation;
    prompter.expectMessage();
    w->mnuExplorer_Click();
    expectInformation(u"Can't start the file manager on "_s + music + u'.', u"Sorry"_s);
}
