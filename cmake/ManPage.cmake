# A manual page rendered at build time by GENERATOR (a program writing roff to standard output)
# and compressed as Debian installs them (-n: no name or time stamp, so that the build is
# reproducible). Installs NAME.1.gz in section 1.
find_program(GZIP gzip REQUIRED)
function(deducto_manpage name generator)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${name}.1)
    add_custom_command(OUTPUT ${page}.gz
                       COMMAND ${generator} > ${page}
                       COMMAND ${GZIP} -9 -n -f ${page}
                       DEPENDS ${generator}
                       COMMENT "Writing the manual page of ${name}")
    add_custom_target(${name}-man ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
