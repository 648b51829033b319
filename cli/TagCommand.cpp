#include "cli/Commands.h"
#include "cli/FileCheck.h"
#include "cli/OrderedRun.h"
#include "cli/Progress.h"
#include "core/mp3/GenreList.h"
#include "core/mp3/SongTags.h"
#include "core/mp3/TagEdits.h"
#include "core/mp3/TagFileAccess.h"
#include "core/mp3/TagRecord.h"
#include "core/platform/DataFolder.h"

#include <QCoreApplication>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {
const char* const kTagUsage = QT_TRANSLATE_NOOP(
    "velmora-cli",
    "Usage:\n"
    "  velmora-cli tag [--json] FILE...\n"
    "  velmora-cli tag FILE --set FIELD=VALUE...\n"
    "\n"
    "Shows the ID3v1 tag of each song and then its ID3v2 tag, or writes one song's ID3v1 tag.\n"
    "FIELD is title, artist, album, year, comment, track (0 to 255; 0 for none) or genre (a\n"
    "number, or a name from genres.txt in any case). Fields not set keep their value; a song\n"
    "without a tag gets one appended. Text is written in ISO-8859-1; longer values are cut to\n"
    "the field's width. The ID3v2 tag is only read: --set leaves it as it is.\n"
    "A FILE of '-' reads paths from standard input, one a line.\n");

// The genre list, read once; a genres.txt that cannot be read is said once, and names are then
// neither shown nor understood.
const QVector<Genre>& genres() {
    static const QVector<Genre> list = [] {
        const QString path =
            findGenresFile(QCoreApplication::applicationDirPath(), installedDataFolder());
        if (path.isEmpty())
            return QVector<Genre>();
        QString reason;
        std::optional<QVector<Genre>> read = readGenres(path, &reason);
        if (!read)
            err(QCoreApplication::translate("velmora-cli", "velmora-cli: warning: ") + path +
                u": "_s + reason +
                QCoreApplication::translate("velmora-cli", "; no genre names\n"));
        return read.value_or(QVector<Genre>());
    }();
    return list;
}

// The name of a genre number; the first line of genres.txt with that number wins.
std::optional<QString> genreName(int number) {
    static const QHash<int, QString> names = [] {
        QHash<int, QString> byNumber;
        for (const Genre& g : genres())
            if (!byNumber.contains(g.number))
                byNumber.insert(g.number, g.name);
        return byNumber;
    }();
    const auto it = names.constFind(number);
    if (number == 255 || it == names.constEnd())
        return std::nullopt;
    return *it;
}

// A song's tags: the ID3v1 tag in its last 128 bytes, the ID3v2 tag at its start.
struct SongTag {
    QString error;                // why the song could not be read; empty when it could
    std::optional<TagRecord> tag; // the ID3v1 tag, when the song has one
    std::optional<Id3v2Tag> id3v2{};
};

SongTag readTag(const Arg& file) {
    const auto tags = file.decodable() ? readSongTags(file.text) : std::nullopt;
    if (tags)
        return {{}, tags->id3v1(), tags->id3v2};
    // Only a failure is looked at closer, so that the common case costs one open.
    if (QString reason = unreadableReason(file); !reason.isEmpty())
        return {reason, {}};
    return {QCoreApplication::translate("velmora-cli", "could not be read"), {}};
}

// What is said about one song: its text or JSON line, and what goes to standard error.
struct TagAnswer {
    QByteArray out, err;
};

