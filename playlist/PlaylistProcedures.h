#pragma once

#include <QString>

class frmMain;

// The current playlist name (lblName) while the playlist has no file.
inline const QString kNewPlaylistName = QStringLiteral("<new>");

// Reading and writing the playlist of the main window (lstSelected) as M3U or PLS files.

// Reads the whole file, then replaces the playlist's entries with its songs in file order.
// False when the file cannot be read; the playlist is then left as it was. No message.
bool OpenM3U(frmMain& w, const QString& pickedfile);
bool OpenPls(frmMain& w, const QString& pickedfile);

// The first save of a new playlist, and Save As: asks for a file with dlgCD (the caller has
// set its filter and default extension), writes every entry as the path mode (UsePaths) gives
// it, makes the chosen path the current name (lblName) and says "New playlist saved.".
// False when the dialog was cancelled or nothing could be written (the user was told why);
// an existing file is then left as it was.
bool SaveAs(frmMain& w);
bool SaveAsPls(frmMain& w);

// Writes the playlist again under the current name and says "Playlist saved.". False, with the
// reason shown and the old file left as it was, when it cannot be written.
bool SaveEdits(frmMain& w);
bool SaveEditsPls(frmMain& w);
