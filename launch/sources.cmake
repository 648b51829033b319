list(APPEND VELMORA_CORE_SOURCES
    launch/PlayerCommand.cpp)
list(APPEND VELMORA_GUI_SOURCES
    launch/frmMainPlay.cpp)
