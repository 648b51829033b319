#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// Two MPEG-1 Layer III frames, 128 kbit/s, 44,100 Hz, joint stereo (417 bytes each).
QByteArray audio() {
    QByteArray frame("\xFF\xFB\x90\x64", 4);
    frame.append(413, '\x11');
    return frame + frame;
}

QByteArray tag(const QByteArray& title, quint8 track, quint8 genre) {
    QByteArray t = "TAG" + title.leftJustified(30, ' ') +
                   QByteArray("Artist").leftJustified(30, ' ') + QByteArray(30, '\0') + "1999" +
                   QByteArray("Comment").leftJustified(28, ' ');
    t.append('\0');
    t.append(static_cast<char>(track));
    t.append(static_cast<char>(genre));
    return t;
}

struct CliRun {
    int status = -1;
    QByteArray out, err;
    QList<QJsonObject> json() const {
        QList<QJsonObject> objects;
        for (const QByteArray& line : out.split('\n'))
            if (!line.isEmpty())
                objects << QJsonDocument::fromJson(line).object();
        return objects;
    }
};

class Cli : public ::testing::Test {
protected:
    CliRun run(const QStringList& args, const QByteArray& input = {}) {
        QProcess p;
        p.setWorkingDirectory(tmp.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELMORA_CLI), args);
        EXPECT_TRUE(p.waitForStarted());
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                p.readAllStandardOutput(), p.readAllStandardError()};
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString full = tmp.filePath(name);
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return full;
    }
    QByteArray read(const QString& name) {
        QFile f(tmp.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir tmp;
};
} // namespace

TEST_F(Cli, VersionHelpAndUsageErrors) {
    const CliRun version = run({u"--version"_s});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "velmora-cli 1.7\n");
    for (const char* command : {"header", "tag", "playlist"}) {
        const CliRun help = run({QString::fromLatin1(command), u"--help"_s});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.contains("Usage")) << command;
    }
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({u"frobnicate"_s}).status, 2);
    EXPECT_EQ(run({u"playlist"_s, u"show"_s, u"list.txt"_s}).status, 2) << "unknown extension";
    EXPECT_EQ(run({u"playlist"_s, u"write"_s, u"--paths"_s, u"sometimes"_s, u"a.m3u"_s, u"b.mp3"_s})
                  .status,
              2);
    EXPECT_FALSE(QFile::exists(tmp.filePath(u"a.m3u"_s))) << "a usage error writes nothing";
}

TEST_F(Cli, PlaylistShowInBothFormsAndBothFormats) {
    write(u"mix.m3u"_s, "#EXTM3U\r\n#EXTINF:1,x\r\n/music/Rock/Song.mp3\nBare.mp3\n");
    const CliRun text = run({u"playlist"_s, u"show"_s, u"mix.m3u"_s});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "Song.mp3 {/music/Rock}\nBare.mp3 {}\n");
    const CliRun json = run({u"playlist"_s, u"show"_s, u"--json"_s, u"mix.m3u"_s});
    ASSERT_EQ(json.json().size(), 2);
    EXPECT_EQ(json.json()[0], (QJsonObject{{u"entry"_s, u"Song.mp3 {/music/Rock}"_s},
                                           {u"name"_s, u"Song.mp3"_s},
                                           {u"folder"_s, u"/music/Rock"_s},
                                           {u"path"_s, u"/music/Rock/Song.mp3"_s}}));
    EXPECT_EQ(json.json()[1][u"path"_s].toString(), u"Bare.mp3");

    write(u"list.PLS"_s, "[playlist]\r\nFile2=/b/Two.mp3\r\nTitle2=t\r\nfile1 = /a/One.mp3\r\n"
                         "NumberOfEntries=2\r\n");
    EXPECT_EQ(run({u"playlist"_s, u"show"_s, u"list.PLS"_s}).out, "Two.mp3 {/b}\nOne.mp3 {/a}\n");
    write(u"odd.txt"_s, "[playlist]\nfile1=/a/One.mp3\n");
    EXPECT_EQ(run({u"playlist"_s, u"show"_s, u"--format"_s, u"pls"_s, u"odd.txt"_s}).out,
              "One.mp3 {/a}\n");
}