TagAnswer describeTag(const Arg& file, bool json) {
    const QString name = file.decodable() ? file.text : QString::fromLocal8Bit(file.raw);
    const SongTag song = readTag(file);
    if (!song.error.isEmpty()) {
        const QByteArray why = (name + u": "_s + song.error + u'\n').toUtf8();
        if (json)
            return {
                JsonLine().add("file", name).add("hasTag", false).add("error", song.error).line(),
                why};
        return {{}, why};
    }
    const std::optional<TagText> tag =
        song.tag ? std::optional<TagText>(decodeTag(*song.tag)) : std::nullopt;
    if (json) {
        JsonLine line;
        line.add("file", name).add("hasTag", tag.has_value());
        if (const auto& t = tag) {
            line.add("title", t->title)
                .add("artist", t->artist)
                .add("album", t->album)
                .add("year", t->year)
                .add("comment", t->comment)
                .add("track", std::optional<qint64>(t->track))
                .add("genre", qint64(t->genre))
                .add("genreName", genreName(t->genre));
        }
        if (const auto& v2 = song.id3v2) {
            line.beginObject("id3v2")
                .add("version", v2->versionText())
                .add("title", v2->title)
                .add("artist", v2->artist)
                .add("album", v2->album)
                .add("year", v2->year)
                .add("comment", v2->comment)
                .add("track", std::optional<qint64>(v2->track))
                .add("genre", v2->genre)
                .endObject();
        }
        return {line.line(), {}};
    }
    QString text = QCoreApplication::translate("velmora-cli", "File:\t\t") + name + u'\n';
    if (const auto& t = tag) {
        const auto g = genreName(t->genre);
        text += QCoreApplication::translate("velmora-cli", "Title:\t\t") + t->title +
                QCoreApplication::translate("velmora-cli", "\nArtist:\t\t") + t->artist +
                QCoreApplication::translate("velmora-cli", "\nAlbum:\t\t") + t->album +
                QCoreApplication::translate("velmora-cli", "\nYear:\t\t") + t->year +
                QCoreApplication::translate("velmora-cli", "\nComment:\t") + t->comment +
                QCoreApplication::translate("velmora-cli", "\nTrack:\t\t") +
                (t->track ? QString::number(*t->track) : QString()) +
                QCoreApplication::translate("velmora-cli", "\nGenre:\t\t") +
                (t->genre == 255 ? QString()
                                 : QString::number(t->genre) + (g ? u" "_s + *g : QString())) +
                u'\n';
    } else {
        text += QCoreApplication::translate("velmora-cli", "No ID3v1 tag.\n");
    }
    if (const auto& v2 = song.id3v2)
        text += QCoreApplication::translate("velmora-cli", "ID3v") + v2->versionText() +
                QCoreApplication::translate("velmora-cli", " tag:\nTitle:\t\t") + v2->title +
                QCoreApplication::translate("velmora-cli", "\nArtist:\t\t") + v2->artist +
                QCoreApplication::translate("velmora-cli", "\nAlbum:\t\t") + v2->album +
                QCoreApplication::translate("velmora-cli", "\nYear:\t\t") + v2->year +
                QCoreApplication::translate("velmora-cli", "\nComment:\t") + v2->comment +
                QCoreApplication::translate("velmora-cli", "\nTrack:\t\t") +
                (v2->track ? QString::number(*v2->track) : QString()) +
                QCoreApplication::translate("velmora-cli", "\nGenre:\t\t") + v2->genre + u'\n';
    return {text.toUtf8(), {}};
}

int showTags(const QList<Arg>& files, bool json) {
    FileArgs input(files);
    Progress progress(u"tag"_s, input.knownCount());
    int status = kExitOk;
    bool first = true;
    runInOrder<Arg, TagAnswer>([&input] { return input.next(); },
                               [json](const Arg& file) { return describeTag(file, json); },
                               [&](TagAnswer& answer) {
                                   progress.step();
                                   if (!answer.err.isEmpty()) {
                                       status = kExitFailed;
                                       progress.clear();
                                       errBytes(answer.err);
                                   }
                                   if (!json && !answer.out.isEmpty() &&
                                       !std::exchange(first, false))
                                       outBytes("\n");
                                   outBytes(answer.out);
                               });
    return status;
}

// Reads FIELD=VALUE; false after a usage message.
bool parseChange(const QString& word, TagEdits& c, int& status) {
    const qsizetype eq = word.indexOf(u'=');
    const QString field = eq < 0 ? word : word.left(eq).toLower();
    const QString value = word.mid(eq + 1);
    if (eq < 0) {
        status = usageError(
            u"tag"_s,
            u"'"_s + word + QCoreApplication::translate("velmora-cli", "' is not FIELD=VALUE."));
        return false;
    }
    if (field == u"title")
        c.title = value;
    else if (field == u"artist")
        c.artist = value;
    else if (field == u"album")
        c.album = value;
    else if (field == u"year")
        c.year = value;
    else if (field == u"comment")
        c.comment = value;
    else if (field == u"track") {
        // Read as the tag window reads its track box.
        if (!trackFromText(value)) {
            status = usageError(u"tag"_s, QCoreApplication::translate(
                                              "velmora-cli", "track is a number from 0 to 255."));
            return false;
        }
        c.track = value;
    } else if (field == u"genre") {
        bool numeric = false;
        const int n = value.trimmed().toInt(&numeric);
        if (numeric) {
            if (n < 0 || n > 255) {
                status = usageError(
                    u"tag"_s, QCoreApplication::translate(
                                  "velmora-cli", "genre is a number from 0 to 255, or a name."));
                return false;
            }
            c.genre = static_cast<quint8>(n);
        } else {
            for (const Genre& g : genres())
                if (g.name.compare(value.trimmed(), Qt::CaseInsensitive) == 0) {
                    c.genre = static_cast<quint8>(g.number);
                    break;
                }
            if (!c.genre) {
                status = usageError(u"tag"_s,
                                    QCoreApplication::translate("velmora-cli", "unknown genre '") +
                                        value + u"'."_s);
                return false;
            }
        }
    } else {
        status =
            usageError(u"tag"_s, QCoreApplication::translate("velmora-cli", "unknown field '") +
                                     field + u"'."_s);
        return false;
    }
    return true;
}

