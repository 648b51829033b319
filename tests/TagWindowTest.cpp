#include "mainwindow/FileList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "mp3/CurrentTag.h"
#include "mp3/frmID.h"
#include "support/FileSizeLimit.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
QByteArray field(const QByteArray& text, int width) {
    return text + QByteArray(width - text.size(), ' ');
}

QByteArray tagBlock(const QByteArray& title, quint8 track, quint8 genre) {
    return "TAG" + field(title, 30) + field("Artist", 30) + field("Album", 30) + "1999" +
           field("Comment", 28) + '\0' + char(track) + char(genre);
}

const QByteArray kAudio(500, '\x5A');

class TagWindow : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        writeFile(u"genres.txt"_s, "000 Blues\r\n017 Rock\r\n008 Jazz\r\n017 Second Rock\r\n");
        folder = makeFolder(u"music"_s);
        frmID::setModalHook([this](frmID& window) {
            ++opened;
            if (onOpen)
                onOpen(window);
        });
        CurrentTag = TagRecord::blank();
        TagFile.clear();
    }
    void TearDown() override {
        frmID::setModalHook({});
        WindowFixture::TearDown();
    }
    QString song(const QString& name, const QByteArray& bytes) {
        return writeFile(u"music/"_s + name, bytes);
    }
    // Shows the music folder in the file list and makes name its current, selected item.
    int pick(frmMain& w, const QString& name) {
        w.File1->setPath(folder);
        const auto found = w.File1->findItems(name, Qt::MatchExactly);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
        if (found.isEmpty())
            return -1;
        w.File1->setCurrentItem(found[0]);
        found[0]->setSelected(true);
        return w.File1->row(found[0]);
    }
    static void expectQuestion(const MessageBoxRequest& box, const char* text, const char* title) {
        EXPECT_EQ(box.text, QString::fromUtf8(text));
        EXPECT_EQ(box.title, QString::fromUtf8(title));
        EXPECT_EQ(box.buttons, MsgButtons::YesNo);
        EXPECT_EQ(box.icon, MsgIcon::Question);
        EXPECT_EQ(box.defaultButton, MsgAnswer::No);
    }
    static void expectMessage(const MessageBoxRequest& box, const QString& text, const char* title,
                              MsgIcon icon) {
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, QString::fromUtf8(title));
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, icon);
    }

    QString folder;
    int opened = 0;
    std::function<void(frmID&)> onOpen;
};
} // namespace

