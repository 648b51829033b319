#include "cli/Commands.h"
#include "cli/FileCheck.h"
#include "cli/OrderedRun.h"
#include "cli/Progress.h"
#include "core/mp3/HeaderReport.h"
#include "core/mp3/MP3Hdr.h"
#include "core/text/TabularText.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
const char* const kHeaderUsage = QT_TRANSLATE_NOOP(
    "velmora-cli",
    "Usage: velmora-cli header [--json] FILE...\n"
    "\n"
    "Shows the MPEG audio frame header of each song: bitrate, frequency, channel mode, MPEG\n"
    "version and layer, playing time, and whether a RIFF wrapper was found. With --json, one\n"
    "object per line. A FILE of '-' reads paths from standard input, one a line.\n");

// The analysis of one song whose name is valid text, or why there is none.
QString analyse(const Arg& file, MP3Hdr& header) {
    if (ReadHeader(file.text, header))
        return {};
    if (header.HdrStatus == HeaderStatus::NoFrame)
        return noFrameMessage(file.text);
    // Only a failure is looked at closer, so that the common case costs one open.
    if (const QString reason = unreadableReason(file); !reason.isEmpty())
        return reason;
    if (FindRiffData(file.text) == -1)
        return QCoreApplication::translate(
            "velmora-cli", "a RIFF file without a \"data\" chunk in its first 1024 bytes");
    return QCoreApplication::translate("velmora-cli", "could not be read");
}
} // namespace

int headerCommand(const QList<Arg>& args) {
    if (asksForHelp(args)) {
        out(QCoreApplication::translate("velmora-cli", kHeaderUsage));
        return kExitOk;
    }
    bool json = false;
    QList<Arg> files;
    for (const Arg& a : args) {
        if (a.text == u"--json")
            json = true;
        else if (isOption(a.text))
            return unknownOption(u"header"_s, a.text);
        else
            files << a;
    }
    if (files.isEmpty())
        return usageError(u"header"_s, QCoreApplication::translate(
                                           "velmora-cli", "header needs at least one FILE."));

    struct Answer {
        QByteArray out, err;
        bool failed = false;
    };
    const QLocale locale;
    const std::function<Answer(const Arg&)> work = [json, &locale](const Arg& file) {
        MP3Hdr header;
        const bool decodable = file.decodable();
        const QString error = decodable ? analyse(file, header) : unreadableReason(file);
        const QString name = decodable ? file.text : QString::fromLocal8Bit(file.raw);
        if (!error.isEmpty()) {
            if (json)
                return Answer{
                    JsonLine().add("file", name).add("ok", false).add("error", error).line(),
                    {},
                    true};
            return Answer{{}, (name + u": "_s + error + u'\n').toUtf8(), true};
        }
        if (json) {
            JsonLine line;
            line.add("file", name)
                .add("ok", true)
                .add("version", versionText(header.HdrVersion))
                .add("layer", qint64(header.HdrLayer))
                .add("bitrate", qint64(header.HdrBitrate))
                .add("bitrate_mode", header.HdrVbr ? u"VBR"_s : u"CBR"_s)
                .add("average_bitrate", qint64(header.HdrAverageBitrate))
                .add("frequency", qint64(header.HdrFrequency))
                .add("mode", header.HdrMode)
                .add("riff", header.HdrRiff);
            if (header.HdrFrames >= 0)
                line.add("frames", header.HdrFrames);
            return Answer{line.add("duration_ms", header.HdrDurationMs).line(), {}};
        }
        return Answer{alignWithSpaces(headerReport(header, locale)).toUtf8(), {}};
    };

    FileArgs input(files);
    Progress progress(u"header"_s, input.knownCount());
    int status = kExitOk;
    bool first = true;
    runInOrder<Arg, Answer>([&input] { return input.next(); }, work,
                            [&](Answer& answer) {
                                progress.step();
                                if (answer.failed) {
                                    status = kExitFailed;
                                    progress.clear();
                                    errBytes(answer.err);
                                }
                                if (!json && !answer.out.isEmpty() && !std::exchange(first, false))
                                    outBytes("\n");
                                outBytes(answer.out);
                            });
    return status;
}