TEST_F(Cli, PlaylistWriteAndConvert) {
    const QString folder = tmp.path();
    const QByteArray f = folder.toLocal8Bit();
    const CliRun w =
        run({u"playlist"_s, u"write"_s, u"list.m3u"_s, u"Here.mp3"_s, u"sub/There.mp3"_s, u"-"_s},
            "/elsewhere/From Stdin.mp3\n");
    EXPECT_EQ(w.status, 0) << w.err.constData();
    EXPECT_EQ(read(u"list.m3u"_s),
              "Here.mp3\r\n" + f + "/sub/There.mp3\r\n/elsewhere/From Stdin.mp3\r\n");

    EXPECT_EQ(run({u"playlist"_s, u"write"_s, u"--paths"_s, u"never"_s, u"--format"_s, u"pls"_s,
                   u"list.txt"_s, u"/x/A.mp3"_s})
                  .status,
              0);
    EXPECT_EQ(read(u"list.txt"_s), "[playlist]\r\nfile1=A.mp3\r\nNumberOfEntries=1\r\n");

    // A bare name in the source playlist still names the song beside it after conversion.
    write(u"in/old.m3u"_s, "Beside.mp3\r\n/abs/Far.mp3\r\n");
    const CliRun c = run(
        {u"playlist"_s, u"convert"_s, u"--paths"_s, u"always"_s, u"in/old.m3u"_s, u"new.pls"_s});
    EXPECT_EQ(c.status, 0) << c.err.constData();
    EXPECT_EQ(read(u"new.pls"_s), "[playlist]\r\nfile1=" + f +
                                      "/in/Beside.mp3\r\nfile2=/abs/Far.mp3\r\n"
                                      "NumberOfEntries=2\r\n");

    // --extended: the title from the tag, else the file name; a stream stays as it is.
    write(u"Tagged.mp3"_s, audio() + tag("Title", 1, 2));
    const QString radio = u"http://r.example/s?q=1"_s;
    EXPECT_EQ(run({u"playlist"_s, u"write"_s, u"--extended"_s, u"ext.m3u"_s, u"Tagged.mp3"_s,
                   u"B.mp3"_s, radio})
                  .status,
              0);
    EXPECT_EQ(read(u"ext.m3u"_s), "#EXTM3U\r\n#EXTINF:-1,Artist - Title\r\nTagged.mp3\r\n"
                                  "#EXTINF:-1,B.mp3\r\nB.mp3\r\n#EXTINF:-1," +
                                      radio.toUtf8() + "\r\n" + radio.toUtf8() + "\r\n");
    EXPECT_EQ(
        run({u"playlist"_s, u"convert"_s, u"--extended"_s, u"ext.m3u"_s, u"ext.pls"_s}).status, 0);
    EXPECT_EQ(read(u"ext.pls"_s), "[playlist]\r\nfile1=Tagged.mp3\r\nTitle1=Artist - Title\r\n"
                                  "Length1=-1\r\nfile2=B.mp3\r\nTitle2=B.mp3\r\nLength2=-1\r\n"
                                  "file3=" +
                                      radio.toUtf8() + "\r\nTitle3=" + radio.toUtf8() +
                                      "\r\nLength3=-1\r\nNumberOfEntries=3\r\n");
}

TEST_F(Cli, PlaylistFailuresAreClearAndLoseNothing) {
    const CliRun missing = run({u"playlist"_s, u"show"_s, u"gone.m3u"_s});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("gone.m3u")) << missing.err.constData();
    QDir(tmp.path()).mkdir(u"folder.m3u"_s);
    const CliRun folder = run({u"playlist"_s, u"show"_s, u"folder.m3u"_s});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.err.contains("folder")) << folder.err.constData();

    // A name with a line break cannot stand in a playlist line: nothing is written, the old
    // playlist stays.
    write(u"keep.m3u"_s, "Old.mp3\r\n");
    const CliRun broken = run({u"playlist"_s, u"write"_s, u"keep.m3u"_s, u"/a/Line\nBreak.mp3"_s});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains("Break.mp3")) << broken.err.constData();
    EXPECT_EQ(read(u"keep.m3u"_s), "Old.mp3\r\n");
}

