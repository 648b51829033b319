#pragma once

#include "core/playlist/PlaylistFormat.h"

#include <QString>
#include <QVector>

// The message for a save that was refused because songs cannot stand in a playlist line. It
// names every such song with its reason (the first ten, then how many more), so that the user
// can mend them all before saving again; it ends "Nothing was saved.".
QString refusalText(const QVector<Entry>& entries, const QVector<RefusedSong>& refused,
                    const PathStyle& style = PathStyle::native());
