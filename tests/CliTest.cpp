#include "support/FileBytes.h"
#include "support/SongBytes.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// velmora-cli as a user runs it: the built program on real files.
namespace {
struct CliRun {
    int status;
    QByteArray out, err;
};

class Cli : public ::testing::Test {
protected:
    CliRun run(const QStringList& args, const QString& program = QStringLiteral(VELMORA_CLI)) {
        QProcess p;
        p.setWorkingDirectory(tmp.path());
        p.start(program, args);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), p.readAllStandardError()};
    }
    QString file(const QString& name, const QByteArray& bytes) {
        return writeBytes(tmp.filePath(name), bytes);
    }
    QTemporaryDir tmp;
};
} // namespace

TEST_F(Cli, ExitStatusesAndUsageErrorsThatWriteNothing) {
    EXPECT_EQ(run({u"--version"_s}).out, "velmora-cli 1.7\n");
    for (const QString& command : {u"header"_s, u"tag"_s, u"playlist"_s})
        EXPECT_EQ(run({command, u"--help"_s}).status, 0);
    const QString song = file(u"song.mp3"_s, mpegFrame());
    for (const QString& bad :
         {u""_s, u"frobnicate"_s, u"playlist show list.txt"_s,
          u"playlist write --paths sometimes a.m3u b.mp3"_s, u"tag song.mp3 --set track=256"_s,
          u"tag song.mp3 --set mood=x"_s, u"tag song.mp3 --set genre=Polka_Metal"_s})
        EXPECT_EQ(run(bad.split(u' ', Qt::SkipEmptyParts)).status, 2) << bad.toStdString();
    EXPECT_EQ(readBytes(song), mpegFrame());
    EXPECT_FALSE(QFile::exists(tmp.filePath(u"a.m3u"_s)));
    EXPECT_EQ(run({u"tag"_s, u"gone.mp3"_s, u"--set"_s, u"title=x"_s}).status, 1);
}

TEST_F(Cli, EachCommandAnswersOneJsonLinePerFile) {
    const QByteArray tag = id3v1Tag({.title = "T\"1", .track = 7, .genre = 17});
    file(u"a.mp3"_s, mpegFrame() + tag);
    file(u"mix.m3u"_s, "/music/Rock/Song.mp3\r\nBare.mp3\r\n");
    EXPECT_EQ(run({u"header"_s, u"--json"_s, u"a.mp3"_s}).out,
              R"({"file":"a.mp3","ok":true,"version":"1","layer":3,"bitrate":128,)"
              R"("frequency":44100,"mode":"Joint-Stereo","riff":false})"
              "\n");
    EXPECT_EQ(run({u"tag"_s, u"--json"_s, u"a.mp3"_s}).out,
              R"({"file":"a.mp3","hasTag":true,"title":"T\"1","artist":"","album":"",)"
              R"("year":"","comment":"","track":7,"genre":17,"genreName":"Rock"})"
              "\n");
    EXPECT_EQ(run({u"playlist"_s, u"show"_s, u"--json"_s, u"mix.m3u"_s}).out,
              R"({"entry":"Song.mp3 {/music/Rock}","name":"Song.mp3","folder":"/music/Rock",)"
              R"("path":"/music/Rock/Song.mp3"})"
              "\n"
              R"({"entry":"Bare.mp3 {}","name":"Bare.mp3","folder":"","path":"Bare.mp3"})"
              "\n");
    // --set writes what the tag window would: the genre byte it does not name stays.
    file(u"b.mp3"_s, mpegFrame() + id3v1Tag({.title = "Old", .genre = 200}));
    EXPECT_EQ(run({u"tag"_s, u"b.mp3"_s, u"--set"_s, u"title=New"_s}).status, 0);
    EXPECT_EQ(readBytes(tmp.filePath(u"b.mp3"_s)),
              mpegFrame() + id3v1Tag({.title = "New", .genre = 200}));
}

TEST_F(Cli, HostileInputFailsItsOwnFileOnlyAndLosesNothing) {
    file(u"good.mp3"_s, mpegFrame());
    QDir(tmp.path()).mkdir(u"folder.mp3"_s);
    // Linux allows any bytes in a name; this one is not UTF-8.
    const CliRun odd = run({u"-c"_s,
                            u"f=$(printf 'bad\\377.mp3'); cp good.mp3 \"$f\"; exec \"$0\" header "
                            "--json \"$f\" folder.mp3 gone.mp3 good.mp3"_s,
                            QStringLiteral(VELMORA_CLI)},
                           u"/bin/sh"_s);
    EXPECT_EQ(odd.status, 1);
    const QList<QByteArray> lines = odd.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(lines[i].contains(R"("ok":false,"error":")")) << lines[i].constData();
    EXPECT_TRUE(lines[3].contains(R"("ok":true)"));

    const QString keep = file(u"keep.m3u"_s, "Old.mp3\r\n");
    const CliRun broken = run({u"playlist"_s, u"write"_s, u"keep.m3u"_s, u"/a/Line\nBreak.mp3"_s});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains("Break.mp3")) << broken.err.constData();
    EXPECT_EQ(readBytes(keep), "Old.mp3\r\n");
}
