list(APPEND VELMORA_CORE_SOURCES)
list(APPEND VELMORA_GUI_SOURCES
    mainwindow/frmMain.cpp
    mainwindow/DriveList.cpp
    mainwindow/DirList.cpp
    mainwindow/FileList.cpp
    mainwindow/PlaylistItems.cpp
    mainwindow/SelectionMemory.cpp
    mainwindow/Browsing.cpp
    mainwindow/DragAndDropStubs.cpp
    mainwindow/DragCursor.cpp)
