#include "core/platform/Prompter.h"
#include "core/platform/SharedState.h"
#include "core/playlist/PlaylistModel.h"
#include "gui/mainwindow/frmMain.h"

using namespace Qt::StringLiterals;

namespace {
// Swaps the current entry with its neighbour at to: the moved song is selected there and its
// old place unselected. The current entry follows the song, so that clicking again moves it
// further.
void moveCurrent(PlaylistView& list, PlaylistModel& playlist, int to) {
    const int from = list.currentRow();
    playlist.swap(from, to);
    // Every change of the selection costs Qt passes over all of it, a long scattered selection
    // too: the rows not yet as they should be change in one step, and none when both are.
    QItemSelection flips;
    for (const int row : {from, to})
        if (list.selectedFlags()[row] == (row == from))
            flips.select(playlist.index(row), playlist.index(row));
    if (!flips.isEmpty())
        list.selectionModel()->select(flips, QItemSelectionModel::Toggle);
    list.setCurrentRow(to, QItemSelectionModel::NoUpdate);
    list.setFocus();
}
} // namespace

void frmMain::cmdUp_Click() {
    const int i = lstSelected->currentRow();
    if (lstSelected->count() < 2 || i < 1)
        return;
    moveCurrent(*lstSelected, *playlist, i - 1);
    SavePkS();
}

void frmMain::cmdDn_Click() {
    const int i = lstSelected->currentRow();
    if (lstSelected->count() < 2 || i < 0 || i == lstSelected->count() - 1)
        return;
    moveCurrent(*lstSelected, *playlist, i + 1);
    SavePkS();
}

void frmMain::cmdClear_Click() {
    Prompter& prompter = *shared().prompter;
    if (lstSelected->count() == 0) {
        prompter.inform(tr("No MP3s selected."), tr("Oops"), MsgIcon::Information);
        return;
    }
    if (!prompter.askYesNo(tr("Do you want to remove selected MP3s from playlist?"), tr("Confirm"),
                           MsgAnswer::No))
        return;
    lstSelected->removeSelected();
    SavePkS();
}
