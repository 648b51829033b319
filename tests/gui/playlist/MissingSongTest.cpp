#include "gui/mainwindow/FileList.h"
#include "support/SongsWindowFixture.h"

#include <QDeadlineTimer>

using namespace Qt::StringLiterals;

namespace {
class MissingSong : public SongsWindowFixture {
protected:
    // The rows marked missing, once they are wanted or after a second (no window activation on
    // the way: the marks can only come from watching the disk).
    QList<int> missingWithinASecond(const QList<int>& wanted) {
        QList<int> marked;
        for (QDeadlineTimer second(1000); !second.hasExpired();) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            marked.clear();
            for (int row = 0; row < w->playlist->count(); ++row)
                if (w->playlist->isMissing(row))
                    marked << row;
            if (marked == wanted)
                break;
        }
        return marked;
    }
};
} // namespace

TEST_F(MissingSong, TheGreyMarkFollowsSongsDeletedMovedOrPutBackWithinASecond) {
    showSongs({u"Bare.mp3"_s});
    const QString elsewhere = writeFile(u"Elsewhere/A.mp3"_s, "");
    const QString moved = writeFile(u"Old/B.mp3"_s, "");
    w->playlist->append(
        {{u"A.mp3"_s, path(u"Elsewhere"_s)}, {u"Bare.mp3"_s, music}, {u"B.mp3"_s, path(u"Old"_s)}});
    w->markMissingSongs();
    ASSERT_EQ(missingWithinASecond({}), QList<int>());
    QFile::remove(elsewhere);
    QFile::remove(music + u"/Bare.mp3"_s); // a folder watched by the file list too
    ASSERT_TRUE(QDir().rename(path(u"Old"_s), path(u"Moved"_s)));
    EXPECT_EQ(missingWithinASecond({0, 1, 2}), (QList<int>{0, 1, 2}));
    writeBytes(elsewhere, "");
    ASSERT_TRUE(QDir().rename(path(u"Moved"_s), path(u"Old"_s))); // a folder that came back
    EXPECT_EQ(missingWithinASecond({1}), QList<int>{1});
}

TEST_F(MissingSong, ARightClickOnAMissingSongSaysWhatItsTipSays) {
    w->playlist->append({{u"Gone.mp3"_s, music}});
    w->lstSelected->setCurrentRow(0);
    prompter.expectMessage();
    w->lstSelected_RightButtonDown(); // not yet marked: the click looks for itself
    const QString tip = w->playlist->data(w->playlist->index(0), Qt::ToolTipRole).toString();
    EXPECT_EQ(prompter.described(), QStringList{u"[Sorry] "_s + tip + u" (OK, information)"_s});
}
