#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

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
        env.insert(u"LC_ALL"_qs, u"C.UTF-8"_qs);
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
    const CliRun version = run({u"--version"_qs});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "velmora-cli 1.7\n");
    for (const char* command : {"header", "tag", "playlist"}) {
        const CliRun help = run({QString::fromLatin1(command), u"--help"_qs});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.contains("Usage")) << command;
    }
    EXPECT_EQ(run({}).status, 2);
    EXPECT_EQ(run({u"frobnicate"_qs}).status, 2);
    EXPECT_EQ(run({u"playlist"_qs, u"show"_qs, u"list.txt"_qs}).status, 2) << "unknown extension";
    EXPECT_EQ(
        run({u"playlist"_qs, u"write"_qs, u"--paths"_qs, u"sometimes"_qs, u"a.m3u"_qs, u"b.mp3"_qs})
            .status,
        2);
    EXPECT_FALSE(QFile::exists(tmp.filePath(u"a.m3u"_qs))) << "a usage error writes nothing";
}

TEST_F(Cli, PlaylistShowInBothFormsAndBothFormats) {
    write(u"mix.m3u"_qs, "#EXTM3U\r\n#EXTINF:1,x\r\n/music/Rock/Song.mp3\nBare.mp3\n");
    const CliRun text = run({u"playlist"_qs, u"show"_qs, u"mix.m3u"_qs});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "Song.mp3 {/music/Rock}\nBare.mp3 {}\n");
    const CliRun json = run({u"playlist"_qs, u"show"_qs, u"--json"_qs, u"mix.m3u"_qs});
    ASSERT_EQ(json.json().size(), 2);
    EXPECT_EQ(json.json()[0], (QJsonObject{{u"entry"_qs, u"Song.mp3 {/music/Rock}"_qs},
                                           {u"name"_qs, u"Song.mp3"_qs},
                                           {u"folder"_qs, u"/music/Rock"_qs},
                                           {u"path"_qs, u"/music/Rock/Song.mp3"_qs}}));
    EXPECT_EQ(json.json()[1][u"path"_qs].toString(), u"Bare.mp3");

    write(u"list.PLS"_qs, "[playlist]\r\nFile2=/b/Two.mp3\r\nTitle2=t\r\nfile1 = /a/One.mp3\r\n"
                          "NumberOfEntries=2\r\n");
    EXPECT_EQ(run({u"playlist"_qs, u"show"_qs, u"list.PLS"_qs}).out,
              "Two.mp3 {/b}\nOne.mp3 {/a}\n");
    write(u"odd.txt"_qs, "[playlist]\nfile1=/a/One.mp3\n");
    EXPECT_EQ(run({u"playlist"_qs, u"show"_qs, u"--format"_qs, u"pls"_qs, u"odd.txt"_qs}).out,
              "One.mp3 {/a}\n");
}

TEST_F(Cli, PlaylistWriteAndConvert) {
    const QString folder = tmp.path();
    const QByteArray f = folder.toLocal8Bit();
    const CliRun w = run(
        {u"playlist"_qs, u"write"_qs, u"list.m3u"_qs, u"Here.mp3"_qs, u"sub/There.mp3"_qs, u"-"_qs},
        "/elsewhere/From Stdin.mp3\n");
    EXPECT_EQ(w.status, 0) << w.err.constData();
    EXPECT_EQ(read(u"list.m3u"_qs),
              "Here.mp3\r\n" + f + "/sub/There.mp3\r\n/elsewhere/From Stdin.mp3\r\n");

    EXPECT_EQ(run({u"playlist"_qs, u"write"_qs, u"--paths"_qs, u"never"_qs, u"--format"_qs,
                   u"pls"_qs, u"list.txt"_qs, u"/x/A.mp3"_qs})
                  .status,
              0);
    EXPECT_EQ(read(u"list.txt"_qs), "[playlist]\r\nfile1=A.mp3\r\nNumberOfEntries=1\r\n");

    // A bare name in the source playlist still names the song beside it after conversion.
    write(u"in/old.m3u"_qs, "Beside.mp3\r\n/abs/Far.mp3\r\n");
    const CliRun c = run({u"playlist"_qs, u"convert"_qs, u"--paths"_qs, u"always"_qs,
                          u"in/old.m3u"_qs, u"new.pls"_qs});
    EXPECT_EQ(c.status, 0) << c.err.constData();
    EXPECT_EQ(read(u"new.pls"_qs), "[playlist]\r\nfile1=" + f +
                                       "/in/Beside.mp3\r\nfile2=/abs/Far.mp3\r\n"
                                       "NumberOfEntries=2\r\n");
}

