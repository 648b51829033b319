#include "cli/Commands.h"
#include "cli/FileCheck.h"
#include "mp3/HeaderReport.h"
#include "mp3/MP3Hdr.h"
#include "platform/TabularText.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {
const char* const kHeaderUsage =
    "Usage: velmora-cli header [--json] FILE...\n"
    "\n"
    "Shows the MPEG audio frame header of each song: bitrate, frequency, channel mode, MPEG\n"
    "version and layer, and whether a RIFF wrapper was found. With --json, one object per line.\n";

// The analysis of one song, or why there is none.
QString analyse(const Arg& file, MP3Hdr& header) {
    if (!file.decodable())
        return unreadableReason(file);
    if (ReadHeader(file.text, header))
        return {};
    if (header.HdrStatus == HeaderStatus::NoFrame)
        return noFrameMessage(file.text);
    // Only a failure is looked at closer, so that the common case costs one open.
    if (const QString reason = unreadableReason(file); !reason.isEmpty())
        return reason;
    if (FindRiffData(file.text) == -1)
        return u"a RIFF file without a \"data\" chunk in its first 1024 bytes"_s;
    return u"could not be read"_s;
}
} // namespace

int headerCommand(const QList<Arg>& args) {
    if (asksForHelp(args)) {
        out(QString::fromLatin1(kHeaderUsage));
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
        return usageError(u"header"_s, u"header needs at least one FILE."_s);

    int status = kExitOk;
    bool first = true;
    for (const Arg& file : files) {
        MP3Hdr header;
        const QString error = analyse(file, header);
        const QString name = file.decodable() ? file.text : QString::fromLocal8Bit(file.raw);
        if (!error.isEmpty()) {
            status = kExitFailed;
            if (json)
                JsonLine().add("file", name).add("ok", false).add("error", error).print();
            else
                err(name + u": "_s + error + u'\n');
            continue;
        }
        if (json) {
            JsonLine()
                .add("file", name)
                .add("ok", true)
                .add("version", versionText(header.HdrVersion))
                .add("layer", qint64(header.HdrLayer))
                .add("bitrate", qint64(header.HdrBitrate))
                .add("frequency", qint64(header.HdrFrequency))
                .add("mode", header.HdrMode)
                .add("riff", header.HdrRiff)
                .print();
        } else {
            const QString report = alignWithSpaces(headerReport(header, QLocale()));
            out((first ? QString() : u"\n"_s) + report);
            first = false;
        }
    }
    return status;
}
