#include "app/IniFiler.h"
#include "mainwindow/DirList.h"
#include "mainwindow/FileList.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "mp3/CurrentTag.h"
#include "support/SongsWindowFixture.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QUrl>
#include <memory>

using namespace Qt::StringLiterals;

// Names that Linux allows and people have: each song either comes back from a saved playlist
// as itself (played and tagged as the same file), or the save is refused by name. A playlist
// line never points at a different file.
namespace {
const QStringList kRoundTrip = {u"Ünïcødé Söng — 東京.mp3"_s, u"a {b} c.mp3"_s,
                                u"{starts with a brace.mp3"_s, u"  blanks at both ends  .mp3"_s};

QByteArray taggedSong(const QString& title) {
    return QByteArray(400, '\x55') + "TAG" + title.toLatin1().left(30).leftJustified(30, ' ') +
           QByteArray(92, ' ') + QByteArray("\0\0\xFF", 3);
}

class StrangeNames : public SongsWindowFixture {
protected:
    void SetUp() override {
        SongsWindowFixture::SetUp();
        shared().settings = std::make_unique<IniFiler>(iniPath());
        for (int i = 0; i < kRoundTrip.size(); ++i)
            writeFile(u"Music/"_s + kRoundTrip[i], taggedSong(u"song %1"_s.arg(i)));
        writeFile(u"Music/line\nbreak.mp3"_s, taggedSong(u"newline"_s));
        makeFolder(u"lists"_s);
        w->Dir1->setPath(music);
    }
    // Drops every song of the file list on the playlist, as a drag would.
    void dropAll() {
        w->File1->selectAll();
        w->SavePkF();
        w->lstSelected_DragDrop(w->File1);
    }
    int rowOf(const QString& name) const {
        for (int i = 0; i < w->lstSelected->count(); ++i)
            if (entryAt(*w->lstSelected, i).name == name)
                return i;
        return -1;
    }
    void removeRow(int row) { delete w->lstSelected->takeItem(row); }
};
} // namespace

TEST_F(StrangeNames, SongsComeBackAsThemselvesOrTheSaveIsRefusedByName) {
    ASSERT_EQ(w->File1->count(), kRoundTrip.size() + 1) << "every name is listed";
    dropAll();
    ASSERT_EQ(w->lstSelected->count(), kRoundTrip.size() + 1);

    // The name with a line break cannot stand in a playlist line: refused by name, nothing saved.
    const QString list = path(u"lists/mix.m3u"_s);
    dialogs.answer(list);
    prompter.expectMessage(); // the refusal
    prompter.expectMessage(); // "Not saved."
    w->cmdSave_Click();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_TRUE(prompter.shown()[0].text.contains(music + u"/line\nbreak.mp3"_s));
    EXPECT_EQ(prompter.shown()[0].title, u"Can't save");
    EXPECT_EQ(prompter.shown()[1].text, u"Not saved.");
    EXPECT_FALSE(QFileInfo::exists(list));
    EXPECT_EQ(w->lblName->text(), u"<new>");

    // Without it, the playlist (in another folder: full paths) is written...
    removeRow(rowOf(u"line\nbreak.mp3"_s));
    prompter.clear();
    dialogs.answer(list);
    prompter.expectMessage();
    prompter.answerYes(); // clear selections for a new list
    w->cmdSave_Click();
    ASSERT_EQ(prompter.texts(),
              (QStringList{u"New playlist saved."_s, u"Saved. Clear selections for new list?"_s}));
    EXPECT_EQ(w->lstSelected->count(), 0);

    // ...and opened again, every song is the same file: played and tagged as itself.
    dialogs.answer(list);
    w->cmdOpen_Click();
    ASSERT_EQ(w->lstSelected->count(), kRoundTrip.size());
    for (int i = 0; i < kRoundTrip.size(); ++i) {
        const int row = rowOf(kRoundTrip[i]);
        ASSERT_GE(row, 0) << kRoundTrip[i].toStdString();
        const QString song = fullPath(entryAt(*w->lstSelected, row));
        EXPECT_EQ(song, music + u'/' + kRoundTrip[i]);
        ASSERT_TRUE(FillTag(song));
        EXPECT_EQ(CurrentTag.Title.trimmed(), u"song %1"_s.arg(i));
        w->lstSelected->setCurrentRow(row);
        w->imgPlay1_DragDrop(w->lstSelected);
        ASSERT_FALSE(shell.opens.empty());
        EXPECT_EQ(shell.opens.back().file, song);
    }
}

TEST_F(StrangeNames, BareNamesThatAReaderWouldTrimAreRefused) {
    // Saved beside the songs with "Never use pathnames", a name with blanks at its ends would
    // come back without them: another file.
    QFile ini(iniPath());
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Paths]\r\nUsePaths=0\r\n");
    ini.close();
    appendEntry(*w->lstSelected, {u"  blanks at both ends  .mp3"_s, music});
    const QString list = path(u"Music/here.m3u"_s);
    dialogs.answer(list);
    prompter.expectMessage();
    prompter.expectMessage();
    w->cmdSave_Click();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_TRUE(prompter.shown()[0].text.contains(u"  blanks at both ends  .mp3"_s));
    EXPECT_EQ(prompter.shown()[1].text, u"Not saved.");
    EXPECT_FALSE(QFileInfo::exists(list));
}

TEST_F(StrangeNames, NamesThatAreNotTextAreNeverWrittenAsAnotherFile) {
    // A playlist written elsewhere names a song with a byte that is not UTF-8.
    const QString old = writeFile(u"lists/old.m3u"_s, "/music/bad\xFFname.mp3\r\n");
    dialogs.answer(old);
    w->cmdOpen_Click();
    ASSERT_EQ(w->lstSelected->count(), 1);
    // The same from the desktop's file manager.
    QMimeData dropped;
    dropped.setUrls({QUrl(u"file:///music/also%FFbad.mp3"_s)});
    w->lstSelected_OLEDragDrop(&dropped);
    ASSERT_EQ(w->lstSelected->count(), 2);

    // Saving would write a different name: refused, and the old playlist is left as it was.
    prompter.expectMessage();
    prompter.expectMessage();
    w->cmdSave_Click();
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_TRUE(prompter.shown()[0].text.contains(u"not valid text"_s))
        << prompter.shown()[0].text.toStdString();
    EXPECT_EQ(readFile(old), "/music/bad\xFFname.mp3\r\n");

    // Playing it names the file it could not find rather than starting something else.
    prompter.clear();
    w->lstSelected->setCurrentRow(0);
    prompter.expectMessage();
    w->imgPlay1_DragDrop(w->lstSelected);
    EXPECT_EQ(prompter.last().title, u"Can't play.");
    EXPECT_TRUE(shell.opens.empty());
}
