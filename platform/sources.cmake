list(APPEND VELMORA_CORE_SOURCES
    platform/SplitCommandLine.cpp
    platform/TabularText.cpp)
list(APPEND VELMORA_GUI_SOURCES
    platform/QtPrompter.cpp
    platform/QtFileDialogs.cpp
    platform/DesktopShell.cpp
    platform/SystemRegistry.cpp)
if(TARGET PkgConfig::GIO)
    list(APPEND VELMORA_GUI_SOURCES platform/DesktopApps.cpp)
endif()
