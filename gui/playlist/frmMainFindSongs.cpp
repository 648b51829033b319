#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistModel.h"
#include "core/playlist/RecordedSongInfo.h"
#include "core/playlist/Relink.h"
#include "core/text/TextFiles.h"
#include "gui/mainwindow/DirList.h"
#include "gui/mainwindow/FileList.h"
#include "gui/mainwindow/frmMain.h"
#include "gui/playlist/PlaylistProcedures.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
// Asked for when shown, so that the translation loaded at start is used.
QString findTitle() {
    return QCoreApplication::translate("frmMain", "Find missing songs");
}

// The playing times the saved playlist file records, for the entries of the playlist shown.
// They are matched by entry, since the playlist may have changed since it was opened.
QVector<qint64> recordedSeconds(const frmMain& w) {
    const QString file = w.playlist->filePath();
    if (file.isEmpty())
        return {};
    const Result<QByteArray> bytes = readWholeFile(file);
    if (!bytes)
        return {};
    const PlaylistFormat format = w.playlist->format();
    const QVector<Entry> read = parsePlaylist(format, *bytes);
    const QVector<SongInfo> info = recordedSongInfo(format, *bytes);
    if (info.size() != read.size())
        return {};
    QHash<QString, qint64> byText;
    for (qsizetype i = 0; i < read.size(); ++i)
        byText.insert(read[i].text(), info[i].seconds);
    QVector<qint64> seconds;
    seconds.reserve(w.playlist->count());
    for (const Entry& entry : w.playlist->entries())
        seconds << byText.value(entry.text(), -1);
    return seconds;
}

QString outcomeText(const RelinkCounts& counts) {
    if (counts.missing() == 0)
        return QCoreApplication::translate("frmMain", "No song of the playlist is missing.");
    QString text =
        QCoreApplication::translate(
            "frmMain",
            "Missing songs:\t%1\nFound:\t%2\nAmbiguous (several files of the name):\t%3\n"
            "Not found:\t%4")
            .arg(counts.missing())
            .arg(counts.found)
            .arg(counts.ambiguous)
            .arg(counts.notFound);
    if (counts.found > 0)
        text += QCoreApplication::translate(
            "frmMain", "\nThe playlist is changed; save it to keep the songs found.");
    return text;
}
} // namespace

void frmMain::mnuFindSongs_Click() {
    FileDialogRequest request;
    request.title = tr("Folder to look for missing songs in");
    request.initialDir = Dir1->Path();
    const QString folder = shared().fileDialogs->getExistingFolder(request);
    if (folder.isEmpty())
        return;
    LibraryIndex library;
    if (!library.addFolder(folder)) {
        shared().prompter->inform(tr("Can't read the folder %1.").arg(folder), findTitle(),
                                  MsgIcon::Exclamation);
        return;
    }
    // Entries without a folder are looked for beside the playlist, as when marking.
    const QVector<RelinkedEntry> relinked =
        relinkMissing(playlist->entries(), playlist->bareFolder(), library, recordedSeconds(*this));
    QVector<int> rows;
    QVector<Entry> found;
    for (qsizetype row = 0; row < relinked.size(); ++row)
        if (relinked[row].outcome == RelinkOutcome::Found) {
            rows << int(row);
            found << relinked[row].entry;
        }
    playlist->replaceAt(rows, found);
    if (!rows.isEmpty())
        lstSelected->doItemsLayout(); // a longer path may be the widest entry now
    markMissingSongs();
    const RelinkCounts counts = countOutcomes(relinked);
    shared().prompter->show({outcomeText(counts), findTitle(), MsgButtons::Ok, MsgIcon::Information,
                             MsgAnswer::Ok, counts.missing() > 0});
}
