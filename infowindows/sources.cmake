list(APPEND VELMORA_CORE_SOURCES)
list(APPEND VELMORA_GUI_SOURCES
    infowindows/frmMainInfo.cpp)
