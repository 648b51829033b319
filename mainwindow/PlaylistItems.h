#pragma once

#include "playlist/Entry.h"

#include <QVector>

class QListWidget;

// The playlist shows each entry's text and carries its name and folder alongside, so that names
// the text cannot give back whole (a "{" in a name, blanks at its ends) still reach the song.
void appendEntry(QListWidget& list, const Entry& entry);
void appendEntries(QListWidget& list, const QVector<Entry>& entries);
// The entry at row: the carried name and folder, or the split of its text when it carries none.
Entry entryAt(const QListWidget& list, int row);
QVector<Entry> allEntries(const QListWidget& list);
// Swaps the entries at rows a and b: text and carried name and folder alike.
void swapEntries(QListWidget& list, int a, int b);
// Removes the selected entries, from the bottom up; the others keep their order.
void removeSelectedEntries(QListWidget& list);
