#include "cli/Commands.h"
#include "core/playlist/RelinkPlaylistFile.h"
#include "core/playlist/SaveRefusal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {
struct RelinkOptions {
    bool json = false;
    bool dryRun = false;
    std::optional<QString> format;
    QStringList folders;
    QList<Arg> lists;
};

int usage(const QString& message) {
    return usageError(u"playlist"_s, message);
}

// Parses the words after "relink"; nullopt (after a message, status set) on a usage error.
std::optional<RelinkOptions> parse(const QList<Arg>& args, int& status) {
    RelinkOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i].text;
        if (a == u"--json") {
            o.json = true;
        } else if (a == u"--dry-run") {
            o.dryRun = true;
        } else if (a == u"--in" || a == u"--format") {
            if (i + 1 >= args.size()) {
                status = usage(a + QCoreApplication::translate("velmora-cli", " needs a value."));
                return std::nullopt;
            }
            const Arg& value = args[++i];
            if (a == u"--format") {
                if (value.text.toLower() != u"m3u" && value.text.toLower() != u"pls") {
                    status = usage(
                        QCoreApplication::translate("velmora-cli", "--format is m3u or pls."));
                    return std::nullopt;
                }
                o.format = value.text.toLower();
            } else if (!value.decodable() || !QFileInfo(value.text).isDir()) {
                status = usage(QString::fromLocal8Bit(value.raw) +
                               QCoreApplication::translate("velmora-cli", ": not a folder."));
                return std::nullopt;
            } else {
                o.folders << QDir::toNativeSeparators(QFileInfo(value.text).absoluteFilePath());
            }
        } else if (isOption(a)) {
            status = unknownOption(u"playlist"_s, a);
            return std::nullopt;
        } else {
            o.lists << args[i];
        }
    }
    if (o.lists.isEmpty())
        status = usage(
            QCoreApplication::translate("velmora-cli", "playlist relink takes at least one LIST."));
    else if (o.folders.isEmpty())
        status = usage(QCoreApplication::translate(
            "velmora-cli", "playlist relink needs --in FOLDER, where the songs are now."));
    return status == kExitOk ? std::optional(o) : std::nullopt;
}

void report(const QString& list, const RelinkedEntry& r, bool json) {
    const bool found = r.outcome == RelinkOutcome::Found;
    const bool ambiguous = r.outcome == RelinkOutcome::Ambiguous;
    if (json) {
        JsonLine line;
        line.add("playlist", list)
            .add("path", r.oldPath)
            .add("status", found       ? u"relinked"_s
                           : ambiguous ? u"ambiguous"_s
                                       : u"not found"_s);
        if (found)
            line.add("new", fullPath(r.entry));
        if (ambiguous)
            line.add("candidates", r.candidates);
        line.print();
    } else if (found) {
        out(r.oldPath + u" -> "_s + fullPath(r.entry) + u'\n');
    } else if (ambiguous) {
        out(QCoreApplication::translate("velmora-cli", "ambiguous: %1 (%2 candidates)\n")
                .arg(r.oldPath)
                .arg(r.candidates.size()));
        for (const QString& candidate : r.candidates)
            out(u"  "_s + candidate + u'\n');
    } else {
        out(QCoreApplication::translate("velmora-cli", "not found: ") + r.oldPath + u'\n');
    }
}

QString summary(const QString& list, const PlaylistRelink& done, bool dryRun) {
    const RelinkCounts& c = done.counts;
    QString text =
        QCoreApplication::translate("velmora-cli", "%1: %2 relinked, %3 ambiguous, %4 not found")
            .arg(list)
            .arg(c.found)
            .arg(c.ambiguous)
            .arg(c.notFound);
    if (c.found > 0)
        text += dryRun ? QCoreApplication::translate("velmora-cli", " (dry run: not rewritten)")
                : done.written ? QCoreApplication::translate("velmora-cli", " (rewritten)")
                               : QCoreApplication::translate("velmora-cli", " (not rewritten)");
    return text + u'\n';
}

// Relinks one playlist; true when it was read, every missing song was found and any rewrite
// succeeded.
bool relinkOne(const Arg& list, PlaylistFormat format, const LibraryIndex& library,
               const RelinkOptions& o) {
    if (!list.decodable()) {
        err(QString::fromLocal8Bit(list.raw) +
            QCoreApplication::translate("velmora-cli", ": the file name is not valid text\n"));
        return false;
    }
    const QString path = QDir::toNativeSeparators(QFileInfo(list.text).absoluteFilePath());
    const PlaylistRelink done = relinkPlaylistFile(path, format, library, o.dryRun);
    if (!done.read) {
        err(list.text + u": "_s + done.reason + u'\n');
        return false;
    }
    for (const RelinkedEntry& r : done.entries)
        if (r.outcome != RelinkOutcome::Kept)
            report(list.text, r, o.json);
    if (!o.json)
        out(summary(list.text, done, o.dryRun));
    bool ok = done.counts.found == done.counts.missing();
    if (done.counts.found > 0 && !o.dryRun && !done.written) {
        err(list.text + QCoreApplication::translate("velmora-cli", ": not written: ") +
            done.notWritten + u'\n');
        ok = false;
    }
    return ok;
}
} // namespace

int relinkCommand(const QList<Arg>& args) {
    int status = kExitOk;
    const std::optional<RelinkOptions> o = parse(args, status);
    if (!o)
        return status;
    // Every list's format is known before any is touched: a usage error changes nothing.
    QVector<PlaylistFormat> formats;
    for (const Arg& list : o->lists) {
        const std::optional<PlaylistFormat> format = formatOf(list.text, o->format);
        if (!format)
            return usage(list.text +
                         QCoreApplication::translate(
                             "velmora-cli", ": unknown playlist extension; give --format."));
        formats << *format;
    }
    LibraryIndex library;
    for (const QString& folder : o->folders)
        if (!library.addFolder(folder)) {
            err(folder +
                QCoreApplication::translate("velmora-cli", ": the folder cannot be read\n"));
            return kExitFailed;
        }
    for (qsizetype i = 0; i < o->lists.size(); ++i)
        if (!relinkOne(o->lists[i], formats[i], library, *o))
            status = kExitFailed;
    return status;
}
