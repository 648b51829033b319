#include "mp3/CurrentTag.h"
#include "mp3/frmID.h"
#include "support/OrdinaryUser.h"
#include "support/SongBytes.h"
#include "support/TagWindowFixture.h"

#include <QFile>
#include <QLineEdit>

using namespace Qt::StringLiterals;

// Saving a tag when the song is locked or changed under the program: the song is never harmed.
namespace {
const QByteArray kSong = mpegFrame() + id3v1Tag({.title = "Old"});

class SongFaults : public TagWindowFixture {
protected:
    // Reads the song's tag into a tag window, lets change happen, saves a new title.
    QString save(const QString& song, const std::function<void()>& change = {}) {
        TagFile = song;
        FillTag(TagFile);
        frmID window;
        window.Form_Load();
        if (change)
            change();
        window.txtID[0]->setText(u"Mine"_s);
        window.cmdSave_Click();
        return describe(prompter.last());
    }
};
} // namespace

TEST_F(SongFaults, AReadOnlySongIsLeftAsItWasAndTheReasonIsShown) {
    const QString song = writeFile(u"locked.mp3"_s, kSong);
    QFile::setPermissions(song, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther);
    const int status = runAsOrdinaryUser([&] {
        prompter.expectMessage();
        return save(song) == u"[Unsuccessful] An error- Permission denied, occurred while saving "
                             u"changes. (OK, exclamation)"
                   ? 0
                   : 1;
    });
    if (status == -1)
        GTEST_SKIP() << "could not run as an ordinary user";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(readFile(song), kSong);
}

TEST_F(SongFaults, ASongChangedOrDeletedByAnotherProgramIsNeverOverwrittenOrMadeAgain) {
    const QString song = writeFile(u"changing.mp3"_s, kSong);
    const QByteArray moreAudio = kSong + mpegFrame(); // its tag is now audio
    prompter.expectMessage();
    prompter.expectMessage();
    EXPECT_EQ(save(song, [&] { writeFile(u"changing.mp3"_s, moreAudio); }),
              u"[Notice] Saved. (OK, information)");
    EXPECT_EQ(readFile(song), moreAudio + id3v1Tag({.title = "Mine"}));
    EXPECT_EQ(save(song, [&] { QFile::remove(song); }),
              u"[Can't save] Can't find "_s + song + u". (OK, exclamation)"_s);
    EXPECT_FALSE(QFile::exists(song));
}
