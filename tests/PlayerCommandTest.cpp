#include "launch/PlayerCommand.h"
#include "platform/DesktopShell.h"
#include "platform/Shell.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
const QChar nul(0);

// Names that a shell would read as commands: none of them may run anything.
QStringList hostileNames() {
    return {u"a\"b.m3u"_s,          u"x; touch MARK1.m3u"_s,   u"$(touch MARK2).m3u"_s,
            u"`touch MARK3`.m3u"_s, u"new\ntouch MARK4.m3u"_s, u"ends in quote\""_s,
            u"\"\" two quotes"_s,   u"  blanks around  "_s,    u"it's & | > MARK5"_s};
}

QStringList markers(const QString& folder) {
    return QDir(folder).entryList({u"MARK*"_s}, QDir::Files);
}
} // namespace

TEST(StripNuls, RemovesEveryNulAndTrimsWhatFollowsOne) {
    EXPECT_EQ(StripNuls(u"plain text"_s), u"plain text");
    EXPECT_EQ(StripNuls(u"abc"_s + nul + nul + nul), u"abc");
    // All that follows a NUL is trimmed as one text, up to the end.
    EXPECT_EQ(StripNuls(u"ab "_s + nul + u"  cd  "_s + nul + u" ef "_s), u"ab cd  ef");
    EXPECT_EQ(StripNuls(QString(5, nul)), u"");
    EXPECT_EQ(StripNuls(u"  lead"_s + nul), u"  lead") << "only text after a NUL is trimmed";
}

TEST(QuotePlayerCommand, QuotesProgramPartAndArgumentPart) {
    // The answer: program path, one blank, the playlist in double quotes.
    EXPECT_EQ(QuotePlayerCommand(u"C:\\Players\\play.exe \"D:\\Lists\\mix.m3u\""_s),
              u"\"C:\\Players\\play.exe \" \"D:\\Lists\\mix.m3u\"");
    // No closing quote: the argument is taken as it is.
    EXPECT_EQ(QuotePlayerCommand(u"/usr/bin/vlc \"/m/a.m3u"_s), u"\"/usr/bin/vlc \" \"/m/a.m3u\"");
    // Answers without a double quote from the second character on give no command line.
    EXPECT_EQ(QuotePlayerCommand(u"/usr/bin/vlc /m/a.m3u"_s), u"");
    EXPECT_EQ(QuotePlayerCommand(u"\"/usr/bin/vlc"_s), u"");
    EXPECT_EQ(QuotePlayerCommand(u""_s), u"");
}

TEST(PlayerCommandLine, BufferOfTheLookupGivesTheCommandLine) {
    EXPECT_EQ(playerCommandLine(u"/usr/bin/vlc \"/m/a.m3u\""_s),
              u"\"/usr/bin/vlc \" \"/m/a.m3u\"");
    EXPECT_EQ(playerCommandLine(u""_s), u"");
    // A path longer than the buffer still reaches the player whole.
    const QString deep = u"/m/"_s + QString(300, u'd') + u"/list.m3u"_s;
    EXPECT_EQ(splitCommandLine(playerCommandLine(lookupAnswerText(u"/usr/bin/vlc"_s, deep))),
              QStringList({u"/usr/bin/vlc"_s, deep}));
}

TEST(SplitCommandLine, QuotesGroupBlanksSeparateProgramIsTrimmed) {
    EXPECT_EQ(splitCommandLine(u"explorer.exe"_s), QStringList{u"explorer.exe"_s});
    EXPECT_EQ(splitCommandLine(u"  a   b\tc  "_s), QStringList({u"a"_s, u"b"_s, u"c"_s}));
    EXPECT_EQ(splitCommandLine(u"\" /opt/My Player/play \" \"my list.m3u\""_s),
              QStringList({u"/opt/My Player/play"_s, u"my list.m3u"_s}));
    EXPECT_EQ(splitCommandLine(u"\"a\"\"b\" \"\""_s), QStringList({u"a\"b"_s, u""_s}));
    EXPECT_TRUE(splitCommandLine(u"   "_s).isEmpty());
    EXPECT_TRUE(splitCommandLine(u""_s).isEmpty());
}

TEST(SplitCommandLine, HostilePathsComeBackAsOneArgument) {
    for (const QString& name : hostileNames()) {
        const QString path = u"/music/"_s + name;
        const QString line = playerCommandLine(lookupAnswerText(u"/usr/bin/player"_s, path));
        EXPECT_EQ(splitCommandLine(line), QStringList({u"/usr/bin/player"_s, path}))
            << line.toStdString();
    }
    EXPECT_EQ(lookupAnswerText(u"/opt/odd\"player"_s, u"/m/a.m3u"_s), u"")
        << "a program the answer cannot name is no answer";
}

TEST(DesktopShell, StartRefusesEmptyLinesAndMissingPrograms) {
    DesktopShell shell;
    EXPECT_FALSE(shell.startCommandLine(u""_s));
    EXPECT_FALSE(shell.startCommandLine(u"\"\" \"x\""_s));
    EXPECT_FALSE(shell.startCommandLine(u"\"/no/such/player\" \"/m/a.m3u\""_s));
}

// The player really started: /bin/echo and printf write what they were given into a file that
// stands in for this process's standard output, which the started program inherits.
TEST(DesktopShell, StartsOnlyTheProgramWithTheHostilePathAsItsArgument) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path()); // where a shell would have made its MARK files
    const QString outPath = dir.filePath(u"out.txt"_s);

    QByteArray expected;
    std::fflush(stdout);
    const int savedStdout = ::dup(STDOUT_FILENO);
    const int out =
        ::open(QFile::encodeName(outPath).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    ASSERT_GE(out, 0);
    ::dup2(out, STDOUT_FILENO);
    DesktopShell shell;
    QStringList notStarted; // reported once the test's own output is back
    const auto startAndWait = [&](const QString& line, const QByteArray& output) {
        if (!shell.startCommandLine(line))
            notStarted << line;
        expected += output;
        // One program at a time, so that the file keeps their order.
        QDeadlineTimer deadline(10000);
        while (QFile(outPath).size() < expected.size() && !deadline.hasExpired())
            QThread::msleep(10);
    };
    for (const QString& name : hostileNames()) {
        const QString path = dir.filePath(name);
        const QByteArray bytes = QFile::encodeName(path);
        startAndWait(playerCommandLine(lookupAnswerText(u"/bin/echo"_s, path)), bytes + '\n');
        // printf repeats its format once per argument: one pair of brackets, one argument.
        startAndWait(u"/usr/bin/printf \"[%s]\\n\" "_s + quoteArgument(path), '[' + bytes + "]\n");
    }
    ::dup2(savedStdout, STDOUT_FILENO);
    ::close(savedStdout);
    ::close(out);
    EXPECT_TRUE(notStarted.isEmpty()) << notStarted.join(u'|').toStdString();

    QFile result(outPath);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll(), expected);
    QThread::msleep(200); // anything a shell might have started in the background
    EXPECT_TRUE(markers(dir.path()).isEmpty()) << markers(dir.path()).join(u' ').toStdString();
    QDir::setCurrent(previous);
}
