#include "launch/PlayerCommand.h"
#include "platform/Shell.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using Rows = std::initializer_list<std::pair<QString, QString>>;

TEST(PlayerCommand, StripNulsAndQuotePlayerCommand) {
    const QChar n(0);
    for (const auto& [answer, stripped] : Rows{{u"plain text"_s, u"plain text"_s},
                                               {u"abc"_s + n + n + n, u"abc"_s},
                                               {u"ab "_s + n + u"  cd  "_s + n + u" e "_s,
                                                u"ab cd  e"_s}, // one trim of all that follows
                                               {QString(5, n), u""_s},
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

TEST(PlayerCommand, SplitCommandLine) {
    const std::pair<QString, QStringList> rows[] = {
        {u"explorer.exe"_s, {u"explorer.exe"_s}},
        {u"  a   b\tc  "_s, {u"a"_s, u"b"_s, u"c"_s}},
        {u"\" /opt/My Player/play \" \"my list.m3u\""_s,
         {u"/opt/My Player/play"_s, u"my list.m3u"_s}},
        {u"\"a\"\"b\" \"\""_s, {u"a\"b"_s, u""_s}},
        {u"   "_s, {}},
    };
    for (const auto& [line, words] : rows)
        EXPECT_EQ(splitCommandLine(line), words) << line.toStdString();
}

// What the lookup answers (a program or a desktop entry, and the playlist) reaches the start as
// exactly those two words, whatever the path holds and however long it is.
TEST(PlayerCommand, LookupAnswerReachesTheStartWhole) {
    const QString programs[] = {u"/usr/bin/player"_s,
                                u"/home/a b/.local/share/applications/p.desktop"_s};
    for (const QString& program : programs)
        for (const QString& name :
             {u"a\"b.m3u"_s, u"x; touch M.m3u"_s, u"$(touch M).m3u"_s, u"`touch M`.m3u"_s,
              u"ends in quote\""_s, u"\"\" two"_s, u"  blanks  "_s, u"Ünï & | >"_s,
              QString(300, u'd') + u".m3u"_s}) {
            const QString path = u"/m/"_s + name;
            EXPECT_EQ(splitCommandLine(playerCommandLine(lookupAnswerText(program, path))),
                      QStringList({program, path}));
        }
    EXPECT_EQ(lookupAnswerText(u"/opt/odd\"player"_s, u"/m/a.m3u"_s), u"")
        << "a program the answer cannot name is no answer";
    EXPECT_EQ(playerCommandLine(u""_s), u"");
}
