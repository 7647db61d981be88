# A Debian package of everything `cmake --install` puts in place (scripts/package builds it,
# with Debian's hardening flags, and checks it with lintian and hardening-check).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME deducto)
set(CPACK_PACKAGE_VENDOR "Deducto")
# example.org is a placeholder domain (RFC 2606): replace it with the project's own address.
set(CPACK_PACKAGE_CONTACT "Deducto developers <deducto@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool for elementary logic")
# Debian's form: the long description in lines of at most 80 columns, each after a space.
set(CPACK_PACKAGE_DESCRIPTION
    "Deducto tests whether the conclusion of an argument follows from its\n\
premises, in propositional calculus, monadic predicate calculus, elementary\n\
set theory or controlled English, and shows each line's truth table.\n\
deducto-check checks and grades argument files from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries and the C library the binaries link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Directories as Debian has them whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
