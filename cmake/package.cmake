# Debian package through CPack: `cpack -G DEB` in the build folder, or
# `cmake --build build --target package`.
set(_depends)
foreach(row ${QUILLON_TOOLS})
  string(REGEX MATCHALL "[^ ]+" parts "${row}")
  list(GET parts 2 package)
  list(APPEND _depends ${package})
endforeach()
list(REMOVE_DUPLICATES _depends)
list(APPEND _depends ${QUILLON_RUNTIME_PACKAGES})
list(JOIN _depends ", " QUILLON_PACKAGE_DEPENDS)
list(JOIN QUILLON_RECOMMENDED_PACKAGES ", " QUILLON_PACKAGE_RECOMMENDS)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillon developers <maintainers@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop toolkit for ISO disc images")
set(CPACK_PACKAGE_DESCRIPTION
  "Quillon makes a bootable USB stick from an ISO image or writes it to a
CD/DVD, extracts chosen files and folders from an ISO image, creates an ISO
image from files and folders, edits an image's content while keeping it
bootable, and reads a CD/DVD into an ISO image. It runs 7-Zip, the
cdrecord/readcd/mkisofs family, wimlib and the file system tools for this work.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION otherosfs)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/quillon-iso/quillon)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${QUILLON_PACKAGE_DEPENDS}")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "${QUILLON_PACKAGE_RECOMMENDS}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
