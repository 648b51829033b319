<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Playlist file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New, Open, Save and Delete the playlist file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empties the playlist to start a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens an M3U or PLS playlist file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the playlist; a new playlist asks for a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete playlist file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes a playlist file from the disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file the playlist was opened from or saved to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove, move up and move down playlist entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the selected entries from the playlist: drop entries here to remove them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected entry one place up in the playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected entry one place down in the playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The volume whose folders are shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder whose songs are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 files of the folder: drag them to the playlist, or press Enter to add the selected songs; double-click for the header, right-click for the tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un-select all songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the selection in the song list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The songs of the playlist in order: drop songs here to add them; Delete removes the selected entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un-select all playlist entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clears the selection in the playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to play the saved playlist; drop playlist entries here to play them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop a song here to play it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explains the control under the pointer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Velmora icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to open the home page or the user guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
