#pragma once

#include "core/playlist/Entry.h"

#include <QString>
#include <QVector>

// For each entry, true when its song file is not there (looked for as songPath says). A stream
// is never missing: whether it plays is known only when it is played. Every song is looked up
// at most once; the songs of a folder that is gone (a moved library, a disk not mounted) are
// known missing after one look at the folder.
QVector<bool> missingSongs(const QVector<Entry>& entries, const QString& bareFolder,
                           const PathStyle& style = PathStyle::native());
