#include "mainwindow/PlaylistItems.h"

#include "mainwindow/ListSelection.h"

#include <QListWidget>

namespace {
constexpr int kNameRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

QListWidgetItem* makeItem(const Entry& entry) {
    auto* item = new QListWidgetItem(entry.text());
    item->setData(kNameRole, entry.name);
    item->setData(kFolderRole, entry.folder);
    return item;
}
} // namespace

void appendEntry(QListWidget& list, const Entry& entry) {
    list.addItem(makeItem(entry));
}

void appendEntries(QListWidget& list, const QVector<Entry>& entries) {
    list.setUpdatesEnabled(false);
    for (const Entry& entry : entries)
        list.addItem(makeItem(entry));
    list.setUpdatesEnabled(true);
}

Entry entryAt(const QListWidget& list, int row) {
    const QListWidgetItem* item = list.item(row);
    if (!item)
        return {};
    const QVariant name = item->data(kNameRole);
    // An entry whose text was edited in place (moved up or down) carries what the text says.
    if (name.isValid()) {
        Entry carried{name.toString(), item->data(kFolderRole).toString()};
        if (carried.text() == item->text())
            return carried;
    }
    return entryFromText(item->text());
}

QVector<Entry> allEntries(const QListWidget& list) {
    QVector<Entry> entries;
    entries.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        entries << entryAt(list, i);
    return entries;
}

void swapEntries(QListWidget& list, int a, int b) {
    QListWidgetItem* first = list.item(a);
    QListWidgetItem* second = list.item(b);
    if (!first || !second)
        return;
    for (int role : {int(Qt::DisplayRole), kNameRole, kFolderRole}) {
        const QVariant kept = first->data(role);
        first->setData(role, second->data(role));
        second->setData(role, kept);
    }
}

void removeSelectedEntries(QListWidget& list) {
    const QVector<bool> selected = selectionFlags(list);
    // Every removal would otherwise move the selection's bookmarks of all later entries.
    unselectAll(list);
    // Each run of selected entries goes in one step, so long runs cost no more than short ones.
    for (int row = selected.size() - 1; row >= 0;) {
        if (!selected[row]) {
            --row;
            continue;
        }
        const int last = row;
        while (row >= 0 && selected[row])
            --row;
        list.model()->removeRows(row + 1, last - row);
    }
}
