#include "gui/mainwindow/FileList.h"
#include "support/SongsWindowFixture.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QWindow>

using namespace Qt::StringLiterals;

// A drag made with the real mouse, in a real X server: xdotool moves the pointer, so presses,
// movements and the drop travel through the window system and Qt's drag machinery as a user's
// do. The outer test starts this program under xvfb-run; the inner one drags there.
namespace {
constexpr auto kInsideXvfb = "VELMORA_REAL_DRAG_INSIDE_XVFB";

bool waitFor(const std::function<bool()>& done, int milliseconds) {
    for (QDeadlineTimer time(milliseconds); !done() && !time.hasExpired();) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

// Presses at one point, moves to the other in small steps and releases there, letting the window
// work meanwhile.
bool drag(QPoint from, QPoint to) {
    const auto moveTo = [](QPoint p, const char* pause = "0.05") {
        return QStringList{u"sleep"_s, QString::fromLatin1(pause), u"mousemove"_s,
                           QString::number(p.x()), QString::number(p.y())};
    };
    QStringList steps = moveTo(from, "0.3") + QStringList{u"mousedown"_s, u"1"_s};
    for (int i = 1; i <= 12; ++i)
        steps += moveTo(from + (to - from) * i / 12);
    steps += moveTo(to + QPoint(1, 1), "0.4") +
             QStringList{u"sleep"_s, u"0.4"_s, u"mouseup"_s, u"1"_s, u"sleep"_s, u"0.3"_s};
    QProcess xdotool;
    xdotool.start(u"xdotool"_s, steps);
    const bool finished = waitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 30000);
    return finished && xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
}

class RealDragInWindow : public SongsWindowFixture {
protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet(kInsideXvfb))
            GTEST_SKIP() << "runs inside the X server that RealDrag starts";
        SongsWindowFixture::SetUp();
    }
    static QPoint onScreen(QAbstractItemView& list, int row) {
        return list.viewport()->mapToGlobal(list.visualRect(list.model()->index(row, 0)).center());
    }
    static QPoint onScreen(QWidget* widget) { return widget->mapToGlobal(widget->rect().center()); }
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
    w->activateWindow();
    ASSERT_TRUE(
        waitFor([&] { return w->windowHandle() && w->windowHandle()->isExposed(); }, 10000));
    waitFor([] { return false; }, 300);
    QTimer cursorWatch; // notes the cursors the drag shows
    bool sawDrop = false, sawCarry = false;
    QObject::connect(&cursorWatch, &QTimer::timeout, [&] {
        const QCursor* shown = QApplication::overrideCursor();
        const QImage image = shown ? shown->pixmap().toImage() : QImage();
        sawDrop |= !image.isNull() && image == w->dropCursor.toImage();
        sawCarry |= !image.isNull() && image == w->carryCursor.toImage();
    });
    cursorWatch.start(15);
    select(*w->File1, {0, 1, 2}); // then drag B, which brings A and C along, to the playlist
    w->SavePkF();
    ASSERT_TRUE(drag(onScreen(*w->File1, 1), onScreen(w->lstSelected)));
    ASSERT_TRUE(waitFor([&] { return w->lstSelected->count() == 3; }, 5000));
    cursorWatch.stop();
    EXPECT_EQ(playlist(),
              QStringList({entryOf(u"A.mp3"_s), entryOf(u"B.mp3"_s), entryOf(u"C.mp3"_s)}));
    EXPECT_TRUE(sawCarry && sawDrop) << "the carry cursor, then the drop cursor over the playlist";
    EXPECT_FALSE(w->isInDragMode(w->File1) || w->showsDropCursor(w->File1));
    EXPECT_EQ(selectedRows(*w->File1), QList<int>({0, 1, 2})) << "the songs stay selected";
    select(*w->lstSelected, {1}); // B, onto the bin
    w->SavePkS();
    ASSERT_TRUE(drag(onScreen(*w->lstSelected, 1), onScreen(w->cmdClear)));
    ASSERT_TRUE(waitFor([&] { return w->lstSelected->count() == 2; }, 5000));
    EXPECT_EQ(playlist(), QStringList({entryOf(u"A.mp3"_s), entryOf(u"C.mp3"_s)}));
    EXPECT_FALSE(w->isInDragMode(w->lstSelected) || w->showsDropCursor(w->lstSelected));
    EXPECT_TRUE(prompter.shown().empty());
}
