#include "core/mp3/CurrentTag.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/tags/frmID.h"
#include "support/ChildProcess.h"
#include "support/Id3v2Bytes.h"
#include "support/SongBytes.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
const QByteArray kAudio = mpegFrame();
const QByteArray kTagged = kAudio + id3v1Tag({.title = "Old"});

// Tag windows here wait for no one: each is recorded and handed to onOpen (by default closed
// with Exit). The genres.txt beside the program names Blues 0, Rock 17 and Jazz 8.
class TagWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        writeFile(u"genres.txt"_s, "000 Blues\r\n017 Rock\r\n008 Jazz\r\n");
        frmID::setModalHook([this](frmID& window) {
            opened << window.txtID[0]->text() +
                          (window.cmdSave->isEnabled() ? u""_s : u" (view)"_s);
            onOpen ? onOpen(window) : window.cmdExit->click();
        });
    }
    void TearDown() override {
        frmID::setModalHook({});
        WindowFixture::TearDown();
    }
    // Writes the song into the folder "music" and makes it the file list's current item.
    QString pick(frmMain& w, const QString& name, const QByteArray& bytes) {
        const QString song = writeFile(u"music/"_s + name, bytes);
        w.File1->setPath(path(u"music"_s));
        w.File1->setCurrentItem(w.File1->findItems(name, Qt::MatchExactly).value(0));
        return song;
    }
    // Reads the song's tag into a shown tag window, runs change on it and saves the title
    // "Mine"; returns the message box shown last, " (open)" added when the window stayed open.
    QString saveTitle(const QString& song, const std::function<void(frmID&)>& change = {}) {
        TagFile = song;
        FillTag(TagFile);
        frmID window;
        window.Form_Load();
        window.show();
        if (change)
            change(window);
        window.txtID[0]->setText(u"Mine"_s);
        window.cmdSave_Click();
        return describe(prompter.last()) + (window.isVisible() ? u" (open)"_s : u""_s);
    }

    QStringList opened; // the title each window showed, " (view)" added when it could not save
    std::function<void(frmID&)> onOpen;
};
} // namespace

TEST_F(TagWindow, ShowsTheTagAndSavesWhatWasEditedOrSaysWhyNot) {
    // A genre that genres.txt does not name is not shown, and saving keeps it.
    const QString song =
        writeFile(u"a.mp3"_s, kAudio + id3v1Tag({.title = " Old ", .track = 7, .genre = 200}));
    prompter.expectMessage(4);
    const auto shows = [](frmID& window) {
        EXPECT_EQ(window.txtID[0]->text() + window.txtID[5]->text() +
                      window.cboGenre->currentText(),
                  u"Old7");
    };
    EXPECT_EQ(saveTitle(song, shows), u"[Notice] Saved. (OK, information)");
    EXPECT_EQ(readBytes(song), kAudio + id3v1Tag({.title = "Mine", .track = 7, .genre = 200}));
    saveTitle(song, [](frmID& window) { window.cboGenre->setCurrentIndex(1); });
    EXPECT_EQ(readBytes(song).right(1), "\x11") << "a picked genre, Rock, is written";
    EXPECT_EQ(
        saveTitle(song, [](frmID& window) { window.txtID[5]->setText(u"-3"_s); }),
        u"[Can't save] The track number must lie between 0 and 255. (OK, exclamation) (open)");
    EXPECT_EQ(saveTitle(writeFile(u"empty.mp3"_s, {})),
              u"[Can't save] Error getting file length. (OK, information) (open)");
}

