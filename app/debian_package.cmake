# `cpack -G DEB` in the build folder makes trelvist_<version>_<arch>.deb of everything installed
# above, with its library dependencies worked out by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME trelvist)
set(CPACK_PACKAGE_VENDOR "The Trelvist developers")
set(CPACK_PACKAGE_CONTACT "The Trelvist developers <developers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Texas hold'em against seven computer opponents")
set(CPACK_PACKAGE_DESCRIPTION "A single-player game of fixed-limit Texas hold'em at a table of eight,
in one window. Seven computer opponents play at one of four levels, from
Amateur to Genius; each decides from its own estimate of its chances.
The cash of every seat, the options and the player's statistics are kept
between runs.")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Where Verdana, Tahoma and Georgia are missing, the table is lettered in DejaVu; the statistics
# are kept through Qt's SQLite driver, a plugin no library names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
