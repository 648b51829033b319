#pragma once

#include <QString>

// Path modes: how a song is written into a playlist file.
enum class PathMode { Never = 0, Always = 1, Decide = 2 };
// The mode a UsePaths text stands for; anything but 0 or 1 lets the computer decide.
PathMode pathModeFromText(const QString& usePaths);
