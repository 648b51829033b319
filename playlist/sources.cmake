list(APPEND VELMORA_CORE_SOURCES
    playlist/PathStyle.cpp
    playlist/Entry.cpp)
list(APPEND VELMORA_GUI_SOURCES
    playlist/frmMainFileCommands.cpp)
