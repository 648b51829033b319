#include "core/playlist/PlaylistFormat.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/playlist/PlaylistProcedures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int kMostEntries = 32767; // the most a playlist holds

// Songs spread over a few folders, one of them the playlist's own, with names of usual length.
QVector<Entry> manySongs() {
    QVector<Entry> songs;
    songs.reserve(kMostEntries);
    for (int i = 0; i < kMostEntries; ++i) {
        const QString folder = u"/home/someone/Music/Artist %1/Album %2"_s.arg(i % 97).arg(i % 13);
        songs << Entry{u"%1 - A Song Title Of Usual Length.mp3"_s.arg(i, 5, 10, QChar(u'0')),
                       i % 4 == 0 ? u"/home/someone/Music"_s : folder};
    }
    return songs;
}

const QString kPlaylist = u"/home/someone/Music/Everything"_s;

void parseAndWrite(benchmark::State& state, PlaylistFormat format) {
    const QVector<Entry> songs = manySongs();
    const QByteArray file = writePlaylist(format, songs, PathMode::Always, kPlaylist).bytes;
    for (auto _ : state) {
        const QVector<Entry> read = parsePlaylist(format, file);
        const WrittenPlaylist written = writePlaylist(format, read, PathMode::Decide, kPlaylist);
        if (read.size() != kMostEntries || written.bytes.size() < kMostEntries * 10)
            state.SkipWithError("the playlist did not survive the round trip");
        benchmark::DoNotOptimize(written.bytes.data());
    }
    state.counters["entries"] = kMostEntries;
    state.counters["bytes"] = double(file.size());
}

void parseOnly(benchmark::State& state, PlaylistFormat format) {
    const QByteArray file = writePlaylist(format, manySongs(), PathMode::Always, kPlaylist).bytes;
    for (auto _ : state) {
        const QVector<Entry> read = parsePlaylist(format, file);
        if (read.size() != kMostEntries)
            state.SkipWithError("the playlist was not read");
        benchmark::DoNotOptimize(read.data());
    }
}

void writeOnly(benchmark::State& state, PlaylistFormat format) {
    const QVector<Entry> songs = manySongs();
    for (auto _ : state) {
        const WrittenPlaylist written = writePlaylist(format, songs, PathMode::Decide, kPlaylist);
        if (written.bytes.size() < kMostEntries * 10)
            state.SkipWithError("the playlist was not written");
        benchmark::DoNotOptimize(written.bytes.data());
    }
}

// Open of a full playlist over a list that is already full, as the Open command does it.
void openIntoFilledList(benchmark::State& state, PlaylistFormat format) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Everything"_s);
    const QVector<Entry> songs = manySongs();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        state.SkipWithError("cannot write the playlist");
    f.write(writePlaylist(format, songs, PathMode::Always, kPlaylist).bytes);
    f.close();
    frmMain w;
    w.playlist->append(songs);
    for (auto _ : state) {
        const bool read = format == PlaylistFormat::Pls ? OpenPls(w, path) : OpenM3U(w, path);
        w.SavePkS();
        if (!read || w.lstSelected->count() != kMostEntries)
            state.SkipWithError("the playlist was not read");
    }
}

// The check for missing songs over a full playlist whose songs are all absent: their folders gone
// too (a library moved away, a disk not mounted), or the folders there without the songs, where
// every song needs a look of its own.
void checkAbsentSongs(benchmark::State& state, bool foldersThere) {
    QTemporaryDir dir;
    QVector<Entry> songs = manySongs();
    if (foldersThere) {
        QSet<QString> folders;
        for (Entry& song : songs)
            folders << (song.folder = dir.path() + song.folder);
        for (const QString& folder : std::as_const(folders))
            if (!QDir().mkpath(folder))
                state.SkipWithError("cannot make the song folders");
    }
    PlaylistModel model;
    model.append(songs);
    for (auto _ : state) {
        model.checkFiles(dir.path());
        if (!model.isMissing(0) || !model.isMissing(kMostEntries - 1))
            state.SkipWithError("an absent song was not marked");
    }
    state.counters["entries"] = kMostEntries;
}
} // namespace

BENCHMARK_CAPTURE(checkAbsentSongs, FoldersGone, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(checkAbsentSongs, FoldersThere, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(parseOnly, M3u, PlaylistFormat::M3u)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeOnly, M3u, PlaylistFormat::M3u)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(parseOnly, Pls, PlaylistFormat::Pls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(writeOnly, Pls, PlaylistFormat::Pls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(parseAndWrite, M3u, PlaylistFormat::M3u)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(parseAndWrite, Pls, PlaylistFormat::Pls)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openIntoFilledList, M3u, PlaylistFormat::M3u)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openIntoFilledList, Pls, PlaylistFormat::Pls)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
