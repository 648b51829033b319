list(APPEND VELMORA_CORE_SOURCES
    playlist/PathStyle.cpp
    playlist/Entry.cpp
    playlist/SongAddress.cpp
    playlist/PlaylistText.cpp
    playlist/PlaylistFormat.cpp
    playlist/PlaylistFile.cpp
    playlist/SaveRefusal.cpp
    playlist/MissingSongs.cpp
    playlist/PlaylistModel.cpp
    playlist/ShellDrop.cpp
    playlist/PlaylistDialog.cpp)
list(APPEND VELMORA_GUI_SOURCES
    playlist/PlaylistProcedures.cpp
    playlist/frmMainFileCommands.cpp)
