#include "launch/PlayerCommand.h"
#include "platform/Shell.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PlayerCommand, StripNulsAndQuotePlayerCommand) {
    const QChar n(0);
    using Rows = std::initializer_list<std::pair<QString, QString>>;
    for (const auto& [answer, stripped] :
         Rows{{u"plain"_s, u"plain"_s},
              {u"abc"_s + n + n, u"abc"_s},
              {QString(5, n), u""_s},
              {u"ab "_s + n + u"  cd  "_s + n + u" e "_s, u"ab cd  e"_s}, // all after a NUL trimmed
              {u"  lead"_s + n, u"  lead"_s}})
        EXPECT_EQ(StripNuls(answer), stripped);
    for (const auto& [answer, line] :
         Rows{{u"C:\\Players\\play.exe \"D:\\Lists\\mix.m3u\""_s,
               u"\"C:\\Players\\play.exe \" \"D:\\Lists\\mix.m3u\""_s},
              {u"/usr/bin/vlc \"/m/a.m3u"_s, u"\"/usr/bin/vlc \" \"/m/a.m3u\""_s},
              {u"/usr/bin/vlc /m/a.m3u"_s, u""_s},
              {u"\"/usr/bin/vlc"_s, u""_s},
              {u""_s, u""_s}})
        EXPECT_EQ(QuotePlayerCommand(answer), line);
}

// The lookup's answer (a program or a desktop entry, then the playlist) reaches the start as
// exactly those two words, whatever the path holds and however long it is.
TEST(PlayerCommand, LookupAnswerReachesTheStartWhole) {
    for (const QString& program : {u"/usr/bin/player"_s, u"/a b/applications/p.desktop"_s})
        for (const QString& name :
             {u"a\"b"_s, u"x; touch M"_s, u"$(touch M) `touch N`"_s, u"ends in quote\""_s,
              u"\"\" two"_s, u" \tblanks  "_s, u"Ünï & | >"_s, QString(300, u'd')})
            EXPECT_EQ(splitCommandLine(playerCommandLine(lookupAnswerText(program, name))),
                      QStringList({program, name}));
    EXPECT_EQ(lookupAnswerText(u"/opt/odd\"player"_s, u"/m/a.m3u"_s), u"");
}
