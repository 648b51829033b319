#include "gui/mainwindow/ListSelection.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace {
// A shown list works out the area to repaint range by range, measuring items as it goes; for
// thousands of scattered ranges one repaint of the whole list is far cheaper.
template <typename Change> void changeWholesale(QAbstractItemView& list, Change change) {
    const bool updates = list.updatesEnabled();
    list.setUpdatesEnabled(false);
    change();
    list.setUpdatesEnabled(updates);
    list.viewport()->update();
}
} // namespace

QVector<bool> selectionFlags(const QAbstractItemView& list) {
    QVector<bool> flags(list.model() ? list.model()->rowCount() : 0, false);
    const QItemSelectionModel* model = list.selectionModel();
    if (!model)
        return flags;
    for (const QItemSelectionRange& range : model->selection())
        for (int row = std::max(range.top(), 0); row <= range.bottom() && row < flags.size(); ++row)
            flags[row] = true;
    return flags;
}

void selectFlagged(QAbstractItemView& list, const QVector<bool>& flags) {
    QItemSelectionModel* model = list.selectionModel();
    if (!model)
        return;
    const QAbstractItemModel* items = list.model();
    const int n = std::min<int>(items->rowCount(), flags.size());
    // Only what is not selected yet: the selection model merges a new selection with the one it
    // holds range by range, so re-selecting thousands of ranges would cost their square.
    const QVector<bool> already = selectionFlags(list);
    const auto wanted = [&](int row) { return flags[row] && !already[row]; };
    QItemSelection runs;
    for (int row = 0; row < n;) {
        if (!wanted(row)) {
            ++row;
            continue;
        }
        const int first = row;
        while (row < n && wanted(row))
            ++row;
        runs.select(items->index(first, 0), items->index(row - 1, 0));
    }
    if (!runs.isEmpty())
        changeWholesale(list, [&] { model->select(runs, QItemSelectionModel::Select); });
}

void unselectAll(QAbstractItemView& list) {
    // One step for all: unselecting entry by entry costs a pass over the selection each.
    if (list.selectionModel() && list.selectionModel()->hasSelection())
        changeWholesale(list, [&] { list.clearSelection(); });
}
