list(APPEND VELMORA_CORE_SOURCES
    app/AtomicFile.cpp
    app/ProfileFile.cpp
    app/IniFiler.cpp
    app/LeadingNumber.cpp
    app/Settings.cpp
    app/SharedState.cpp
    app/TextFiles.cpp)
list(APPEND VELMORA_GUI_SOURCES
    app/CenterForm.cpp
    app/frmMainStartup.cpp
    app/frmMainOptions.cpp
    app/frmOptions.cpp
    app/LayoutScale.cpp
    app/SvgPicture.cpp)
