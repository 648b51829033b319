#include "mainwindow/ListSelection.h"

#include <QItemSelectionModel>
#include <QListWidget>

QVector<bool> selectionFlags(const QListWidget& list) {
    QVector<bool> flags(list.count(), false);
    const QItemSelectionModel* model = list.selectionModel();
    if (!model)
        return flags;
    for (const QItemSelectionRange& range : model->selection())
        for (int row = std::max(range.top(), 0); row <= range.bottom() && row < flags.size(); ++row)
            flags[row] = true;
    return flags;
}

void selectFlagged(QListWidget& list, const QVector<bool>& flags) {
    QItemSelectionModel* model = list.selectionModel();
    if (!model)
        return;
    const QAbstractItemModel* items = list.model();
    const int n = std::min<int>(list.count(), flags.size());
    QItemSelection runs;
    for (int row = 0; row < n;) {
        if (!flags[row]) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < n && flags[row])
            ++row;
        runs.select(items->index(first, 0), items->index(row - 1, 0));
    }
    if (!runs.isEmpty())
        model->select(runs, QItemSelectionModel::Select);
}
