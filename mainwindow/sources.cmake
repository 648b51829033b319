list(APPEND VELMORA_CORE_SOURCES
    mainwindow/HintText.cpp
    mainwindow/BrowsableVolumes.cpp)
list(APPEND VELMORA_GUI_SOURCES
    mainwindow/frmMain.cpp
    mainwindow/ElidedLabel.cpp
    mainwindow/DriveList.cpp
    mainwindow/DirList.cpp
    mainwindow/FileList.cpp
    mainwindow/PlaylistView.cpp
    mainwindow/ListSelection.cpp
    mainwindow/SelectionMemory.cpp
    mainwindow/SongPaths.cpp
    mainwindow/Browsing.cpp
    mainwindow/ListDragState.cpp
    mainwindow/ListPresses.cpp
    mainwindow/ListKeys.cpp
    mainwindow/FocusOutline.cpp
    mainwindow/DragFeedback.cpp
    mainwindow/MovingSongs.cpp
    mainwindow/EditingCommands.cpp
    mainwindow/ShowHint.cpp
    mainwindow/HintBar.cpp
    mainwindow/Counters.cpp
    mainwindow/EventRouting.cpp)
