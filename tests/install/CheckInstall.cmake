# Installs the build into a fresh prefix and checks what a desktop needs from it: both
# programs answering --version with the project's version, the menu entry, icon, AppStream
# metainfo and file type, and a manual page that lists every option --help lists.
# Arguments: -DBUILD_DIR= -DPREFIX= -DVERSION=
function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    fail("cmake --install failed: ${status}")
endif()

set(id org.deducto.Deducto)
set(desktop "${PREFIX}/share/applications/${id}.desktop")
set(metainfo "${PREFIX}/share/metainfo/${id}.metainfo.xml")
set(mime "${PREFIX}/share/mime/packages/${id}.xml")
set(man "${PREFIX}/share/man/man1/deducto-check.1")
foreach(file "${PREFIX}/bin/deducto" "${PREFIX}/bin/deducto-check" "${desktop}" "${metainfo}"
        "${mime}" "${man}" "${PREFIX}/share/icons/hicolor/scalable/apps/${id}.svg"
        "${PREFIX}/share/deducto/schema/deducto-check.schema.json")
    if(NOT EXISTS "${file}")
        fail("not installed: ${file}")
    endif()
endforeach()

foreach(program deducto deducto-check)
    execute_process(COMMAND "${PREFIX}/bin/${program}" --version OUTPUT_VARIABLE shown
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT shown STREQUAL "${program} ${VERSION}\n")
        fail("${program} --version printed \"${shown}\" (status ${status})")
    endif()
endforeach()

# The entry, the file type and the metainfo must name one another.
file(READ "${desktop}" entry)
foreach(line "Categories=Education;Science;" "MimeType=application/x-deducto;"
        "Exec=deducto %f" "Icon=${id}")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
        fail("the desktop entry lacks ${line}")
    endif()
endforeach()
file(READ "${mime}" type)
if(NOT type MATCHES "type=\"application/x-deducto\"" OR NOT type MATCHES "pattern=\"\\*\\.deducto\"")
    fail("the file type does not claim *.deducto as application/x-deducto")
endif()
file(READ "${metainfo}" info)
foreach(fragment "<launchable type=\"desktop-id\">${id}.desktop</launchable>"
        "<release version=\"${VERSION}\"" "<mediatype>application/x-deducto</mediatype>")
    string(FIND "${info}" "${fragment}" at)
    if(at EQUAL -1)
        fail("the metainfo lacks ${fragment}")
    endif()
endforeach()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --strict "${metainfo}"
                    RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0)
        fail("appstreamcli validate: ${said}")
    endif()
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}" RESULT_VARIABLE status
                    OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT status EQUAL 0)
        fail("desktop-file-validate: ${said}")
    endif()
endif()

# The manual page and --help come from one text: every option of one is in the other.
execute_process(COMMAND "${PREFIX}/bin/deducto-check" --help OUTPUT_VARIABLE help)
file(READ "${man}" page)
string(REGEX MATCHALL "\n  (-[a-z], )?--[a-z-]+" options "${help}")
list(LENGTH options count)
if(count LESS 10)
    fail("--help lists only ${count} options")
endif()
foreach(option ${options})
    string(REGEX REPLACE "^\n  " "" option "${option}")
    string(REPLACE "-" "\\-" roff "${option}")
    string(FIND "${page}" "\\fB${roff}\\fR" at)
    if(at EQUAL -1)
        fail("the manual page lacks ${option}")
    endif()
endforeach()
