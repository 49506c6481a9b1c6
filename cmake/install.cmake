# `cmake --install`: the program and its tool links in lib/quillon (it finds
# everything beside itself), the `quillon` command, the desktop entry, icons,
# metainfo, man page and the Debian documentation files.
set(QUILLON_INSTALL_APPDIR lib/quillon)
set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS quillon RUNTIME DESTINATION ${QUILLON_INSTALL_APPDIR})

file(MAKE_DIRECTORY ${QUILLON_APPDIR}/translations)
install(DIRECTORY ${QUILLON_APPDIR}/translations DESTINATION ${QUILLON_INSTALL_APPDIR}
        FILES_MATCHING PATTERN "*.qm")

install(CODE "
  set(STAGE \"\$ENV{DESTDIR}\")
  set(APPDIR \"\${CMAKE_INSTALL_PREFIX}/${QUILLON_INSTALL_APPDIR}\")
  set(LINKS \"${QUILLON_TOOLS_ARG}\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/provision.cmake\")
  file(MAKE_DIRECTORY \"\${STAGE}\${CMAKE_INSTALL_PREFIX}/bin\")
  file(CREATE_LINK ../${QUILLON_INSTALL_APPDIR}/quillon \"\${STAGE}\${CMAKE_INSTALL_PREFIX}/bin/quillon\" SYMBOLIC)")

install(FILES ${PACKAGING_DIR}/${QUILLON_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PACKAGING_DIR}/${QUILLON_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${PACKAGING_DIR}/icons/ DESTINATION share/icons)

# Debian wants these compressed, reproducibly and at maximum compression.
set(QUILLON_GZ_DIR ${CMAKE_BINARY_DIR}/packaging)
foreach(f quillon.1 changelog.Debian)
  add_custom_command(OUTPUT ${QUILLON_GZ_DIR}/${f}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLON_GZ_DIR}
    COMMAND sh -c "gzip -9n < '${PACKAGING_DIR}/${f}' > '${QUILLON_GZ_DIR}/${f}.gz'"
    DEPENDS ${PACKAGING_DIR}/${f}
    VERBATIM)
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${QUILLON_GZ_DIR}/quillon.1.gz ${QUILLON_GZ_DIR}/changelog.Debian.gz)
install(FILES ${QUILLON_GZ_DIR}/quillon.1.gz DESTINATION share/man/man1)
install(FILES ${QUILLON_GZ_DIR}/changelog.Debian.gz ${PACKAGING_DIR}/copyright DESTINATION share/doc/quillon)
install(FILES ${PACKAGING_DIR}/lintian-overrides DESTINATION share/lintian/overrides RENAME quillon)

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
