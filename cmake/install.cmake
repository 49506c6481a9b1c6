# `cmake --install`: the program and its tool links in lib/quillon (it finds
# everything beside itself), the `quillon` command, the privileged USB helper
# outside PATH with its polkit action, the desktop entry, icons, metainfo and
# man page. debian/ adds the copyright, changelog and compression.
set(QUILLON_INSTALL_APPDIR lib/quillon)
set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)

install(TARGETS quillon RUNTIME DESTINATION ${QUILLON_INSTALL_APPDIR})

file(MAKE_DIRECTORY ${QUILLON_APPDIR}/translations)
install(DIRECTORY ${QUILLON_APPDIR}/translations DESTINATION ${QUILLON_INSTALL_APPDIR}
        FILES_MATCHING PATTERN "*.qm")

# The links point at Debian's paths whether or not the tool is installed on
# the build machine: what a package contains must not depend on where it was
# built. A link to a Recommends that is not installed dangles, and the program
# reports that tool as missing.
set(_appdir ${CMAKE_INSTALL_PREFIX}/${QUILLON_INSTALL_APPDIR})
foreach(row ${QUILLON_TOOLS})
  string(REGEX MATCHALL "[^ ]+" parts "${row}")
  list(GET parts 0 rel)
  list(GET parts 1 target)
  get_filename_component(dir ${_appdir}/${rel} DIRECTORY)
  string(REGEX MATCH "^/[^/]+" link_top "${dir}")
  string(REGEX MATCH "^/[^/]+" target_top "${target}")
  if(link_top STREQUAL target_top)
    file(RELATIVE_PATH target ${dir} ${target})
  endif()
  install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}${dir}\")
    file(CREATE_LINK ${target} \"\$ENV{DESTDIR}${_appdir}/${rel}\" SYMBOLIC)")
endforeach()
install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK ../${QUILLON_INSTALL_APPDIR}/quillon \"\$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/quillon\" SYMBOLIC)")

# The helper's path is fixed: the polkit action names it.
install(FILES ${PACKAGING_DIR}/${QUILLON_APP_ID}.policy DESTINATION share/polkit-1/actions)
function(quillon_install_usb_helper)
  if(TARGET quillon-usb-helper)
    install(TARGETS quillon-usb-helper RUNTIME DESTINATION libexec/quillon)
    add_dependencies(package_payload quillon-usb-helper)
  endif()
endfunction()
# The helper's target may be defined after this file is read.
if(CMAKE_VERSION VERSION_GREATER_EQUAL 3.19)
  cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL quillon_install_usb_helper)
else()
  quillon_install_usb_helper()
endif()

install(FILES ${PACKAGING_DIR}/${QUILLON_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PACKAGING_DIR}/${QUILLON_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${PACKAGING_DIR}/icons/ DESTINATION share/icons)
install(FILES ${PACKAGING_DIR}/quillon.1 DESTINATION share/man/man1)

