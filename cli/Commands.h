#pragma once

#include "cli/CliIo.h"

// Each takes the words after its command name and returns the exit status.
int headerCommand(const QList<Arg>& args);
int tagCommand(const QList<Arg>& args);
int playlistCommand(const QList<Arg>& args);
// playlist relink: the words after "relink".
int relinkCommand(const QList<Arg>& args);
