list(APPEND VELMORA_CORE_SOURCES
    mp3/MP3Hdr.cpp
    mp3/SongFile.cpp
    mp3/VbrHeader.cpp
    mp3/HeaderReport.cpp
    mp3/TagRecord.cpp
    mp3/TagEdits.cpp
    mp3/TagFileAccess.cpp
    mp3/CurrentTag.cpp
    mp3/GenreList.cpp)
list(APPEND VELMORA_GUI_SOURCES
    mp3/frmID.cpp
    mp3/frmMainTags.cpp)