TEST_F(Cli, PlaylistFailuresAreClearAndLoseNothing) {
    const CliRun missing = run({u"playlist"_qs, u"show"_qs, u"gone.m3u"_qs});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("gone.m3u")) << missing.err.constData();
    QDir(tmp.path()).mkdir(u"folder.m3u"_qs);
    const CliRun folder = run({u"playlist"_qs, u"show"_qs, u"folder.m3u"_qs});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.err.contains("folder")) << folder.err.constData();

    // A name with a line break cannot stand in a playlist line: nothing is written, the old
    // playlist stays.
    write(u"keep.m3u"_qs, "Old.mp3\r\n");
    const CliRun broken =
        run({u"playlist"_qs, u"write"_qs, u"keep.m3u"_qs, u"/a/Line\nBreak.mp3"_qs});
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains("Break.mp3")) << broken.err.constData();
    EXPECT_EQ(read(u"keep.m3u"_qs), "Old.mp3\r\n");
}

TEST_F(Cli, HeaderReportsAndFailuresPerFile) {
    write(u"good.mp3"_qs, audio());
    write(u"id3v2.mp3"_qs, QByteArray("ID3\x03\x00\x00\x00\x00\x00\x05", 10) + "12345" + audio());
    write(u"notes.txt"_qs, "just some text, no audio at all\n");
    write(u"empty.mp3"_qs, "");
    QDir(tmp.path()).mkdir(u"folder.mp3"_qs);
    const CliRun text = run({u"header"_qs, u"good.mp3"_qs, u"id3v2.mp3"_qs});
    EXPECT_EQ(text.status, 0) << text.err.constData();
    const QByteArray report = "Bitrate:\t\t128 kBits\nFrequency:\t44,100\nMode:\t\tJoint-Stereo\n"
                              "MPEG version:\t1\nLayer:\t\t3\n";
    EXPECT_EQ(text.out,
              "Filename:\t\tgood.mp3\n\n" + report + "\nFilename:\t\tid3v2.mp3\n\n" + report);

    const CliRun json = run({u"header"_qs, u"--json"_qs, u"good.mp3"_qs, u"notes.txt"_qs,
                             u"missing.mp3"_qs, u"empty.mp3"_qs, u"folder.mp3"_qs});
    EXPECT_EQ(json.status, 1) << "some files failed";
    const auto objects = json.json();
    ASSERT_EQ(objects.size(), 5) << "every file is answered";
    EXPECT_EQ(objects[0], (QJsonObject{{u"file"_qs, u"good.mp3"_qs},
                                       {u"ok"_qs, true},
                                       {u"version"_qs, u"1"_qs},
                                       {u"layer"_qs, 3},
                                       {u"bitrate"_qs, 128},
                                       {u"frequency"_qs, 44100},
                                       {u"mode"_qs, u"Joint-Stereo"_qs},
                                       {u"riff"_qs, false}}));
    EXPECT_EQ(objects[1][u"error"_qs].toString(),
              u"No MPEG audio frame header was found in notes.txt."_qs);
    for (int i = 1; i < 5; ++i) {
        EXPECT_FALSE(objects[i][u"ok"_qs].toBool()) << i;
        EXPECT_FALSE(objects[i][u"error"_qs].toString().isEmpty()) << i;
    }
}

TEST_F(Cli, AFileNameThatIsNotTextIsRefusedAndTheOthersStillRun) {
    write(u"good.mp3"_qs, audio());
    // Linux allows any bytes in a name; this one is not UTF-8.
    QProcess p;
    p.setWorkingDirectory(tmp.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_qs, u"C.UTF-8"_qs);
    p.setProcessEnvironment(env);
    p.start(u"/bin/sh"_qs, {u"-c"_qs,
                            u"f=$(printf 'bad\\377.mp3'); cp good.mp3 \"$f\"; "
                            "exec \"$0\" header --json \"$f\" good.mp3"_qs,
                            QStringLiteral(VELMORA_CLI)});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1);
    const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_FALSE(QJsonDocument::fromJson(lines[0]).object()[u"ok"_qs].toBool());
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object()[u"ok"_qs].toBool());
}

TEST_F(Cli, TagShowsWhatTheTagWindowShows) {
    write(u"tagged.mp3"_qs, audio() + tag("Title", 7, 17));
    write(u"plain.mp3"_qs, audio());
    write(u"tiny.mp3"_qs, "ab");
    const CliRun json =
        run({u"tag"_qs, u"--json"_qs, u"tagged.mp3"_qs, u"plain.mp3"_qs, u"tiny.mp3"_qs});
    EXPECT_EQ(json.status, 0) << json.err.constData();
    const auto objects = json.json();
    ASSERT_EQ(objects.size(), 3);
    EXPECT_EQ(objects[0], (QJsonObject{{u"file"_qs, u"tagged.mp3"_qs},
                                       {u"hasTag"_qs, true},
                                       {u"title"_qs, u"Title"_qs},
                                       {u"artist"_qs, u"Artist"_qs},
                                       {u"album"_qs, u""_qs},
                                       {u"year"_qs, u"1999"_qs},
                                       {u"comment"_qs, u"Comment"_qs},
                                       {u"track"_qs, 7},
                                       {u"genre"_qs, 17},
                                       {u"genreName"_qs, u"Rock"_qs}}));
    EXPECT_EQ(objects[1], (QJsonObject{{u"file"_qs, u"plain.mp3"_qs}, {u"hasTag"_qs, false}}));
    EXPECT_FALSE(objects[2][u"hasTag"_qs].toBool());

    const CliRun text = run({u"tag"_qs, u"tagged.mp3"_qs});
    EXPECT_TRUE(text.out.contains("Title:\t\tTitle\n")) << text.out.constData();
    EXPECT_TRUE(text.out.contains("Genre:\t\t17 Rock\n")) << text.out.constData();
    EXPECT_EQ(run({u"tag"_qs, u"missing.mp3"_qs}).status, 1);
}

