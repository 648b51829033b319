#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/DriveList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/ListSelection.h"
#include "gui/mainwindow/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

// Folders of thousands of songs and playlists of tens of thousands of entries, in a shown main
// window: dropping songs, showing a folder, recording and restoring the playlist's selection.
namespace {
// Answers No and counts: the drops measured here must ask nothing.
class CountingPrompter : public Prompter {
public:
    MsgAnswer show(const MessageBoxRequest&) override {
        ++shown;
        return MsgAnswer::No;
    }
    int shown = 0;
};

// A folder of count empty songs, made once per program run.
QString songFolder(int count) {
    static QTemporaryDir root;
    const QString folder = root.filePath(u"songs%1"_s.arg(count));
    if (QDir().mkpath(folder) && QDir(folder).isEmpty())
        for (int i = 0; i < count; ++i) {
            QFile song(QDir(folder).filePath(u"Song %1.mp3"_s.arg(i, 5, 10, QChar(u'0'))));
            song.open(QIODevice::WriteOnly);
        }
    return folder;
}

QVector<Entry> otherEntries(int count) {
    QVector<Entry> entries;
    for (int i = 0; i < count; ++i)
        entries << Entry{u"Other %1.mp3"_s.arg(i), u"/elsewhere/music"_s};
    return entries;
}

struct Window {
    Window() {
        shared().prompter = &prompter;
        w.show();
        QApplication::processEvents();
    }
    ~Window() { shared().prompter = nullptr; }
    CountingPrompter prompter;
    frmMain w;
};

// Times measure alone; prepare runs before each time, and the window catches up (lays out and
// paints) before the clock starts.
template <typename Prepare, typename Measure>
void timeAfter(benchmark::State& state, Prepare prepare, Measure measure) {
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        QApplication::processEvents();
        state.ResumeTiming();
        measure();
    }
}

void DropTenThousandSongsOntoTwentyThousand(benchmark::State& state) {
    Window window;
    frmMain& w = window.w;
    w.Dir1->setPath(songFolder(10000));
    w.File1->selectAll();
    const QVector<Entry> others = otherEntries(20000);
    timeAfter(
        state,
        [&] {
            w.playlist->clear();
            w.playlist->append(others);
            w.setDragMode(w.File1, true);
        },
        [&] { w.lstSelected_DragDrop(w.File1); });
    if (w.lstSelected->count() != 30000 || window.prompter.shown != 0)
        state.SkipWithError("the drop did not add every song without a question");
}
BENCHMARK(DropTenThousandSongsOntoTwentyThousand)->Unit(benchmark::kMillisecond)->Iterations(10);

void ShowFolderOfTenThousandSongs(benchmark::State& state) {
    Window window;
    frmMain& w = window.w;
    const QString songs = songFolder(10000);
    const QString empty = songFolder(0);
    // As start-up shows a folder: drive, folder list, file list, selection memory, and the
    // window drawn with it.
    timeAfter(
        state, [&] { w.Dir1->setPath(empty); },
        [&] {
            w.Drive1->setDrive(songs);
            w.Dir1->setPath(songs);
            QApplication::processEvents();
        });
    if (w.File1->count() != 10000)
        state.SkipWithError("the folder was not shown");
}
BENCHMARK(ShowFolderOfTenThousandSongs)->Unit(benchmark::kMillisecond)->Iterations(10);

// The largest playlist the program keeps, every other entry selected: the most scattered
// selection there is.
void fillScattered(frmMain& w) {
    w.playlist->append(otherEntries(32767));
    QVector<bool> everyOther(32767);
    for (int i = 0; i < everyOther.size(); i += 2)
        everyOther[i] = true;
    selectFlagged(*w.lstSelected, everyOther);
}

void SavePkSOnTheLargestPlaylist(benchmark::State& state) {
    Window window;
    fillScattered(window.w);
    for (auto _ : state)
        window.w.SavePkS();
    if (!window.w.IsSel(u"S"_s, 32766) || window.w.IsSel(u"S"_s, 32765))
        state.SkipWithError("the memory is wrong");
}
BENCHMARK(SavePkSOnTheLargestPlaylist)->Unit(benchmark::kMillisecond);

void SetPkSOnTheLargestPlaylist(benchmark::State& state) {
    Window window;
    frmMain& w = window.w;
    fillScattered(w);
    w.SavePkS();
    timeAfter(
        state, [&] { w.lstSelected->clearSelection(); }, [&] { w.SetPkS(); });
    if (!w.lstSelected->selectionModel()->isRowSelected(32766) ||
        w.lstSelected->selectionModel()->isRowSelected(32765))
        state.SkipWithError("the selection was not restored");
}
BENCHMARK(SetPkSOnTheLargestPlaylist)->Unit(benchmark::kMillisecond);

void UnselectAllOnTheLargestPlaylist(benchmark::State& state) {
    Window window;
    frmMain& w = window.w;
    fillScattered(w);
    w.SavePkS();
    timeAfter(
        state, [&] { w.SetPkS(); }, [&] { w.cmdClearSel_Click(); });
    if (w.lstSelected->selectionModel()->hasSelection() || w.IsSel(u"S"_s, 0))
        state.SkipWithError("not everything was unselected");
}
BENCHMARK(UnselectAllOnTheLargestPlaylist)->Unit(benchmark::kMillisecond)->Iterations(3);

// One click moves the current entry of the scattered largest playlist one place.
void moveCurrent(benchmark::State& state, void (frmMain::*click)()) {
    Window window;
    frmMain& w = window.w;
    fillScattered(w);
    w.SavePkS();
    timeAfter(
        state, [&] { w.lstSelected->setCurrentRow(16384, QItemSelectionModel::NoUpdate); },
        [&] { (w.*click)(); });
    if (w.lstSelected->currentRow() == 16384 || !w.IsSel(u"S"_s, w.lstSelected->currentRow()))
        state.SkipWithError("the entry did not move");
}
BENCHMARK_CAPTURE(moveCurrent, MoveUpOnTheLargestPlaylist, &frmMain::cmdUp_Click)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(moveCurrent, MoveDownOnTheLargestPlaylist, &frmMain::cmdDn_Click)
    ->Unit(benchmark::kMillisecond);

void RemoveScatteredHalfOfTheLargestPlaylist(benchmark::State& state) {
    Window window;
    frmMain& w = window.w;
    timeAfter(
        state,
        [&] {
            w.playlist->clear();
            fillScattered(w);
            w.setDragMode(w.lstSelected, true);
        },
        [&] { w.cmdClear_DragDrop(w.lstSelected); });
    if (w.lstSelected->count() != 16383)
        state.SkipWithError("the selected half was not removed");
}
BENCHMARK(RemoveScatteredHalfOfTheLargestPlaylist)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
