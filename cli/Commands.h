#pragma once

#include "cli/CliIo.h"
#include "core/playlist/PlaylistFormat.h"

#include <optional>

// Each takes the words after its command name and returns the exit status.
int headerCommand(const QList<Arg>& args);
int tagCommand(const QList<Arg>& args);
int playlistCommand(const QList<Arg>& args);
// playlist relink: the words after "relink".
int relinkCommand(const QList<Arg>& args);

// The format of the playlist at path: the one --format names (m3u, pls...), else the one its
// ending names; nothing when neither says.
std::optional<PlaylistFormat> formatOf(const QString& path, const std::optional<QString>& given);