TEST_F(TagWindow, AsksBeforeWritingWhatTheTagCannotHoldAndWritesOnlyOnYes) {
    const QString song = writeFile(u"a.mp3"_s, kTagged);
    const auto type = [](frmID& window) { window.txtID[1]->setText(u"Zoë — “Live” €"_s); };
    prompter.answerNo();
    EXPECT_EQ(
        saveTitle(song, type),
        u"[Confirm] An ID3v1 tag holds only ISO-8859-1 characters, in fields of fixed "
        u"width, so these fields would not be saved as typed:\n\nArtist: \"Zoë — “Live” "
        u"€\" would be saved as \"Zoë ? ?Live? ?\"\n\nSave anyway? (Yes/No, question) (open)");
    EXPECT_EQ(prompter.last().defaultButton, MsgAnswer::No);
    EXPECT_EQ(readBytes(song), kTagged) << "nothing written on No";
    prompter.answerYes();
    prompter.expectMessage();
    EXPECT_EQ(saveTitle(song, type), u"[Notice] Saved. (OK, information)");
    EXPECT_EQ(readBytes(song), kAudio + id3v1Tag({.title = "Mine", .artist = "Zo\xEB ? ?Live? ?"}));
}

TEST_F(TagWindow, AGenreListThatIsMissingOrCannotBeReadIsSaid) {
    if (QFileInfo::exists(QStringLiteral(VELMORA_DATADIR "/genres.txt")))
        GTEST_SKIP() << "an installed genres.txt stands in for the missing one";
    QFile::remove(path(u"genres.txt"_s));
    prompter.expectMessage();
    frmID().Form_Load();
    makeFolder(u"genres.txt"_s);
    prompter.expectMessage();
    frmID window;
    window.Form_Load();
    EXPECT_EQ(prompter.texts(), (QStringList{u"File 'genres.txt' is missing."_s,
                                             u"File '"_s + path(u"genres.txt"_s) +
                                                 u"' can't be read: Is a folder."_s}));
    EXPECT_EQ(window.cboGenre->count(), 0);
}

TEST_F(TagWindow, RightClickOpensTheTagOrOffersOneAndDoubleClickShowsTheHeaderReport) {
    frmMain w;
    w.File1_RightButtonDown(); // an empty list: nothing
    const QString tagged = pick(w, u"Tagged.mp3"_s, kAudio + id3v1Tag({.title = "Tagged"}));
    w.File1_RightButtonDown();
    w.playlist->append({entryFromPath(tagged)});
    w.lstSelected->setCurrentRow(0);
    w.lstSelected_RightButtonDown();
    EXPECT_TRUE(w.IsSel(u"F"_s, w.File1->currentRow()) && w.IsSel(u"S"_s, 0)) << "recorded";
    w.playlist->append({{u"http://r.example/live"_s, {}, true}}); // a stream has no tag here
    w.lstSelected->setCurrentRow(1);
    prompter.expectMessage();
    w.lstSelected_RightButtonDown();
    w.songPlaying = tagged; // in use
    prompter.answerNo();
    w.File1_RightButtonDown();
    prompter.answerYes();
    w.File1_RightButtonDown();
    EXPECT_EQ(opened, (QStringList{u"Tagged"_s, u"Tagged"_s, u"Tagged (view)"_s}));
    const QString bare = pick(w, u"Bare.mp3"_s, kAudio);
    onOpen = [](frmID& window) {
        window.txtID[0]->setText(u"Added"_s);
        window.cmdSave->click();
    };
    prompter.answerYes();
    prompter.expectMessage();
    w.File1_RightButtonDown();
    EXPECT_EQ(readBytes(bare), kAudio + id3v1Tag({.title = "Added"}));
    w.songPlaying = pick(w, u"Busy.mp3"_s, kAudio);
    prompter.answerYes();
    prompter.expectMessage();
    w.File1_RightButtonDown();
    EXPECT_EQ(prompter.texts().value(0),
              u"http://r.example/live is a stream address, not a file on this computer.");
    EXPECT_EQ(prompter.texts().mid(2),
              (QStringList{u"File may be in use by player. Can only view ID3. Proceed?"_s,
                           u"No tag found. Do you wish to add one?"_s, u"Saved."_s,
                           u"No tag found. Do you wish to add one?"_s,
                           u"File may be in use by player. Can't add right now."_s}));
    prompter.expectMessage(2);
    for (const auto& [name, bytes] : {std::pair{u"Song.mp3"_s, mpegFrame()},
                                      {u"Notes.mp3"_s, QByteArray("not a song")},
                                      {u"Wrapped.mp3"_s, "RIFF" + QByteArray(20, '\0')}}) {
        pick(w, name, bytes); // the last holds no "data" chunk: nothing is shown
        w.File1_DblClick();
    }
    const QString folder = path(u"music"_s);
    ASSERT_EQ(prompter.shown().size(), 9u);
    EXPECT_TRUE(prompter.shown()[7].tabular);
    EXPECT_TRUE(
        prompter.shown()[7].text.startsWith(u"Filename:\t\t"_s + folder + u"/Song.mp3\r\n"_s));
    EXPECT_EQ(describe(prompter.last()),
              u"[File Header] No MPEG audio frame header was found in "_s + folder +
                  u"/Notes.mp3. (OK, information)"_s);
}

