#include "cli/Progress.h"

#include "cli/CliIo.h"

#include <QCoreApplication>
#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {
constexpr qint64 kQuietMs = 1000;
constexpr qint64 kEveryMs = 100;
} // namespace

Progress::Progress(QString command, qint64 total)
    : command_(std::move(command)), total_(total), terminal_(isatty(fileno(stderr)) != 0) {
    clock_.start();
}

Progress::~Progress() {
    clear();
}

void Progress::step() {
    ++done_;
    if (!terminal_)
        return;
    const qint64 now = clock_.elapsed();
    if (now < kQuietMs || (shown_ && now - shownAt_ < kEveryMs))
        return;
    shownAt_ = now;
    shown_ = true;
    err(u"\r"_s + command_ + u": "_s + QString::number(done_) +
        (total_ >= 0 ? QCoreApplication::translate("velmora-cli", " of ") + QString::number(total_)
                     : QString()) +
        QCoreApplication::translate("velmora-cli", " files"));
    std::fflush(stderr);
}

void Progress::clear() {
    if (!shown_)
        return;
    err(u"\r\x1b[K"_s);
    shown_ = false;
}
