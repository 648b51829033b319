#include "mainwindow/PlaylistItems.h"

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