// Warns of each field whose text has to be cut or changed to fit the tag.
void warnAboutFit(const QString& file, const TagEdits& edits) {
    for (const TagMisfit& misfit : tagMisfits(edits)) {
        if (misfit.kind == TagMisfit::Kind::Cut)
            err(file + QCoreApplication::translate("velmora-cli", ": warning: ") + misfit.field +
                QCoreApplication::translate("velmora-cli", " cut to ") +
                QString::number(misfit.width) +
                QCoreApplication::translate("velmora-cli", " characters: \"") +
                misfit.written.trimmed() + u"\"\n"_s);
        else
            err(file + QCoreApplication::translate("velmora-cli", ": warning: ") + misfit.field +
                QCoreApplication::translate(
                    "velmora-cli", " has characters ISO-8859-1 cannot hold, written as \"?\"\n"));
    }
}

int setTag(const Arg& file, const TagEdits& c) {
    const QString name = file.decodable() ? file.text : QString::fromLocal8Bit(file.raw);
    const SongTag song = readTag(file);
    if (!song.error.isEmpty()) {
        err(name + QCoreApplication::translate("velmora-cli", ": not written: ") + song.error +
            u'\n');
        return kExitFailed;
    }
    warnAboutFit(name, c);
    // As the tag window saves: what it would show, with the changes made.
    std::optional<TagRecord> tag = editedTag(song.tag.value_or(TagRecord::blank()), c);
    if (!tag)
        return usageError(u"tag"_s, QCoreApplication::translate(
                                        "velmora-cli", "track is a number from 0 to 255."));
    const TagSaveResult result = writeTag(file.text, *tag);
    switch (result.status) {
    case TagSaveStatus::Saved:
        return kExitOk;
    case TagSaveStatus::Missing:
        err(name + QCoreApplication::translate("velmora-cli", ": not written: the song is gone\n"));
        break;
    case TagSaveStatus::BadLength:
        err(name + QCoreApplication::translate(
                       "velmora-cli",
                       ": not written: the song is empty or longer than 50,000,000 bytes\n"));
        break;
    case TagSaveStatus::Failed:
        err(name + QCoreApplication::translate("velmora-cli", ": not written: ") + result.error +
            u'\n');
        break;
    }
    return kExitFailed;
}
} // namespace

int tagCommand(const QList<Arg>& args) {
    if (asksForHelp(args)) {
        out(QCoreApplication::translate("velmora-cli", kTagUsage));
        return kExitOk;
    }
    bool json = false;
    bool setting = false;
    QList<Arg> files;
    TagEdits changes;
    int status = kExitOk;
    for (const Arg& a : args) {
        if (a.text == u"--json")
            json = true;
        else if (a.text == u"--set")
            setting = true;
        else if (isOption(a.text))
            return unknownOption(u"tag"_s, a.text);
        else if (setting && a.text.contains(u'=') && !files.isEmpty()) {
            if (!parseChange(a.text, changes, status))
                return status;
        } else
            files << a;
    }
    if (files.isEmpty())
        return usageError(
            u"tag"_s, QCoreApplication::translate("velmora-cli", "tag needs at least one FILE."));
    if (!setting)
        return showTags(files, json);
    if (files.size() != 1)
        return usageError(u"tag"_s, QCoreApplication::translate(
                                        "velmora-cli", "--set writes the tag of one FILE."));
    if (json)
        return usageError(
            u"tag"_s, QCoreApplication::translate("velmora-cli",
                                                  "--json shows tags; it does not go with --set."));
    return setTag(files.first(), changes);
}
