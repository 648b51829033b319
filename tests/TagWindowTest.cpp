#include "mainwindow/FileList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "mp3/CurrentTag.h"
#include "mp3/frmID.h"
#include "support/SongBytes.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {
const QByteArray kAudio = mpegFrame();

class TagWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        writeFile(u"genres.txt"_s, "000 Blues\r\n017 Rock\r\n008 Jazz\r\n");
        folder = makeFolder(u"music"_s);
        frmID::setModalHook([this](frmID& window) {
            opened << window.txtID[0]->text() +
                          (window.cmdSave->isEnabled() ? u""_s : u" (view)"_s);
            onOpen ? onOpen(window) : window.cmdExit->click();
        });
        CurrentTag = TagRecord::blank();
    }
    void TearDown() override {
        frmID::setModalHook({});
        WindowFixture::TearDown();
    }
    // Makes the song in the music folder the file list's current, selected item.
    QString pick(frmMain& w, const QString& name, const QByteArray& bytes) {
        const QString song = writeFile(u"music/"_s + name, bytes);
        w.File1->setPath(folder);
        const auto found = w.File1->findItems(name, Qt::MatchExactly);
        w.File1->setCurrentItem(found.value(0));
        return song;
    }
    QString folder;
    QStringList opened; // the title each window showed, and whether it could only be viewed
    std::function<void(frmID&)> onOpen;
};
} // namespace

TEST_F(TagWindow, ShowsTheTagAndSavesWhatWasEdited) {
    CurrentTag = TagRecord::fromBytes(id3v1Tag({.title = "  Song  ", .track = 7, .genre = 17}));
    frmID rock;
    rock.Form_Load();
    EXPECT_EQ(rock.txtID[0]->text() + rock.txtID[5]->text() + rock.cboGenre->currentText(),
              u"Song7Rock");
    // A genre that genres.txt does not name is not shown, and saving keeps it.
    TagFile = writeFile(u"a.mp3"_s, kAudio + id3v1Tag({.title = "Old", .genre = 200}));
    ASSERT_TRUE(FillTag(TagFile));
    frmID window;
    window.Form_Load();
    window.show();
    EXPECT_EQ(window.cboGenre->currentIndex(), -1);
    window.txtID[0]->setText(u"New"_s);
    window.txtID[5]->setText(u"12"_s);
    prompter.expectMessage();
    window.cmdSave_Click();
    EXPECT_EQ(describe(prompter.last()), u"[Notice] Saved. (OK, information)");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(readFile(TagFile), kAudio + id3v1Tag({.title = "New", .track = 12, .genre = 200}));
    window.show();
    window.cboGenre->setCurrentIndex(2);
    prompter.expectMessage();
    window.cmdSave_Click();
    EXPECT_EQ(readFile(TagFile).right(1), "\x08") << "a picked genre is written";
}

TEST_F(TagWindow, ARefusedSaveIsSaidAndTheWindowStaysOpen) {
    TagFile = writeFile(u"a.mp3"_s, {});
    frmID window;
    window.Form_Load();
    window.show();
    const auto save = [&](const char* track) {
        window.txtID[5]->setText(QString::fromLatin1(track));
        prompter.expectMessage();
        window.cmdSave_Click();
        return describe(prompter.last());
    };
    EXPECT_EQ(save("-3"),
              u"[Can't save] The track number must lie between 0 and 255. (OK, exclamation)");
    EXPECT_EQ(save(""), u"[Can't save] Error getting file length. (OK, information)");
    QFile::remove(TagFile);
    EXPECT_EQ(save(""), u"[Can't save] Can't find "_s + TagFile + u". (OK, exclamation)"_s);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFile::exists(TagFile));
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
    EXPECT_EQ(describe(prompter.last()).left(9), u"[Problem]");
    EXPECT_EQ(window.cboGenre->count(), 0);
}

TEST_F(TagWindow, RightClickOnTheFileListOpensTheTagOrOffersOne) {
    frmMain w;
    w.File1_RightButtonDown(); // an empty list: nothing
    const QString tagged = pick(w, u"Tagged.mp3"_s, kAudio + id3v1Tag({.title = "Tagged"}));
    w.File1_RightButtonDown();
    EXPECT_EQ(TagFile, tagged);
    EXPECT_TRUE(w.IsSel(u"F"_s, w.File1->currentRow()));
    w.lblIsPlaying->setText(tagged.toUpper()); // in use, whatever the case
    prompter.answerNo();
    w.File1_RightButtonDown();
    prompter.answerYes();
    w.File1_RightButtonDown();
    EXPECT_EQ(opened, (QStringList{u"Tagged"_s, u"Tagged (view)"_s}));

    const QString bare = pick(w, u"Bare.mp3"_s, kAudio);
    onOpen = [](frmID& window) {
        window.txtID[0]->setText(u"Added"_s);
        window.cmdSave->click();
    };
    prompter.answerYes();
    prompter.expectMessage();
    w.File1_RightButtonDown();
    EXPECT_EQ(readFile(bare), kAudio + id3v1Tag({.title = "Added"}));
    w.lblIsPlaying->setText(pick(w, u"Busy.mp3"_s, kAudio));
    prompter.answerYes();
    prompter.expectMessage();
    w.File1_RightButtonDown();
    EXPECT_EQ(prompter.texts().mid(1),
              (QStringList{u"File may be in use by player. Can only view ID3. Proceed?"_s,
                           u"No tag found. Do you wish to add one?"_s, u"Saved."_s,
                           u"No tag found. Do you wish to add one?"_s,
                           u"File may be in use by player. Can't add right now."_s}));
    EXPECT_EQ(opened.size(), 3);
}

TEST_F(TagWindow, PlaylistEntryUsesItsFolderOrElseTheFileListsFolder) {
    writeFile(u"elsewhere/Far.mp3"_s, kAudio + id3v1Tag({.title = "Far"}));
    writeFile(u"music/Near.mp3"_s, kAudio + id3v1Tag({.title = "Near"}));
    frmMain w;
    w.File1->setPath(folder);
    appendEntry(*w.lstSelected, {u"Far.mp3"_s, path(u"elsewhere"_s)});
    appendEntry(*w.lstSelected, {u"Near.mp3"_s, {}});
    for (int row : {0, 1}) {
        w.lstSelected->setCurrentRow(row);
        w.lstSelected_RightButtonDown();
        EXPECT_TRUE(w.IsSel(u"S"_s, row));
    }
    EXPECT_EQ(opened, (QStringList{u"Far"_s, u"Near"_s}));
}
