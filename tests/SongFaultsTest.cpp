#include "mp3/CurrentTag.h"
#include "mp3/frmID.h"
#include "support/OrdinaryUser.h"
#include "support/WindowFixture.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>

using namespace Qt::StringLiterals;

// What happens to a song when saving its tag meets a song that changed under the program.
namespace {
const QByteArray kAudio = QByteArray("\xFF\xFB\x90\x64", 4) + QByteArray(1200, '\x33');

QByteArray tagBlock(const QByteArray& title) {
    return "TAG" + title.leftJustified(30, ' ') + QByteArray(30, ' ') + QByteArray(30, ' ') +
           "1999" + QByteArray(28, ' ') + QByteArray("\0\0\xFF", 3);
}

QByteArray sha(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

class SongFaults : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        writeFile(u"genres.txt"_s, "017 Rock\r\n");
        CurrentTag = TagRecord::blank();
        TagFile.clear();
    }
};
} // namespace

TEST_F(SongFaults, AReadOnlySongIsLeftAsItWasAndTheReasonIsShown) {
    const QString song = writeFile(u"music/locked.mp3"_s, kAudio + tagBlock("Old"));
    QFile::setPermissions(song,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QFile::setPermissions(path(u"music"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                QFileDevice::ExeOther);
    QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther);
    const QByteArray before = readFile(song);
    const int status = runAsOrdinaryUser([&] {
        TagFile = song;
        if (!FillTag(TagFile))
            return 1;
        frmID window;
        window.Form_Load();
        window.txtID[0]->setText(u"New title"_s);
        prompter.expectMessage();
        window.cmdSave_Click();
        if (prompter.shown().size() != 1)
            return 2;
        const MessageBoxRequest& box = prompter.last();
        if (box.text != u"An error- Permission denied, occurred while saving changes." ||
            box.title != u"Unsuccessful" || box.icon != MsgIcon::Exclamation)
            return 3;
        return 0;
    });
    if (status == -1)
        GTEST_SKIP() << "could not run as an ordinary user";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(sha(readFile(song)), sha(before));
    prompter.clear();
}

TEST_F(SongFaults, ASongChangedByAnotherProgramIsNeverOverwritten) {
    // Read with a tag; then another program replaces the tag by more audio.
    const QString song = writeFile(u"music/changing.mp3"_s, kAudio + tagBlock("Old"));
    TagFile = song;
    ASSERT_TRUE(FillTag(TagFile));
    frmID window;
    window.Form_Load();
    const QByteArray newAudio = kAudio + QByteArray(128, '\x44');
    writeFile(u"music/changing.mp3"_s, newAudio);
    window.txtID[0]->setText(u"Mine"_s);
    prompter.expectMessage();
    window.cmdSave_Click();
    EXPECT_EQ(prompter.last().text, u"Saved.");
    const QByteArray after = readFile(song);
    ASSERT_EQ(after.size(), newAudio.size() + 128) << "appended, not written over the audio";
    EXPECT_EQ(sha(after.left(newAudio.size())), sha(newAudio));
    EXPECT_EQ(after.mid(newAudio.size(), 7), "TAGMine");
}

TEST_F(SongFaults, ASongDeletedBeforeSavingIsNotMadeAgain) {
    const QString song = writeFile(u"music/gone.mp3"_s, kAudio);
    TagFile = song;
    EXPECT_FALSE(FillTag(TagFile));
    CurrentTag = TagRecord::blank();
    frmID window;
    window.Form_Load();
    QFile::remove(song);
    prompter.expectMessage();
    window.cmdSave_Click();
    EXPECT_EQ(prompter.last().text, u"Can't find "_s + song + u"."_s);
    EXPECT_FALSE(QFile::exists(song));
}
