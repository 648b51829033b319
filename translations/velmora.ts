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
    <name>GenreList</name>
    <message>
        <source>Not a text file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeaderReport</name>
    <message>
        <source>Filename:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kBits (VBR)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> kBits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPEG version:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A RIFF wrapper was found around the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MPEG audio frame header was found in </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HintText</name>
    <message>
        <source>Click for pop-up calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to clear date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to exit screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to save record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to retrieve record for editing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to delete record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to clear entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to add a new blank record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch here for hints/instructions.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message>
        <source>Questions? Follow the link in Help | About.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions? E-mail </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFiler</name>
    <message>
        <source>The value cannot stand in a settings line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaylistFile</name>
    <message>
        <source>Could not save %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaylistFormats</name>
    <message>
        <source>Playlists (*.m3u)|*.m3u</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists (*.pls)|*.pls</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlaylistModel</name>
    <message>
        <source>File not found: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveRefusal</name>
    <message>
        <source>its name holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name holds a character that the system&apos;s text encoding cannot write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its name is not valid text in the system&apos;s encoding, so the playlist would name another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its line would be read back as another file (an empty name, blanks at either end, a leading &quot;#EXT&quot;, or an address)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The song &quot;%1&quot; cannot be saved in this playlist: %2.
Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These %1 songs cannot be saved in this playlist:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>…and %1 more.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellToBrowser</name>
    <message>
        <source> could not find a file association for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> on your system. You should check that your browser is correctly installed and associated with .html files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> had a problem running your web browser. (Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browser Unavailable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartSysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFiles</name>
    <message>
        <source>Is a folder</source>
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
    <message>
        <source>About ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates and maintains playlists of MP3 files for use in players such as WinAmp, Media Player, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1- np (no built-in player- uses default player)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHints</name>
    <message>
        <source>Hints for Using Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Use the Tools | Options menu choice to set m3u or pls style.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. You may select multiple files using shift-click or ctrl-click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. You may drag songs from either listing to note to preview it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Playlists must be saved before using &apos;Click notes to play...&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Watch the status bar at lower-left for more hints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6. You may re-order the list with the up/down buttons above it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. Right-click a song for its ID3 tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8. To remove from playlist, drop on trash button - or highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>songs to be removed and click the trash button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9. Double-click songs in center listing to see header info.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmID</name>
    <message>
        <source>Title :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track* :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID3 Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Note: ID3v1.1 only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;genres.txt&apos; is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos; can&apos;t be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The track number must lie between 0 and 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error getting file length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, occurred while saving changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsuccessful</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An ID3v1 tag holds only ISO-8859-1 characters, in fields of fixed width, so these fields would not be saved as typed:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot; would be saved as &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find default .pls player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find default .m3u player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start the default player: it gave no command line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find default .mp3 player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must save the playlist first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start the file manager on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error changing drives.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> in playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MP3s selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove selected MP3s from playlist?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora 1.7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete playlist file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove MP3(s) from playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag &apos;n&apos; drop to Selected list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>un-select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un-select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected for playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click notes to play this playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop on note to play song</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch here for hints/instructions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 in playlist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this is playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select playlist file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlists (*.m3u)|*.m3u</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to begin a new playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to open an existing playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to save this playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to delete currently selected .m3u playlist file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag MP3s from Selected - or highlight and click here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move selected item up in playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to move selected item down in playlist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select folder with .mp3 files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click for Header info. Rt-Click for ID3 tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;drop to Trashcan or Player. Rt-click for ID3 tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is already in playlist! Add again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved. Clear selections for new list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not access this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear current selections and prepare a new playlist? (be sure you have saved any changes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No files in the playlist!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No playlist to be deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to delete it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete. Perhaps in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New playlist saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File may be in use by player. Can only view ID3. Proceed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save ID3 changes right now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tag found. Do you wish to add one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File may be in use by player. Can&apos;t add right now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry - file in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> is a stream address, not a file on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find missing songs...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to the playlist?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find missing songs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No song of the playlist is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing songs:	%1
Found:	%2
Ambiguous (several files of the name):	%3
Not found:	%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The playlist is changed; save it to keep the songs found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to look for missing songs in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read the folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled in from the song&apos;s ID3v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> tag.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Configuration Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember last mp3 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.m3u style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.pls style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paths in .mp3 filenames in playlist file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never use pathnames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always use pathnames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let computer decide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save options?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The options could not be saved to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora-cli</name>
    <message>
        <source>
Try &apos;velmora-cli </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is not valid text in this system&apos;s encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: velmora-cli header [--json] FILE...

Shows the MPEG audio frame header of each song: bitrate, frequency, channel mode, MPEG
version and layer, playing time, and whether a RIFF wrapper was found. With --json, one
object per line. A FILE of &apos;-&apos; reads paths from standard input, one a line.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a RIFF file without a &quot;data&quot; chunk in its first 1024 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header needs at least one FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a command is needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> needs a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format is m3u or pls.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paths is never, always or decide.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: not written.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: not written: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playlist show takes one FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the file name is not valid text
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: unknown playlist extension; give --format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playlist write takes OUT and at least one SONG.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the file name is not valid text; left out of the playlist
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playlist convert takes IN and OUT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown playlist extension (.m3u, .m3u8, .pls).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file name is not valid text
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playlist check takes at least one LIST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown playlist command &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velmora-cli: warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; no genre names
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Artist:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Album:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Year:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Comment:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Track:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Genre:		</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ID3v1 tag.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos; is not FIELD=VALUE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track is a number from 0 to 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>genre is a number from 0 to 255, or a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown genre &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown field &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: warning: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> cut to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> characters: &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has characters ISO-8859-1 cannot hold, written as &quot;?&quot;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: not written: the song is gone
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: not written: the song is empty or longer than 50,000,000 bytes
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tag needs at least one FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--set writes the tag of one FILE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json shows tags; it does not go with --set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: velmora-cli COMMAND [OPTIONS] ARGS...

Commands:
  header [--json] FILE...            the MPEG audio frame header of each song
  tag [--json] FILE...               the ID3v1 tag of each song
  tag FILE --set FIELD=VALUE...      write the ID3v1 tag of a song
  playlist show [--json] FILE        the entries of a playlist
  playlist write OUT SONG...         write a playlist of songs (&apos;-&apos; reads paths from stdin)
  playlist convert IN OUT            read one playlist and write another
  playlist check [--json] LIST...    the entries of playlists whose songs are missing
  playlist relink LIST... --in DIR   find missing songs again in folders, rewrite lists

Options:
  --help       help for a command (velmora-cli COMMAND --help)
  --version    the program&apos;s version

Exit status: 0 when every file was handled, 1 when any file failed, 2 for a usage error.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:
  velmora-cli playlist show [--json] [--format m3u|pls] FILE
  velmora-cli playlist write [--format m3u|pls] [--paths never|always|decide] [--extended]
                             OUT SONG...
  velmora-cli playlist convert [--paths never|always|decide] [--extended] IN OUT
  velmora-cli playlist check [--json] [--format m3u|pls] LIST...
  velmora-cli playlist relink [--json] [--dry-run] [--format m3u|pls] LIST...
                              --in FOLDER [--in FOLDER]...

The format follows the extension (.m3u and .m3u8 are M3U, .pls is PLS) unless --format
says otherwise; a playlist whose first line is [playlist] or #EXTM3U is read as PLS or
M3U whatever its name. A SONG of &apos;-&apos; reads song paths from standard input, one per line.
--paths: never writes bare file names, always full paths, decide (the default) a bare
name exactly when the song lies in the playlist&apos;s own folder.
--extended writes #EXTM3U and an #EXTINF line per song (PLS: TitleN and LengthN): the
song&apos;s artist and title from its ID3v2 tag, else its ID3v1 tag, else its file name; the
length in whole seconds, -1 when no MPEG frame is found.
file:// URIs are read as the paths they name; other addresses (http://...) are streams,
written back as they are.
check prints each entry of the LISTs whose song file is not there, one line each (--json:
one JSON object each), and exits with 1 when any is missing. A song without a folder is
looked for beside its playlist; streams are not checked.
relink finds the missing songs of the LISTs again among the .mp3 files under the FOLDERs
(names only; no song is read): a file of the same name found once is the song; of several,
the one whose folders share the most with the old path (.../Artist/Album/Song.mp3), then
the one whose playing time is the one the playlist recorded (#EXTINF, PLS LengthN). It
prints &apos;old -&gt; new&apos; for each song found, &apos;ambiguous: old (N candidates)&apos; with the
candidates below it, &apos;not found: old&apos;, and a summary per LIST (--json: one object per
missing entry, no summary). Each LIST is then rewritten whole, in its format, bare names
kept bare where the song lies beside the playlist; --dry-run writes nothing. Songs that
are there and streams are never changed, nor the order. Exits with 1 when any song was
not found or was ambiguous.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playlist needs show, write, convert, check or relink.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playlist relink takes at least one LIST.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>playlist relink needs --in FOLDER, where the songs are now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ambiguous: %1 (%2 candidates)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 relinked, %3 ambiguous, %4 not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (dry run: not rewritten)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (rewritten)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (not rewritten)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the folder cannot be read
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:
  velmora-cli tag [--json] FILE...
  velmora-cli tag FILE --set FIELD=VALUE...

Shows the ID3v1 tag of each song and then its ID3v2 tag, or writes one song&apos;s ID3v1 tag.
FIELD is title, artist, album, year, comment, track (0 to 255; 0 for none) or genre (a
number, or a name from genres.txt in any case). Fields not set keep their value; a song
without a tag gets one appended. Text is written in ISO-8859-1; longer values are cut to
the field&apos;s width. The ID3v2 tag is only read: --set leaves it as it is.
A FILE of &apos;-&apos; reads paths from standard input, one a line.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID3v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> tag:
Title:		</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
