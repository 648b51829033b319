#pragma once

#include "cli/CliIo.h"

#include <QString>

// Why a song given on the command line cannot be read, or an empty string when it can.
QString unreadableReason(const Arg& file);