TEST_F(Cli, HeaderReportsAndFailuresPerFile) {
    write(u"good.mp3"_s, audio());
    write(u"id3v2.mp3"_s, QByteArray("ID3\x03\x00\x00\x00\x00\x00\x05", 10) + "12345" + audio());
    write(u"notes.txt"_s, "just some text, no audio at all\n");
    write(u"empty.mp3"_s, "");
    QDir(tmp.path()).mkdir(u"folder.mp3"_s);
    const CliRun text = run({u"header"_s, u"good.mp3"_s, u"id3v2.mp3"_s});
    EXPECT_EQ(text.status, 0) << text.err.constData();
    const QByteArray report = "Bitrate:\t\t128 kBits\nFrequency:\t44,100\nMode:\t\tJoint-Stereo\n"
                              "MPEG version:\t1\nLayer:\t\t3\n";
    EXPECT_EQ(text.out,
              "Filename:\t\tgood.mp3\n\n" + report + "\nFilename:\t\tid3v2.mp3\n\n" + report);

    const CliRun json = run({u"header"_s, u"--json"_s, u"good.mp3"_s, u"notes.txt"_s,
                             u"missing.mp3"_s, u"empty.mp3"_s, u"folder.mp3"_s});
    EXPECT_EQ(json.status, 1) << "some files failed";
    const auto objects = json.json();
    ASSERT_EQ(objects.size(), 5) << "every file is answered";
    EXPECT_EQ(objects[0], (QJsonObject{{u"file"_s, u"good.mp3"_s},
                                       {u"ok"_s, true},
                                       {u"version"_s, u"1"_s},
                                       {u"layer"_s, 3},
                                       {u"bitrate"_s, 128},
                                       {u"frequency"_s, 44100},
                                       {u"mode"_s, u"Joint-Stereo"_s},
                                       {u"riff"_s, false}}));
    EXPECT_EQ(objects[1][u"error"_s].toString(),
              u"No MPEG audio frame header was found in notes.txt."_s);
    for (int i = 1; i < 5; ++i) {
        EXPECT_FALSE(objects[i][u"ok"_s].toBool()) << i;
        EXPECT_FALSE(objects[i][u"error"_s].toString().isEmpty()) << i;
    }
}

TEST_F(Cli, AFileNameThatIsNotTextIsRefusedAndTheOthersStillRun) {
    write(u"good.mp3"_s, audio());
    // Linux allows any bytes in a name; this one is not UTF-8.
    QProcess p;
    p.setWorkingDirectory(tmp.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    p.setProcessEnvironment(env);
    p.start(u"/bin/sh"_s, {u"-c"_s,
                           u"f=$(printf 'bad\\377.mp3'); cp good.mp3 \"$f\"; "
                           "exec \"$0\" header --json \"$f\" good.mp3"_s,
                           QStringLiteral(VELMORA_CLI)});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_FALSE(QJsonDocument::fromJson(lines[0]).object()[u"ok"_s].toBool());
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object()[u"ok"_s].toBool());
}

TEST_F(Cli, TagShowsWhatTheTagWindowShows) {
    write(u"tagged.mp3"_s, audio() + tag("Title", 7, 17));
    write(u"plain.mp3"_s, audio());
    write(u"tiny.mp3"_s, "ab");
    const CliRun json =
        run({u"tag"_s, u"--json"_s, u"tagged.mp3"_s, u"plain.mp3"_s, u"tiny.mp3"_s});
    EXPECT_EQ(json.status, 0) << json.err.constData();
    const auto objects = json.json();
    ASSERT_EQ(objects.size(), 3);
    EXPECT_EQ(objects[0], (QJsonObject{{u"file"_s, u"tagged.mp3"_s},
                                       {u"hasTag"_s, true},
                                       {u"title"_s, u"Title"_s},
                                       {u"artist"_s, u"Artist"_s},
                                       {u"album"_s, u""_s},
                                       {u"year"_s, u"1999"_s},
                                       {u"comment"_s, u"Comment"_s},
                                       {u"track"_s, 7},
                                       {u"genre"_s, 17},
                                       {u"genreName"_s, u"Rock"_s}}));
    EXPECT_EQ(objects[1], (QJsonObject{{u"file"_s, u"plain.mp3"_s}, {u"hasTag"_s, false}}));
    EXPECT_FALSE(objects[2][u"hasTag"_s].toBool());

    const CliRun text = run({u"tag"_s, u"tagged.mp3"_s});
    EXPECT_TRUE(text.out.contains("Title:\t\tTitle\n")) << text.out.constData();
    EXPECT_TRUE(text.out.contains("Genre:\t\t17 Rock\n")) << text.out.constData();
    EXPECT_EQ(run({u"tag"_s, u"missing.mp3"_s}).status, 1);
}

