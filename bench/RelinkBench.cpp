#include "core/playlist/LibraryIndex.h"
#include "core/playlist/Relink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int kArtists = 250, kAlbums = 20, kSongs = 20; // 5,000 folders of songs, 100,000 songs
constexpr int kMostEntries = 32767;                      // the most a playlist holds

// A library as people keep one: Artist/Album/NN Title.mp3 with a cover picture in each album.
// The first song of every album of an artist is called the same (Intro), so that one entry in
// twenty has twenty candidates and is told apart by its folders.
QString songName(int artist, int album, int song) {
    return song == 0
               ? u"01 Intro %1.mp3"_s.arg(artist)
               : u"%1 A Song Title Of Usual Length %2-%3.mp3"_s.arg(song + 1, 2, 10, QChar(u'0'))
                     .arg(artist)
                     .arg(album);
}

QString albumFolder(int artist, int album) {
    return u"Artist %1/Album %2"_s.arg(artist).arg(album);
}

struct Library {
    QTemporaryDir dir;
    QString root() const { return dir.filePath(u"Music"_s); }
    Library() {
        for (int artist = 0; artist < kArtists; ++artist)
            for (int album = 0; album < kAlbums; ++album) {
                const QString folder = root() + u'/' + albumFolder(artist, album);
                QDir().mkpath(folder);
                QFile(folder + u"/cover.jpg"_s).open(QIODevice::WriteOnly);
                for (int song = 0; song < kSongs; ++song)
                    QFile(folder + u'/' + songName(artist, album, song)).open(QIODevice::WriteOnly);
            }
    }
};

const Library& library() {
    static const Library made;
    return made;
}

// Processor time (user and system) of the finished child processes, in milliseconds.
double childrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The reference: the system's own walk of the same tree, output thrown away. Its processor
// time is the child's, which the CPU column does not count: the counter "find_cpu_ms" has it
// (the shell that starts find adds about a millisecond).
void findMp3(benchmark::State& state) {
    const QByteArray command =
        "find '" + QFile::encodeName(library().root()) + "' -name '*.mp3' > /dev/null";
    const double before = childrenCpuMs();
    for (auto _ : state)
        if (std::system(command.constData()) != 0)
            state.SkipWithError("find failed");
    state.counters["find_cpu_ms"] = (childrenCpuMs() - before) / double(state.iterations());
}

void indexLibrary(benchmark::State& state) {
    for (auto _ : state) {
        LibraryIndex index;
        if (!index.addFolder(library().root()) || index.size() != kArtists * kAlbums * kSongs)
            state.SkipWithError("the library was not indexed");
        benchmark::DoNotOptimize(index);
    }
}

// A full playlist whose every song moved: the old root is gone.
void relinkMovedPlaylist(benchmark::State& state) {
    LibraryIndex index;
    if (!index.addFolder(library().root()))
        state.SkipWithError("the library was not indexed");
    QVector<Entry> entries;
    for (int i = 0; i < kMostEntries; ++i) {
        const int song = i % kSongs, album = i / kSongs % kAlbums, artist = i / kSongs / kAlbums;
        entries << Entry{songName(artist, album, song),
                         u"/media/old-disk/Music/"_s + albumFolder(artist, album)};
    }
    for (auto _ : state) {
        const QVector<RelinkedEntry> relinked = relinkMissing(entries, u"/nowhere"_s, index);
        if (countOutcomes(relinked).found != kMostEntries)
            state.SkipWithError("not every song was found");
        benchmark::DoNotOptimize(relinked.data());
    }
    state.counters["entries"] = kMostEntries;
}
} // namespace

BENCHMARK(findMp3)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(indexLibrary)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(relinkMovedPlaylist)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    library(); // made before any timing
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
