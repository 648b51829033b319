#include "core/launch/PlayerCommand.h"
#include "core/platform/Shell.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The lookup's answer (a program or a desktop entry, then the playlist) reaches the start as
// exactly those two words, whatever the path holds and however long it is.
TEST(PlayerCommand, LookupAnswerReachesTheStartWhole) {
    for (const QString& program : {u"/usr/bin/player"_s, u"/a b/applications/p.desktop"_s})
        for (const QString& name :
             {u"a\"b"_s, u"x; touch M"_s, u"$(touch M) `touch N`"_s, u"ends in quote\""_s,
              u"\"\" two"_s, u" \tblanks  "_s, u"Ünï & | >"_s, QString(300, u'd')})
            EXPECT_EQ(splitCommandLine(playerCommandLine(lookupAnswerText(program, name))),
                      QStringList({program, name}));
    EXPECT_EQ(splitCommandLine(u" p \t \"a b\"  c "_s), QStringList({u"p"_s, u"a b"_s, u"c"_s}));
    EXPECT_EQ(lookupAnswerText(u"/opt/odd\"player"_s, u"/m/a.m3u"_s), u"");
}