TEST_F(Cli, TagSetAppendsOnceThenOverwritesAndNeverTouchesAudio) {
    const QByteArray song = audio();
    write(u"song.mp3"_qs, song);
    const CliRun first = run({u"tag"_qs, u"song.mp3"_qs, u"--set"_qs, u"title=Café Müller"_qs,
                              u"genre=rock"_qs, u"track=3"_qs});
    EXPECT_EQ(first.status, 0) << first.err.constData();
    QByteArray bytes = read(u"song.mp3"_qs);
    ASSERT_EQ(bytes.size(), song.size() + 128);
    EXPECT_EQ(bytes.left(song.size()), song);
    EXPECT_EQ(bytes.mid(song.size(), 33),
              "TAG" + QByteArray("Caf\xE9 M\xFCller").leftJustified(30, ' '));
    EXPECT_EQ(bytes.right(3), QByteArray("\0\x03\x11", 3));

    const CliRun second = run({u"tag"_qs, u"song.mp3"_qs, u"--set"_qs,
                               u"artist=A name that is far longer than thirty bytes"_qs});
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(second.err.contains("warning")) << "a cut value is reported";
    bytes = read(u"song.mp3"_qs);
    ASSERT_EQ(bytes.size(), song.size() + 128) << "the tag is overwritten in place";
    EXPECT_EQ(bytes.left(song.size()), song);
    EXPECT_EQ(bytes.mid(song.size() + 33, 30), "A name that is far longer than");
    EXPECT_EQ(bytes.mid(song.size() + 3, 30),
              QByteArray("Caf\xE9 M\xFCller").leftJustified(30, ' '))
        << "fields not set keep their value";

    const QByteArray before = read(u"song.mp3"_qs);
    for (const QStringList& bad :
         {QStringList{u"mood=happy"_qs}, QStringList{u"track=300"_qs}, QStringList{u"track=-1"_qs},
          QStringList{u"genre=Polka Metal"_qs}}) {
        EXPECT_EQ(run(QStringList{u"tag"_qs, u"song.mp3"_qs, u"--set"_qs} + bad).status, 2)
            << bad.join(u' ').toStdString();
    }
    EXPECT_EQ(read(u"song.mp3"_qs), before) << "a usage error writes nothing";
    EXPECT_EQ(run({u"tag"_qs, u"gone.mp3"_qs, u"--set"_qs, u"title=x"_qs}).status, 1);
}

TEST_F(Cli, AFileWithoutReadPermissionIsReportedAndTheOthersStillRun) {
    write(u"good.mp3"_qs, audio());
    const QString locked = write(u"locked.mp3"_qs, audio());
    QFile::setPermissions(locked, QFileDevice::Permissions());
    QFile::setPermissions(tmp.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    // Root reads every file; run the tool as an ordinary user then, as a person would.
    QStringList command{QStringLiteral(VELMORA_CLI), u"header"_qs, u"--json"_qs, u"locked.mp3"_qs,
                        u"good.mp3"_qs};
    if (geteuid() == 0) {
        if (QStandardPaths::findExecutable(u"setpriv"_qs).isEmpty())
            GTEST_SKIP() << "running as root without setpriv";
        const QStringList asNobody{u"--reuid=65534"_qs, u"--regid=65534"_qs, u"--clear-groups"_qs};
        if (QProcess::execute(u"setpriv"_qs, asNobody + QStringList{QStringLiteral(VELMORA_CLI),
                                                                    u"--version"_qs}) != 0)
            GTEST_SKIP() << "the build folder cannot be reached by an ordinary user";
        command = QStringList{u"setpriv"_qs} + asNobody + command;
    }
    QProcess p;
    p.setWorkingDirectory(tmp.path());
    p.start(command.takeFirst(), command);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 1) << p.readAllStandardError().constData();
    const QList<QByteArray> lines = p.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject refused = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_FALSE(refused[u"ok"_qs].toBool());
    EXPECT_EQ(refused[u"error"_qs].toString(), u"Permission denied"_qs);
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object()[u"ok"_qs].toBool());
}
