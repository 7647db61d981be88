# A Debian package of everything `cmake --install` puts in place (scripts/package builds it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME deducto)
set(CPACK_PACKAGE_VENDOR "Deducto")
set(CPACK_PACKAGE_CONTACT "Deducto developers <deducto@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool for elementary logic")
set(CPACK_PACKAGE_DESCRIPTION
    "Deducto tests whether the conclusion of an argument follows from its premises, in \
propositional calculus, monadic predicate calculus, elementary set theory or controlled \
English, and shows each line's truth table. deducto-check checks and grades argument files \
from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries and the C library the binaries link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
