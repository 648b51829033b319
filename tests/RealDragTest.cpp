#include "mainwindow/FileList.h"
#include "mainwindow/frmMain.h"
#include "support/SongsWindowFixture.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <functional>

using namespace Qt::StringLiterals;

// A drag made with the real mouse, in a real X server: the pointer is moved by xdotool, so the
// presses, movements and the drop travel the whole way through the window system and Qt's drag
// machinery, as a user's do. The outer test starts this same program under xvfb-run; the inner
// test, which only runs there, does the dragging.
namespace {
constexpr auto kInsideXvfb = "VELMORA_REAL_DRAG_INSIDE_XVFB";

bool waitFor(const std::function<bool()>& done, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

QString at(QPoint p) {
    return QString::number(p.x()) + u' ' + QString::number(p.y());
}

// xdotool steps that press at the first point, move the pointer through the others in small
// steps, and release at the last.
QStringList dragSteps(const QList<QPoint>& path) {
    QStringList steps = {u"mousemove"_s, at(path.first()), u"sleep"_s,
                         u"0.3"_s,       u"mousedown"_s,  u"1"_s};
    for (int leg = 1; leg < path.size(); ++leg)
        for (int i = 1; i <= 12; ++i) {
            const QPoint p = path[leg - 1] + (path[leg] - path[leg - 1]) * i / 12;
            steps << u"sleep"_s << u"0.05"_s << u"mousemove"_s << at(p);
        }
    steps << u"sleep"_s << u"0.4"_s << u"mousemove"_s << at(path.last() + QPoint(1, 1))
          << u"sleep"_s << u"0.4"_s << u"mouseup"_s << u"1"_s << u"sleep"_s << u"0.3"_s;
    return steps;
}

QStringList clickSteps(QPoint where, bool shift = false) {
    QStringList steps = {u"mousemove"_s, at(where), u"sleep"_s, u"0.2"_s};
    if (shift)
        steps << u"keydown"_s << u"shift"_s;
    steps << u"click"_s << u"1"_s;
    if (shift)
        steps << u"keyup"_s << u"shift"_s;
    steps << u"sleep"_s << u"0.6"_s; // slower than a double-click
    return steps;
}

// Runs xdotool with steps, letting the window work meanwhile.
bool xdotool(const QStringList& steps) {
    QProcess tool;
    tool.start(u"xdotool"_s, [&] {
        QStringList args;
        for (const QString& step : steps)
            args << step.split(u' ');
        return args;
    }());
    const bool finished = waitFor([&] { return tool.state() == QProcess::NotRunning; }, 30000);
    return finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

class RealDragInWindow : public SongsWindowFixture {
protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet(kInsideXvfb))
            GTEST_SKIP() << "runs inside the X server that RealDrag starts";
        SongsWindowFixture::SetUp();
    }
    QPoint rowOnScreen(QAbstractItemView& list, int row) {
        return list.viewport()->mapToGlobal(list.visualRect(list.model()->index(row, 0)).center());
    }
    static QPoint centreOnScreen(QWidget* widget) {
        return widget->mapToGlobal(widget->rect().center());
    }
    // Notes every cursor the drag shows.
    void watchCursor(QTimer& timer) {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (const QCursor* cursor = QApplication::overrideCursor()) {
                const QImage shown = cursor->pixmap().toImage();
                sawDrop |= !shown.isNull() && shown == w->dropCursor.toImage();
                sawCarry |= !shown.isNull() && shown == w->carryCursor.toImage();
            }
        });
        timer.start(15);
    }
    bool sawDrop = false;
    bool sawCarry = false;
};
} // namespace

