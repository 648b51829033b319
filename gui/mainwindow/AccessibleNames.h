#pragma once

class frmMain;

// What a screen reader says for each control of the main window: a name for the picture
// buttons and lists (what the picture means), a description of what a click or a drop on it
// does, and the focus order in the window's reading order: the tool row from left to right,
// then the song lists, then the playlist.
void nameMainWindowControls(frmMain& window);
