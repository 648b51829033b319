#pragma once

#include "core/platform/FileDialogs.h"
#include "core/playlist/PlaylistFormat.h"

// The settings of the playlist file dialog (dlgCD).

// Flag words of the common dialog: explorer style with long names, the read-only box hidden and
// the current folder left alone; Open also wants an existing file, and the save dialog asks
// before replacing one.
constexpr quint32 kDialogHideReadOnly = 0x4;
constexpr quint32 kDialogOverwritePrompt = 0x2;
constexpr quint32 kDialogNoChangeDir = 0x8;
constexpr quint32 kDialogFileMustExist = 0x1000;
constexpr quint32 kDialogExplorer = 0x80000;
constexpr quint32 kDialogLongNames = 0x200000;
constexpr quint32 kPlaylistOpenFlags = kDialogLongNames | kDialogExplorer | kDialogFileMustExist |
                                       kDialogNoChangeDir | kDialogHideReadOnly;
constexpr quint32 kPlaylistSaveFlags = kDialogLongNames | kDialogExplorer | kDialogNoChangeDir |
                                       kDialogHideReadOnly | kDialogOverwritePrompt;

// Sets the filter and default extension for the style: PLS for 1, M3U for every other value.
void setDialogForStyle(FileDialogRequest& dialog, PlaylistFormat style);