TEST(RealDrag, SongsDraggedWithTheMouseLandInThePlaylistAndLeaveOnTheBin) {
    const QString xvfbRun = QStandardPaths::findExecutable(u"xvfb-run"_s);
    if (xvfbRun.isEmpty() || QStandardPaths::findExecutable(u"xdotool"_s).isEmpty())
        GTEST_SKIP() << "needs xvfb-run and xdotool (scripts/setup installs them)";
    QProcess inner;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
    env.insert(QString::fromLatin1(kInsideXvfb), u"1"_s);
    // The X libraries keep caches for the life of the process; leaks are checked elsewhere.
    env.insert(u"ASAN_OPTIONS"_s, env.value(u"ASAN_OPTIONS"_s) + u":detect_leaks=0"_s);
    inner.setProcessEnvironment(env);
    inner.setProcessChannelMode(QProcess::MergedChannels);
    inner.start(xvfbRun,
                {u"-a"_s, u"-s"_s, u"-screen 0 1280x1024x24"_s,
                 QCoreApplication::applicationFilePath(), u"--gtest_filter=RealDragInWindow.*"_s});
    ASSERT_TRUE(inner.waitForFinished(240000)) << "the drag in Xvfb did not finish";
    const QString output = QString::fromLocal8Bit(inner.readAll());
    EXPECT_EQ(inner.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test"_s)) << output.toStdString();
}

TEST_F(RealDragInWindow, Run) {
    showSongs({u"A.mp3"_s, u"B.mp3"_s, u"C.mp3"_s, u"D.mp3"_s});
    w->move(0, 0);
    w->raise();
    w->activateWindow();
    ASSERT_TRUE(
        waitFor([&] { return w->windowHandle() && w->windowHandle()->isExposed(); }, 10000));
    waitFor([] { return false; }, 300);

    // Select A to C with a click and a Shift-click, then press on B and drag to the playlist.
    ASSERT_TRUE(xdotool(clickSteps(rowOnScreen(*w->File1, 0)) +
                        clickSteps(rowOnScreen(*w->File1, 2), true)));
    ASSERT_EQ(selectedRows(*w->File1), QList<int>({0, 1, 2}));
    QTimer cursorWatch;
    watchCursor(cursorWatch);
    ASSERT_TRUE(xdotool(dragSteps({rowOnScreen(*w->File1, 1), centreOnScreen(w->lstSelected)})));
    ASSERT_TRUE(waitFor([&] { return w->lstSelected->count() == 3; }, 5000))
        << "the playlist holds " << w->lstSelected->count() << " entries";
    cursorWatch.stop();

    EXPECT_EQ(playlist(),
              QStringList({entryOf(u"A.mp3"_s), entryOf(u"B.mp3"_s), entryOf(u"C.mp3"_s)}));
    EXPECT_TRUE(sawDrop) << "over the playlist the file list shows the drop cursor";
    EXPECT_TRUE(sawCarry) << "it starts with the carry cursor";
    EXPECT_FALSE(w->isInDragMode(w->File1));
    EXPECT_FALSE(w->showsDropCursor(w->File1));
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 1, 2})) << "the songs stay selected";
    EXPECT_TRUE(prompter.shown().empty());

    // Pick B in the playlist, press on it again and drag it onto the bin.
    ASSERT_TRUE(xdotool(clickSteps(rowOnScreen(*w->lstSelected, 1))));
    ASSERT_EQ(selectedRows(*w->lstSelected), QList<int>({1}));
    ASSERT_TRUE(xdotool(dragSteps({rowOnScreen(*w->lstSelected, 1), centreOnScreen(w->cmdClear)})));
    ASSERT_TRUE(waitFor([&] { return w->lstSelected->count() == 2; }, 5000));
    EXPECT_EQ(playlist(), QStringList({entryOf(u"A.mp3"_s), entryOf(u"C.mp3"_s)}));
    EXPECT_FALSE(w->isInDragMode(w->lstSelected));
    EXPECT_FALSE(w->showsDropCursor(w->lstSelected));

    // A drag that passes over the playlist and is dropped where nothing takes it (the frame of
    // the playlist name) ends all the same, with the carry cursor back.
    ASSERT_TRUE(xdotool(clickSteps(rowOnScreen(*w->File1, 3))));
    sawDrop = false;
    cursorWatch.start(15);
    ASSERT_TRUE(xdotool(dragSteps(
        {rowOnScreen(*w->File1, 3), centreOnScreen(w->lstSelected), centreOnScreen(w->lblName)})));
    cursorWatch.stop();
    EXPECT_TRUE(sawDrop);
    waitFor([] { return false; }, 300);
    EXPECT_FALSE(w->isInDragMode(w->File1));
    EXPECT_FALSE(w->showsDropCursor(w->File1));
    EXPECT_EQ(w->lstSelected->count(), 2);
}
