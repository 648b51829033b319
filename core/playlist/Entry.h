#pragma once

#include "core/playlist/PathMode.h"
#include "core/playlist/PathStyle.h"

#include <QString>
#include <string_view>
#include <unordered_set>

// A playlist entry names one song: its file name and the folder that holds it. Its text, shown
// in the playlist, is the name, " {", the folder and "}" (Song.mp3 {c:\music}).
// A stream (an address such as http://radio.example/live) is no file here: it stands for itself,
// whole in name with no folder, is shown as it is and written back unchanged.
struct Entry {
    QString name;
    QString folder; // already in the path style's case; empty when the song came without one
    bool stream = false;

    QString text() const { return stream ? name : name + QStringLiteral(" {") + folder + u'}'; }
    bool operator==(const Entry&) const = default;
};

// The text after the last separator (the whole text without one).
QString FileOnly(const QString& path, const PathStyle& style = PathStyle::native());
// The text before the last separator, with one trailing separator removed; empty without one.
QString FolderOnly(const QString& path, const PathStyle& style = PathStyle::native());

// Takes an entry text apart into the file name alone and the song's full path.
void PickAPart(const QString& what, QString& fonly, QString& full,
               const PathStyle& style = PathStyle::native());

Entry entryFromPath(QStringView path, const PathStyle& style = PathStyle::native());
Entry entryFromFolderAndName(const QString& folder, const QString& name,
                             const PathStyle& style = PathStyle::native());
// The entry a song line of a playlist file names: a file URI of this computer as the path it
// stands for; any other address (see isAddress) as a stream, kept whole; anything else as a path.
Entry entryFromLine(QStringView line, const PathStyle& style = PathStyle::native());
// The song's full path: folder, separator, name; the bare name when there is no folder.
QString fullPath(const Entry& entry, const PathStyle& style = PathStyle::native());
// The entry as it names its song from any folder: read from a playlist in bareFolder, an entry
// without a folder names the song beside that playlist, and a relative folder is taken from
// there. Streams, full folders and an empty bareFolder leave the entry as it is.
Entry anchoredEntry(Entry entry, const QString& bareFolder,
                    const PathStyle& style = PathStyle::native());
// The same without a copy for the loops over whole playlists: the entry itself when it stays
// as it is, else scratch, filled.
const Entry& anchoredEntry(const Entry& entry, const QString& bareFolder, Entry& scratch,
                           const PathStyle& style = PathStyle::native());
// Where the entry's song is looked for: the full path of its anchored entry; a stream is its
// address.
QString songPath(const Entry& entry, const QString& bareFolder,
                 const PathStyle& style = PathStyle::native());

// The text a playlist file receives for the entry: the bare name, the full path, or (Decide)
// the bare name exactly when the song lies in the playlist file's own folder. A stream is
// written as it is in every mode. A full path is
// built in buffer, whose memory then serves the next entry too; the text lasts until buffer or
// entry changes.
QStringView playlistLine(const Entry& entry, PathMode mode, const QString& playlistPath,
                         QString& buffer, const PathStyle& style = PathStyle::native());

// Makes the entries of one playlist's song paths, as entryFromPath does. The songs of a
// playlist lie in few folders, so each folder's text is kept once and shared by its entries.
class EntryMaker {
public:
    explicit EntryMaker(const PathStyle& style = PathStyle::native()) : style_(style) {}
    Entry fromPath(QStringView path);

private:
    struct Hash {
        using is_transparent = void;
        // The standard library's hash: several times quicker than Qt's unseeded one here.
        size_t operator()(QStringView text) const {
            return std::hash<std::u16string_view>()(
                std::u16string_view(text.utf16(), size_t(text.size())));
        }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const { return a == b; }
    };
    PathStyle style_;
    std::unordered_set<QString, Hash, Equal> folders_;
    const QString* lastFolder_ = nullptr; // in folders_
};
