# The Debian package: `cpack -G DEB` in the build folder makes
# tavrel-ts_<version>_<architecture>.deb, installed under /usr. Its
# dependencies are the libraries the program links (found by dpkg-shlibdeps)
# and what it loads at run time: the X11 platform plugin, Qt's French
# translations and the fonts of its texts.
set(TAVREL_MAINTAINER "Tavrel TS <tavrel@example.org>" CACHE STRING "The maintainer named by the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrel-ts)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "projectile motion simulator for physics lessons (in French)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAVREL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVREL_WEBSITE})
set(CPACK_PACKAGE_DESCRIPTION "Tavrel TS simulates the motion of a projectile in a uniform gravitational
field, for secondary-school physics lessons: the place (Earth, Moon, Mars),
the projectile, the initial position and velocity are chosen, then the
throw is studied by its animation with its vectors, by chronophotography
and by graphs drawn live. Exercises, a getting-started activity, a
calculator and a manual come with it. The whole interface is in French.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation, fonts-dejavu-core")
# Run by root, the program may have left its marker file in its folder.
set(TAVREL_PACKAGE_DATA_DIR ${CPACK_PACKAGING_INSTALL_PREFIX}/${TAVREL_DATA_INSTALL_DIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/prerm.in ${CMAKE_BINARY_DIR}/package/prerm @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/package/prerm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