TEST_F(TagWindow, CaptionsLimitsAndTabOrder) {
    frmID window;
    window.show();
    EXPECT_EQ(window.windowTitle(), u"ID3 Tag");
    EXPECT_EQ(window.size(), QSize(281, 224));
    EXPECT_FALSE(window.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const char* captions[] = {
        "Title :", "Artist :", "Album :", "Year :", "Comment :", "Track* :", "Genre :"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(window.Label1[i]->text(), QString::fromUtf8(captions[i]));
    const int limits[] = {30, 30, 30, 4, 28, 2};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(window.txtID[i]->maxLength(), limits[i]) << i;
        EXPECT_LT(window.Label1[i]->geometry().right(), window.txtID[i]->x()) << "label first";
    }
    EXPECT_FALSE(window.cboGenre->isEditable());
    EXPECT_EQ(window.cmdSave->text(), u"Save Changes");
    EXPECT_EQ(window.cmdExit->text(), u"Exit");
    EXPECT_EQ(window.Label2->text(), u"*Note: ID3v1.1 only");
    EXPECT_EQ(window.Label2->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_LT(window.txtID[5]->geometry().right(), window.Label2->x()) << "beside the track";
    // Every caption fits its control. (The style's 80-pixel minimum for buttons says nothing
    // about whether "Exit" can be read.)
    for (const QLabel* label : window.findChildren<QLabel*>())
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
    for (const QPushButton* button : {window.cmdSave, window.cmdExit})
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
            << button->text().toStdString();

    // Tab goes from box to box, then to the genre list and the two buttons.
    const QList<const QWidget*> order = {window.txtID[0], window.txtID[1], window.txtID[2],
                                         window.txtID[3], window.txtID[4], window.txtID[5],
                                         window.cboGenre, window.cmdSave,  window.cmdExit};
    QList<const QWidget*> chain;
    for (const QWidget* w = window.txtID[0]; chain.size() < order.size(); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            chain << w;
    EXPECT_EQ(chain, order);
}

TEST_F(TagWindow, ShowsTheTagAndTheGenreOfItsNumber) {
    const auto shown = [](const QByteArray& block) {
        CurrentTag = TagRecord::fromBytes(block);
        frmID window;
        window.Form_Load();
        QStringList texts;
        for (QLineEdit* box : window.txtID)
            texts << box->text();
        return std::pair{texts, window.cboGenre->currentText()};
    };
    auto [texts, genre] = shown(tagBlock("  Song  ", 7, 17));
    EXPECT_EQ(texts, (QStringList{u"Song"_s, u"Artist"_s, u"Album"_s, u"1999"_s, u"Comment"_s,
                                  u"7"_s}));
    EXPECT_EQ(genre, u"Rock") << "the first entry with the number wins";
    EXPECT_EQ(shown(tagBlock("Song", 0, 8)).second, u"Jazz");
    EXPECT_EQ(shown(tagBlock("Song", 0, 99)).second, u"") << "a number not in the list";
    EXPECT_EQ(shown(tagBlock("Song", 0, 255)).second, u"");
    EXPECT_EQ(shown(tagBlock("Song", 0, 0)).second, u"Blues");
    EXPECT_EQ(shown(tagBlock("Song", 0, 0)).first[5], u"") << "track 0 is none";

    frmID window;
    window.Form_Load();
    EXPECT_EQ(window.cboGenre->count(), 4);
    EXPECT_EQ(window.GetGenre(17), 1);
    EXPECT_EQ(window.GetGenre(8), 2);
    EXPECT_EQ(window.GetGenre(5), -1);
}

TEST_F(TagWindow, MissingGenreListIsSaidAndTheWindowStillOpens) {
    if (QFileInfo::exists(QStringLiteral(VELMORA_DATADIR "/genres.txt")))
        GTEST_SKIP() << "an installed genres.txt stands in for the missing one";
    QFile::remove(path(u"genres.txt"_s));
    CurrentTag = TagRecord::fromBytes(tagBlock("Song", 1, 17));
    prompter.expectMessage();
    frmID window;
    window.Form_Load();
    ASSERT_EQ(prompter.shown().size(), 1u);
    expectMessage(prompter.last(), u"File 'genres.txt' is missing."_s, "Problem",
                  MsgIcon::Exclamation);
    EXPECT_EQ(window.cboGenre->count(), 0);
    EXPECT_EQ(window.txtID[0]->text(), u"Song") << "the tag is shown all the same";

    // Saving then writes no genre.
    TagFile = song(u"a.mp3"_s, kAudio + tagBlock("Song", 1, 17));
    prompter.expectMessage();
    window.cmdSave_Click();
    EXPECT_EQ(readFile(TagFile).right(1), QByteArray(1, char(255)));
}

TEST_F(TagWindow, SaveWritesTheBoxesAndEveryFailureIsSaid) {
    TagFile = song(u"a.mp3"_s, kAudio + tagBlock("Old", 3, 0));
    ASSERT_TRUE(FillTag(TagFile));
    frmID window;
    window.Form_Load();
    window.txtID[0]->setText(u"Café Müller and a title too long"_s);
    window.txtID[3]->setText(u"2001"_s);
    window.txtID[5]->setText(u"12"_s);
    window.cboGenre->setCurrentIndex(2);
    window.show();

    prompter.expectMessage();
    window.cmdSave_Click();
    expectMessage(prompter.last(), u"Saved."_s, "Notice", MsgIcon::Information);
    EXPECT_FALSE(window.isVisible()) << "a successful save closes the window";
    const QByteArray onDisk = readFile(TagFile);
    ASSERT_EQ(onDisk.size(), 628);
    EXPECT_EQ(onDisk.left(500), kAudio);
    EXPECT_EQ(onDisk.mid(500), "TAG" + QByteArray("Caf\xE9 M\xFCller and a title too lo") +
                                   field("Artist", 30) + field("Album", 30) + "2001" +
                                   field("Comment", 28) + '\0' + char(12) + char(8));

    // Every failure keeps the window open and the song as it was.
    window.show();
    window.txtID[5]->setText(u"-3"_s);
    prompter.expectMessage();
    window.cmdSave_Click();
    expectMessage(prompter.last(), u"The track number must lie between 0 and 255."_s, "Can't save",
                  MsgIcon::Exclamation);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(readFile(TagFile), onDisk);

    window.txtID[5]->clear();
    QFile::remove(TagFile);
    prompter.expectMessage();
    window.cmdSave_Click();
    expectMessage(prompter.last(), u"Can't find "_s + TagFile + u"."_s, "Can't save",
                  MsgIcon::Exclamation);
    EXPECT_FALSE(QFile::exists(TagFile));

    for (const qint64 length : {qint64(0), qint64(50'000'001)}) {
        QFile big(TagFile);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(length));
        big.close();
        prompter.expectMessage();
        window.cmdSave_Click();
        expectMessage(prompter.last(), u"Error getting file length."_s, "Can't save",
                      MsgIcon::Information);
        EXPECT_EQ(QFileInfo(TagFile).size(), length);
        EXPECT_TRUE(window.isVisible());
    }
    QFile::remove(TagFile);

    window.cmdExit_Click();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(TagWindow, FailedSaveIsSaidAndTheSongKeepsItsLength) {
    TagFile = song(u"full.mp3"_s, kAudio);
    CurrentTag = TagRecord::blank();
    frmID window;
    window.Form_Load();
    window.txtID[0]->setText(u"New"_s);
    prompter.expectMessage();
    // The disk fills up after 40 more bytes.
    const int status = runWithFileSizeLimit(540, [&] {
        window.cmdSave_Click();
        if (prompter.shown().size() != 1)
            return 1;
        const MessageBoxRequest& box = prompter.last();
        const QString text = box.text;
        if (!text.startsWith(u"An error- "_s) ||
            !text.endsWith(u", occurred while saving changes."_s) || text.size() <= 42)
            return 2;
        if (box.title != u"Unsuccessful" || box.icon != MsgIcon::Exclamation)
            return 3;
        if (CurrentTag.isTag() || CurrentTag.Title != TagRecord::fitText(u"New"_s, 30))
            return 4; // the taken values are kept, and the next save still appends
        return 0;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(TagFile), kAudio);
    prompter.clear();
}

TEST_F(TagWindow, RightClickOnAnEmptyListOrWithoutCurrentItemDoesNothing) {
    frmMain w;
    w.File1_RightButtonDown();
    w.lstSelected_RightButtonDown();
    song(u"a.mp3"_s, kAudio);
    w.File1->setPath(folder);
    w.File1->setCurrentRow(-1);
    w.File1_RightButtonDown();
    appendEntry(*w.lstSelected, {u"a.mp3"_s, folder});
    w.lstSelected->setCurrentRow(-1);
    w.lstSelected_RightButtonDown();
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(TagWindow, RightClickOnATaggedSongOpensItAndRecordsTheSelection) {
    const QString path = song(u"Tagged.mp3"_s, kAudio + tagBlock("Tagged", 4, 17));
    frmMain w;
    const int row = pick(w, u"Tagged.mp3"_s);
    onOpen = [&](frmID& window) {
        EXPECT_TRUE(window.cmdSave->isEnabled());
        EXPECT_EQ(window.txtID[0]->text(), u"Tagged");
        EXPECT_EQ(window.txtID[5]->text(), u"4");
        EXPECT_EQ(window.cboGenre->currentText(), u"Rock");
        window.txtID[0]->setText(u"Renamed"_s);
        window.cmdSave->click();
    };
    prompter.expectMessage();
    w.File1_RightButtonDown();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(TagFile, path);
    EXPECT_EQ(prompter.texts(), QStringList{u"Saved."_s});
    EXPECT_EQ(readFile(path).mid(500, 10), "TAGRenamed");
    EXPECT_EQ(readFile(path).size(), 628);
    EXPECT_TRUE(w.IsSel(u"F"_s, row));
}

TEST_F(TagWindow, SongInUseIsOnlyShownAfterAsking) {
    const QString path = song(u"Playing.mp3"_s, kAudio + tagBlock("Playing", 1, 0));
    song(u"Other.mp3"_s, kAudio + tagBlock("Other", 2, 0));
    frmMain w;
    w.lblIsPlaying->setText(path);
    const int row = pick(w, u"Playing.mp3"_s);

    prompter.answerNo();
    w.File1_RightButtonDown();
    ASSERT_EQ(prompter.shown().size(), 1u);
    expectQuestion(prompter.last(), "File may be in use by player. Can only view ID3. Proceed?",
                   "Can't save ID3 changes right now.");
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(w.IsSel(u"F"_s, row)) << "No to the in-use question records nothing";

    QList<bool> saveEnabled;
    QStringList titles;
    onOpen = [&](frmID& window) {
        saveEnabled << window.cmdSave->isEnabled();
        titles << window.txtID[0]->text();
        window.cmdExit->click();
    };
    prompter.answerYes();
    w.File1_RightButtonDown();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(w.IsSel(u"F"_s, row));

    pick(w, u"Other.mp3"_s);
    w.File1_RightButtonDown();
    EXPECT_EQ(titles, (QStringList{u"Playing"_s, u"Other"_s}));
    EXPECT_EQ(saveEnabled, (QList<bool>{false, true}))
        << "read-only viewing, then a fresh window for the next song";

    w.lblIsPlaying->setText(path.toUpper()); // on Linux another song, which the player never had
    pick(w, u"Playing.mp3"_s);
    w.File1_RightButtonDown();
    EXPECT_EQ(saveEnabled, (QList<bool>{false, true, true}));
    EXPECT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(readFile(path), kAudio + tagBlock("Playing", 1, 0));
}

TEST_F(TagWindow, SongWithoutTagOffersToAddOne) {
    const QString path = song(u"Bare.mp3"_s, kAudio);
    frmMain w;
    const int row = pick(w, u"Bare.mp3"_s);

    prompter.answerNo();
    w.File1_RightButtonDown();
    ASSERT_EQ(prompter.shown().size(), 1u);
    expectQuestion(prompter.last(), "No tag found. Do you wish to add one?", "No tag.");
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(w.IsSel(u"F"_s, row)) << "No to adding still records the selection";

    onOpen = [&](frmID& window) {
        for (QLineEdit* box : window.txtID)
            EXPECT_EQ(box->text(), u"");
        EXPECT_EQ(window.cboGenre->currentIndex(), -1);
        EXPECT_TRUE(window.cmdSave->isEnabled());
        window.txtID[0]->setText(u"Added"_s);
        window.cmdSave->click();
    };
    prompter.answerYes();
    prompter.expectMessage();
    w.File1_RightButtonDown();
    EXPECT_EQ(opened, 1);
    const QByteArray onDisk = readFile(path);
    ASSERT_EQ(onDisk.size(), 628);
    EXPECT_EQ(onDisk.left(500), kAudio);
    EXPECT_EQ(onDisk.mid(500),
              "TAG" + field("Added", 30) + QByteArray(92, ' ') + '\0' + '\0' + char(255));

    // In use: nothing can be added.
    const QString other = song(u"Busy.mp3"_s, kAudio);
    frmMain w2;
    w2.lblIsPlaying->setText(other);
    const int busyRow = pick(w2, u"Busy.mp3"_s);
    prompter.answerYes();
    prompter.expectMessage();
    w2.File1_RightButtonDown();
    ASSERT_EQ(prompter.shown().size(), 5u);
    expectMessage(prompter.last(), u"File may be in use by player. Can't add right now."_s,
                  "Sorry - file in use.", MsgIcon::Information);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(w2.IsSel(u"F"_s, busyRow));
    EXPECT_EQ(readFile(other), kAudio);
}

TEST_F(TagWindow, PlaylistEntryUsesItsFolderOrElseTheFileListsFolder) {
    const QString elsewhere = makeFolder(u"elsewhere"_s);
    writeFile(u"elsewhere/Far.mp3"_s, kAudio + tagBlock("Far", 1, 0));
    song(u"Near.mp3"_s, kAudio + tagBlock("Near", 1, 0));
    frmMain w;
    w.File1->setPath(folder);
    appendEntry(*w.lstSelected, {u"Far.mp3"_s, elsewhere});
    appendEntry(*w.lstSelected, {u"Near.mp3"_s, {}});
    QStringList titles;
    onOpen = [&](frmID& window) {
        titles << window.txtID[0]->text();
        window.cmdExit->click();
    };

    w.lstSelected->setCurrentRow(0);
    w.lstSelected_RightButtonDown();
    EXPECT_EQ(TagFile, elsewhere + u"/Far.mp3"_s);
    EXPECT_TRUE(w.IsSel(u"S"_s, 0));
    w.lstSelected->setCurrentRow(1);
    w.lstSelected_RightButtonDown();
    EXPECT_EQ(TagFile, folder + u"/Near.mp3"_s);
    EXPECT_EQ(titles, (QStringList{u"Far"_s, u"Near"_s}));
    EXPECT_FALSE(w.IsSel(u"S"_s, 0)) << "the memory was recorded again";
    EXPECT_TRUE(w.IsSel(u"S"_s, 1));

    // In use, compared without regard to case.
    w.lblIsPlaying->setText((elsewhere + u"/FAR.MP3"_s));
    w.lstSelected->setCurrentRow(0);
    prompter.answerNo();
    w.lstSelected_RightButtonDown();
    expectQuestion(prompter.last(), "File may be in use by player. Can only view ID3. Proceed?",
                   "Can't save ID3 changes right now.");
    EXPECT_EQ(titles.size(), 2);
}
