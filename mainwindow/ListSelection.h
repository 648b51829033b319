#pragma once

#include <QVector>

class QListWidget;

// Reading and setting a list's selection in one pass over its selected ranges, so that long
// lists with scattered selections stay quick (asking entry by entry costs a pass per entry).

// One flag per entry, true where the entry is selected.
QVector<bool> selectionFlags(const QListWidget& list);
// Selects every entry whose flag is true; entries without a true flag keep their selection.
void selectFlagged(QListWidget& list, const QVector<bool>& flags);
// Unselects every entry.
void unselectAll(QListWidget& list);
