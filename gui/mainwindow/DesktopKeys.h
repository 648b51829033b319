#pragma once

#include <QKeySequence>
#include <QList>

// The keys of a standard command on this desktop. Qt's generic key set (a plain window manager,
// an unknown desktop) leaves some standard keys empty, Save As and Quit among them: there the
// usual key, fallback, stands in, so that every key the README promises works everywhere.
[[nodiscard]] QList<QKeySequence> desktopKeys(QKeySequence::StandardKey key,
                                              const QKeySequence& fallback);
