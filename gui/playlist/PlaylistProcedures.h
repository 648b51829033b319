#pragma once

#include <QString>

class frmMain;

// What lblName shows while the playlist has no file.
inline const QString kNewPlaylistName = QStringLiteral("<new>");

// Reading and writing the playlist of the main window (lstSelected) as M3U or PLS files.

// Reads the whole file as what it is (its first line, else its ending; M3U or PLS when neither
// tells), then replaces the playlist's entries with its songs in file order and makes it the
// document. False when the file cannot be read; the playlist is then left as it was. No message.
bool OpenM3U(frmMain& w, const QString& pickedfile);
bool OpenPls(frmMain& w, const QString& pickedfile);

// How a save ended. A failed save has already told the user why; a cancelled one said nothing.
enum class SaveOutcome { Saved, Cancelled, Failed };

// The first save of a new playlist, and Save As: asks for a file with dlgCD (the caller has
// set its filter and default extension), writes every entry as the path mode (UsePaths) gives
// it in the format of the chosen name's ending (M3U or PLS when it has another), makes the
// chosen file the document and says "New playlist saved.".
// When nothing could be written an existing file is left as it was.
SaveOutcome SaveAs(frmMain& w);
SaveOutcome SaveAsPls(frmMain& w);

// Writes the playlist again to its file, in the format it was read or last saved in, and says
// "Playlist saved.". When it cannot be written the reason is shown and the old file left as it
// was.
SaveOutcome SaveEdits(frmMain& w);
