list(APPEND VELMORA_CORE_SOURCES
    infowindows/GetKeyValue.cpp
    infowindows/HomePage.cpp
    infowindows/StartSysInfo.cpp
    infowindows/ShellToBrowser.cpp)
list(APPEND VELMORA_GUI_SOURCES
    infowindows/frmMainInfo.cpp
    infowindows/frmAbout.cpp
    infowindows/frmHints.cpp)
