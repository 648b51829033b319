#include "app/SharedState.h"
#include "mainwindow/PlaylistItems.h"
#include "mainwindow/frmMain.h"
#include "platform/Prompter.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {
// Swaps the current entry with its neighbour at to; the current entry follows the moved song,
// so that clicking again moves it further.
void moveCurrent(QListWidget& list, int to) {
    const int from = list.currentRow();
    swapEntries(list, from, to);
    list.item(from)->setSelected(false);
    list.item(to)->setSelected(true);
    list.setCurrentRow(to, QItemSelectionModel::NoUpdate);
    list.setFocus();
}
} // namespace

void frmMain::cmdUp_Click() {
    const int i = lstSelected->currentRow();
    if (lstSelected->count() < 2 || i < 1)
        return;
    moveCurrent(*lstSelected, i - 1);
    SavePkS();
}

void frmMain::cmdDn_Click() {
    const int i = lstSelected->currentRow();
    if (lstSelected->count() < 2 || i < 0 || i == lstSelected->count() - 1)
        return;
    moveCurrent(*lstSelected, i + 1);
    SavePkS();
}

void frmMain::cmdClear_Click() {
    Prompter& prompter = *shared().prompter;
    if (lstSelected->count() == 0) {
        prompter.inform(u"No MP3s selected."_s, u"Oops"_s, MsgIcon::Information);
        return;
    }
    if (!prompter.askYesNo(u"Do you want to remove selected MP3s from playlist?"_s, u"Confirm"_s,
                           MsgAnswer::No))
        return;
    removeSelectedEntries(*lstSelected);
    SavePkS();
}
