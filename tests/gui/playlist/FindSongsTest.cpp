#include "support/SongsWindowFixture.h"

#include <QAction>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
using FindSongs = SongsWindowFixture;
} // namespace

TEST_F(FindSongs, FindsTheMovedSongsOfThePlaylistAndLeavesItUnsaved) {
    const QString moved = writeFile(u"Disk/Band/Album/Moved.mp3"_s, "");
    writeFile(u"Disk/A/Twice.mp3"_s, "");
    writeFile(u"Disk/B/Twice.mp3"_s, "");
    showSongs({u"Here.mp3"_s});
    const QString list = writeFile(u"Mix.m3u"_s, "unchanged\r\n");
    w->lblName->setText(list);
    w->playlist->append({{u"Moved.mp3"_s, u"/gone/Band/Album"_s},
                         {u"Here.mp3"_s, music},
                         {u"Twice.mp3"_s, u"/gone/C"_s},
                         {u"Lost.mp3"_s, u"/gone"_s}});
    w->markMissingSongs();
    ASSERT_TRUE(w->playlist->isMissing(0));
    // Cancelling the folder dialog changes nothing and says nothing.
    dialogs.answer({});
    w->mnuFindSongs->trigger();
    EXPECT_EQ(playlist()[0], u"Moved.mp3 {/gone/Band/Album}");
    dialogs.answer(path(u"Disk"_s));
    prompter.expectMessage();
    w->mnuFindSongs->trigger();
    ASSERT_EQ(dialogs.folders.size(), 2u);
    EXPECT_EQ(dialogs.folders[1].initialDir, music);
    EXPECT_EQ(playlist(), QStringList({u"Moved.mp3 {"_s + FolderOnly(moved) + u'}',
                                       u"Here.mp3 {"_s + music + u'}', u"Twice.mp3 {/gone/C}"_s,
                                       u"Lost.mp3 {/gone}"_s}));
    EXPECT_FALSE(w->playlist->data(w->playlist->index(0), PlaylistModel::MissingRole).toBool());
    EXPECT_TRUE(w->playlist->isMissing(2));
    EXPECT_TRUE(w->playlist->isMissing(3));
    EXPECT_EQ(prompter.last().text,
              u"Missing songs:\t3\nFound:\t1\nAmbiguous (several files of the name):\t1\n"
              "Not found:\t1\nThe playlist is changed; save it to keep the songs found."_s);
    EXPECT_EQ(prompter.described().last().section(u']', 0, 0), u"[Find missing songs");
    EXPECT_EQ(w->lblName->text(), list);
    EXPECT_EQ(readBytes(list), "unchanged\r\n");
}