TEST_F(Cli, TagSetAppendsOnceThenOverwritesAndNeverTouchesAudio) {
    const QByteArray song = audio();
    write(u"song.mp3"_s, song);
    const CliRun first = run({u"tag"_s, u"song.mp3"_s, u"--set"_s, u"title=Café Müller"_s,
                              u"genre=rock"_s, u"track=3"_s});
    EXPECT_EQ(first.status, 0) << first.err.constData();
    QByteArray bytes = read(u"song.mp3"_s);
    ASSERT_EQ(bytes.size(), song.size() + 128);
    EXPECT_EQ(bytes.left(song.size()), song);
    EXPECT_EQ(bytes.mid(song.size(), 33),
              "TAG" + QByteArray("Caf\xE9 M\xFCller").leftJustified(30, ' '));
    EXPECT_EQ(bytes.right(3), QByteArray("\0\x03\x11", 3));

    const CliRun second = run({u"tag"_s, u"song.mp3"_s, u"--set"_s,
                               u"artist=A name that is far longer than thirty bytes"_s});
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(second.err.contains("warning")) << "a cut value is reported";
    bytes = read(u"song.mp3"_s);
    ASSERT_EQ(bytes.size(), song.size() + 128) << "the tag is overwritten in place";
    EXPECT_EQ(bytes.left(song.size()), song);
    EXPECT_EQ(bytes.mid(song.size() + 33, 30), "A name that is far longer than");
    EXPECT_EQ(bytes.mid(song.size() + 3, 30),
              QByteArray("Caf\xE9 M\xFCller").leftJustified(30, ' '))
        << "fields not set keep their value";

    const QByteArray before = read(u"song.mp3"_s);
    for (const QStringList& bad :
         {QStringList{u"mood=happy"_s}, QStringList{u"track=300"_s}, QStringList{u"track=-1"_s},
          QStringList{u"genre=Polka Metal"_s}}) {
        EXPECT_EQ(run(QStringList{u"tag"_s, u"song.mp3"_s, u"--set"_s} + bad).status, 2)
            << bad.join(u' ').toStdString();
    }
    EXPECT_EQ(read(u"song.mp3"_s), before) << "a usage error writes nothing";
    EXPECT_EQ(run({u"tag"_s, u"gone.mp3"_s, u"--set"_s, u"title=x"_s}).status, 1);
}

TEST_F(Cli, AFileWithoutReadPermissionIsReportedAndTheOthersStillRun) {
    write(u"good.mp3"_s, audio());
    const QString locked = write(u"locked.mp3"_s, audio());
    QFile::setPermissions(locked, QFileDevice::Permissions());
    QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    // Root reads every file; run the tool as an ordinary user then, as a person would.
    QStringList command{QStringLiteral(VELMORA_CLI), u"header"_s, u"--json"_s, u"locked.mp3"_s,
                        u"good.mp3"_s};
    if (geteuid() == 0) {
        if (QStandardPaths::findExecutable(u"setpriv"_s).isEmpty())
            GTEST_SKIP() << "running as root without setpriv";
        const QStringList asNobody{u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s};
        if (QProcess::execute(u"setpriv"_s, asNobody + QStringList{QStringLiteral(VELMORA_CLI),
                                                                   u"--version"_s}) != 0)
            GTEST_SKIP() << "the build folder cannot be reached by an ordinary user";
        command = QStringList{u"setpriv"_s} + asNobody + command;
    }
    QProcess p;
    p.setWorkingDirectory(tmp.path());
    p.start(command.takeFirst(), command);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1) << p.readAllStandardError().constData();
    const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject refused = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_FALSE(refused[u"ok"_s].toBool());
    EXPECT_EQ(refused[u"error"_s].toString(), u"Permission denied"_s);
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object()[u"ok"_s].toBool());
}