TEST_F(TagWindow, AddingATagToASongWithAnId3v2TagOnlyStartsFromItsValues) {
    frmMain w;
    // How its fields become ID3v1 ones is the engine's; here: that the window shows them.
    const QByteArray v2 = id3v2Tag(3,
                                   id3v2Frame(3, "TIT2", id3v2Text(1, u"Nachtmusik"_s)) +
                                       id3v2Frame(3, "TCON", id3v2Text(0, u"(17)"_s)),
                                   100) +
                          kAudio;
    const QString song = pick(w, u"V2.mp3"_s, v2);
    onOpen = [&](frmID& window) {
        QStringList shown;
        for (const QLineEdit* box : window.txtID)
            shown << box->text();
        EXPECT_EQ(shown.join(u'|') + u'|' + window.cboGenre->currentText(),
                  u"Nachtmusik||||||Rock");
        EXPECT_FALSE(window.lblSource->isHidden());
        EXPECT_EQ(window.lblSource->text(), u"Filled in from the song's ID3v2.3 tag.");
        EXPECT_EQ(readBytes(song), v2) << "nothing is written before Save";
        window.cmdSave->click();
    };
    prompter.answerYes();
    prompter.expectMessage();
    w.File1_RightButtonDown();
    EXPECT_EQ(readBytes(song), v2 + id3v1Tag({.title = "Nachtmusik", .genre = 17}));
}

// The song is locked, changed or deleted under the program: it is never harmed or made again.
TEST_F(TagWindow, ASongLockedChangedOrDeletedElsewhereIsNeverHarmed) {
    const QString song = writeFile(u"changing.mp3"_s, kTagged);
    const QByteArray moreAudio = kTagged + mpegFrame(); // its tag is now audio
    prompter.expectMessage(2);
    EXPECT_EQ(saveTitle(song, [&](frmID&) { writeFile(u"changing.mp3"_s, moreAudio); }),
              u"[Notice] Saved. (OK, information)");
    EXPECT_EQ(readBytes(song), moreAudio + id3v1Tag({.title = "Mine"}));
    EXPECT_EQ(saveTitle(song, [&](frmID&) { QFile::remove(song); }),
              u"[Can't save] Can't find "_s + song + u". (OK, exclamation) (open)"_s);
    EXPECT_FALSE(QFile::exists(song));
    const QString locked = writeFile(u"locked.mp3"_s, kTagged);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther);
    const QString refused = u"[Unsuccessful] An error- Permission denied, occurred while saving "
                            u"changes. (OK, exclamation) (open)"_s;
    const int status = runAsOrdinaryUser([&] {
        prompter.expectMessage();
        return int(saveTitle(locked) != refused);
    });
    if (status == -1)
        GTEST_SKIP() << "could not run as an ordinary user";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readBytes(locked), kTagged);
}
