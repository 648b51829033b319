# Fails when a file of core/ or cli/ includes a header of Qt's window modules (QtGui, QtWidgets,
# QtSvg...) or anything of gui/, or when core/ includes cli/. Run by the build (core/CMakeLists.txt)
# as: cmake -DROOT=<source> -DQT_INCLUDES=<QtCore's include folders> -DSTAMP=<file> -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.22)

# Every header name of Qt's window modules, found beside QtCore's own include folder.
set(window_headers)
foreach(dir IN LISTS QT_INCLUDES)
    if(dir MATCHES "QtCore$")
        get_filename_component(qt_root "${dir}" DIRECTORY)
        foreach(module QtGui QtWidgets QtSvg QtSvgWidgets QtOpenGL QtOpenGLWidgets)
            if(IS_DIRECTORY "${qt_root}/${module}")
                list(APPEND window_headers "${module}")
                file(GLOB names RELATIVE "${qt_root}/${module}" "${qt_root}/${module}/Q*")
                list(APPEND window_headers ${names})
            endif()
        endforeach()
    endif()
endforeach()
# Without Qt's window modules installed, their best-known names still count.
list(APPEND window_headers QtGui QtWidgets QWidget QApplication QGuiApplication QMessageBox
     QFileDialog QPainter QPixmap QIcon QColor QPalette QScreen)
list(REMOVE_DUPLICATES window_headers)

set(faults)
file(GLOB_RECURSE files "${ROOT}/core/*.h" "${ROOT}/core/*.cpp" "${ROOT}/cli/*.h" "${ROOT}/cli/*.cpp")
foreach(file IN LISTS files)
    file(RELATIVE_PATH rel "${ROOT}" "${file}")
    file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
        get_filename_component(base "${header}" NAME)
        string(REGEX MATCH "^[^/]+" first "${header}")
        if(header MATCHES "^gui/")
            list(APPEND faults "${rel}: includes ${header}, window code")
        elseif(rel MATCHES "^core/" AND header MATCHES "^cli/")
            list(APPEND faults "${rel}: includes ${header}, the command-line tool")
        elseif(base IN_LIST window_headers OR first IN_LIST window_headers)
            list(APPEND faults "${rel}: includes <${header}>, a window-toolkit header")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "The engine and velmora-cli must not include window code:\n  ${text}")
endif()
file(TOUCH "${STAMP}")
