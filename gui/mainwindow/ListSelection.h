#pragma once

#include <QVector>

class QAbstractItemView;

// Reading and setting a list's selection in one pass over its selected ranges, so that long
// lists with scattered selections stay quick (asking entry by entry costs a pass per entry).

// One flag per entry, true where the entry is selected.
QVector<bool> selectionFlags(const QAbstractItemView& list);
// Selects every entry whose flag is true; entries without a true flag keep their selection.
void selectFlagged(QAbstractItemView& list, const QVector<bool>& flags);
// Unselects every entry.
void unselectAll(QAbstractItemView& list);
