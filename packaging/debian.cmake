# `make package`: one Debian package of the three programs, built by CPack.
# Its runtime dependencies come from the binaries (dpkg-shlibdeps) plus what
# the programs load by name at run time: the font with Arial's metrics the
# windows were laid out for, and the toolkit's own translations.

# The changelog's newest entry must name the version being packaged.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^regenbogen \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with version ${PROJECT_VERSION}: ${changelog_head}")
endif()
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog maintainer_line REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- (.*>)  .*$" "\\1" REGENBOGEN_MAINTAINER "${maintainer_line}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME regenbogen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${REGENBOGEN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching programs on how a rainbow comes about")
set(CPACK_PACKAGE_DESCRIPTION "Three small interactive simulations for physics lessons, with German
or English windows. tavrin shows the ray model and the wave model of the
rainbow in a water drop; prisma plots the deviation of a ray by a prism and
its minimum; streu plots the direction of the light leaving a drop against
the impact parameter, whose turning points are the rainbow angles.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
