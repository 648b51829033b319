# Translations: translations/velmora.ts is the template (English, the source language) that
# `cmake --build build --target lupdate` writes from the sources; translations/velmora_<lang>.ts
# are the languages, compiled by lrelease beside the programs and installed in the data folder.
file(GLOB VELMORA_LANGUAGES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/velmora_*.ts)
if(NOT TARGET Qt6::lupdate)
    if(VELMORA_LANGUAGES)
        message(WARNING "Qt Linguist tools not found: the translations are not built")
    endif()
    return()
endif()

# Locations would change with every edit of a source; the texts and their classes suffice.
add_custom_target(lupdate
    COMMAND Qt6::lupdate -silent -no-obsolete -locations none -source-language en
            -I . core gui cli -ts translations/velmora.ts ${VELMORA_LANGUAGES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Writing translations/velmora.ts"
    VERBATIM)

# Beside each built program, where it looks first, and from there into the installation.
set(VELMORA_QM_FILES)
foreach(ts ${VELMORA_LANGUAGES})
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${PROJECT_BINARY_DIR}/translations/${name}.qm)
    add_custom_command(OUTPUT ${qm} ${PROJECT_BINARY_DIR}/cli/translations/${name}.qm
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/translations
                ${PROJECT_BINARY_DIR}/cli/translations
        COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
        COMMAND ${CMAKE_COMMAND} -E copy ${qm} ${PROJECT_BINARY_DIR}/cli/translations/${name}.qm
        DEPENDS ${ts}
        VERBATIM)
    list(APPEND VELMORA_QM_FILES ${qm})
endforeach()
if(VELMORA_QM_FILES)
    add_custom_target(velmora_translations ALL DEPENDS ${VELMORA_QM_FILES})
    install(FILES ${VELMORA_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/velmora/translations)
endif()
