// Any bytes as a song: the frame header analysis and its report. The analysis reads files, so
// each input is written to a file in memory-backed storage first.
#include "core/mp3/HeaderReport.h"
#include "core/mp3/MP3Hdr.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QString path = (QDir(u"/dev/shm"_s).exists() ? u"/dev/shm"_s : QDir::tempPath()) +
                                u"/velmora-header-fuzz-"_s + QString::number(getpid()) + u".mp3"_s;
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    MP3Hdr header;
    const bool found = ReadHeader(path, header);
    if (found != (header.HdrStatus == HeaderStatus::Found))
        std::abort();
    if (found) {
        if (header.HdrFramePos < 0 || header.HdrFramePos + 4 > static_cast<qint64>(size))
            std::abort(); // a frame reported outside the file
        (void)headerReport(header, QLocale(QLocale::English));
    }
    (void)FindRiffData(path);
    return 0;
}
