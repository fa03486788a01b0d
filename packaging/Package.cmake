# The Debian package that tools/package.sh writes with cpack: the install
# above, under /usr, as navigation-system_<version>_<arch>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME navigation-system)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The install runs with DESTDIR and the prefix /usr, so the menu entry names
# /usr/bin/navigation-system and the font becomes a link.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(NAV_MAINTAINER "导航系统开发者 <navigation-system@example.org>" CACHE STRING
    "the Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NAV_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "map of a small district with route finding and a map editor")
set(CPACK_PACKAGE_DESCRIPTION
    "A 640x480 desktop program that shows a small district as a map of hotels,
banks, food places and supermarkets joined by roads. Users log in, drag and
zoom the map, click a spot or a road for its details, and pick two spots for
the best route under one of seven criteria, with its distance, driving and
walking time and cost. The administrator edits the map and the accounts.
All text is Chinese; each user's data is kept in their own folder.")
# The libraries the program links, as dpkg-shlibdeps finds them, and the font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-wqy-microhei)

include(CPack)
