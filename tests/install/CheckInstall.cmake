# Installs the build into a fresh prefix and checks what a desktop and a Debian package need
# from it: both programs answering --version with the project's version (and the window
# program --help without a display), the menu entry, the icons at every size, AppStream
# metainfo and file type, the manual pages compressed reproducibly and listing every option
# --help lists, the copyright and changelog, and the worked examples.
# Arguments: -DBUILD_DIR= -DPREFIX= -DVERSION= -DSOURCE_DIR=
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
set(man "${PREFIX}/share/man/man1/deducto-check.1.gz")
set(windowMan "${PREFIX}/share/man/man1/deducto.1.gz")
set(doc "${PREFIX}/share/doc/deducto")
set(examples "${PREFIX}/share/deducto/examples")
foreach(file "${PREFIX}/bin/deducto" "${PREFIX}/bin/deducto-check" "${desktop}" "${metainfo}"
        "${mime}" "${man}" "${windowMan}" "${PREFIX}/share/icons/hicolor/scalable/apps/${id}.svg"
        "${doc}/copyright" "${doc}/changelog.gz" "${examples}/propositional_example.deducto"
        "${examples}/natural_example.deducto" "${PREFIX}/share/deducto/screenshots/main-window.png"
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

# Debian's checks reject an uncompressed page, and a gzip header with a name or a time in it
# makes two builds of one source differ.
foreach(file "${man}" "${windowMan}" "${doc}/changelog.gz")
    file(READ "${file}" header LIMIT 8 HEX)
    string(SUBSTRING "${header}" 0 4 magic)
    string(SUBSTRING "${header}" 6 2 flags)
    string(SUBSTRING "${header}" 8 8 mtime)
    if(NOT magic STREQUAL "1f8b" OR NOT flags STREQUAL "00" OR NOT mtime STREQUAL "00000000")
        fail("${file} is not gzip without name and time stamp: ${header}")
    endif()
endforeach()

# Each PNG is a square of its folder's size (the width and height in the IHDR chunk).
foreach(size 16 32 48 64 128 256)
    set(png "${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${id}.png")
    if(NOT EXISTS "${png}")
        fail("not installed: ${png}")
    endif()
    file(READ "${png}" header LIMIT 24 HEX)
    math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" expected "${expected}")
    string(LENGTH "${expected}" digits)
    math(EXPR pad "8 - ${digits}")
    string(REPEAT "0" ${pad} zeros)
    set(expected "${zeros}${expected}")
    string(SUBSTRING "${header}" 32 16 dimensions)
    if(NOT dimensions STREQUAL "${expected}${expected}")
        fail("${png} is not ${size} by ${size}: ${dimensions}")
    endif()
endforeach()

# The copyright in Debian's machine-readable form, naming the licence of LICENSE.
file(READ "${doc}/copyright" copyright)
foreach(fragment "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        "\nFiles: *\n" "\nLicense: Expat\n")
    string(FIND "${copyright}" "${fragment}" at)
    if(at EQUAL -1)
        fail("the copyright file lacks ${fragment}")
    endif()
endforeach()
execute_process(COMMAND gzip -dc "${doc}/changelog.gz" OUTPUT_VARIABLE changes)
if(NOT changes MATCHES "^deducto \\(${VERSION}\\) ")
    fail("the changelog does not start with version ${VERSION}")
endif()

# The examples are the samples, every one of them.
file(GLOB samples RELATIVE "${SOURCE_DIR}/samples" "${SOURCE_DIR}/samples/*.deducto")
file(GLOB installed RELATIVE "${examples}" "${examples}/*")
list(LENGTH samples count)
if(count LESS 4 OR NOT samples STREQUAL installed)
    fail("the examples are ${installed}, the samples ${samples}")
endif()

# The window program answers --help with no display to open a window on, and refuses an
# unknown option on standard error.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM "${PREFIX}/bin/deducto" --help
                RESULT_VARIABLE status OUTPUT_VARIABLE shown ERROR_VARIABLE said)
if(NOT status EQUAL 0 OR NOT shown MATCHES "^Usage: deducto " OR NOT said STREQUAL "")
    fail("deducto --help without a display: status ${status}, printed \"${shown}\", \"${said}\"")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                        "${PREFIX}/bin/deducto" --no-such-option
                RESULT_VARIABLE status OUTPUT_VARIABLE shown ERROR_VARIABLE said)
if(NOT status EQUAL 1 OR NOT shown STREQUAL "" OR NOT said MATCHES "unknown option")
    fail("deducto --no-such-option: status ${status}, \"${shown}\", \"${said}\"")
endif()

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
        "<release version=\"${VERSION}\"" "<mediatype>application/x-deducto</mediatype>"
        "<project_license>MIT</project_license>" "<developer_name>"
        "<screenshot type=\"default\">")
    string(FIND "${info}" "${fragment}" at)
    if(at EQUAL -1)
        fail("the metainfo lacks ${fragment}")
    endif()
endforeach()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --pedantic "${metainfo}"
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

# Each manual page and its program's --help come from one text: every option of one is in the
# other.
execute_process(COMMAND "${PREFIX}/bin/deducto-check" --help OUTPUT_VARIABLE help)
execute_process(COMMAND gzip -dc "${man}" OUTPUT_VARIABLE page)
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
execute_process(COMMAND "${PREFIX}/bin/deducto" --help OUTPUT_VARIABLE help)
execute_process(COMMAND gzip -dc "${windowMan}" OUTPUT_VARIABLE page)
foreach(option "-h, --help" "--version")
    string(REPLACE "-" "\\-" roff "${option}")
    string(FIND "${help}" "  ${option}" inHelp)
    string(FIND "${page}" "\\fB${roff}\\fR" inPage)
    if(inHelp EQUAL -1 OR inPage EQUAL -1)
        fail("deducto's --help or manual page lacks ${option}")
    endif()
endforeach()
if(NOT page MATCHES "deducto\\\\-check \\(1\\)")
    fail("deducto(1) does not refer to deducto-check(1)")
endif()
