# cpack -G DEB in the build folder: a Debian package of what cmake --install puts in place.
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build and maintain playlists of MP3 files")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Velmora builds M3U and PLS playlists of MP3 files: browse folders for songs, drag them into\n"
    "the playlist, order them and save the playlist with bare names or full paths. It shows a\n"
    "song's MPEG frame header, edits its ID3v1 tag and hands songs and playlists to the\n"
    "desktop's default player. velmora-cli does the same for scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELMORA_HOME_PAGE}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # velmora_1.7_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
if(VELMORA_CONTACT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Velmora developers <${VELMORA_CONTACT}>")
else()
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Velmora developers")
endif()
# The libraries come from the binaries themselves; the rest are loaded at run time: Qt's
# platform plugins (a window on X11 or Wayland) and the MIME database GIO asks for a song's
# default player.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VELMORA_GUI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, shared-mime-info")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion")

include(CPack)
