# The picture set is drawn by code (tools/pictgen). Its PNGs, the resource
# list and the application icon (packaging/icons) are committed;
# `cmake --build <dir> --target pictures` redraws them.
find_package(Qt5 5.15 REQUIRED COMPONENTS Gui)
file(GLOB PICTGEN_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/tools/pictgen/*.cpp ${CMAKE_SOURCE_DIR}/tools/pictgen/*.h)
add_executable(pictgen EXCLUDE_FROM_ALL ${PICTGEN_SOURCES})
target_link_libraries(pictgen PRIVATE Qt5::Gui)
set_target_properties(pictgen PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools/pictgen)

add_custom_target(pictures
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:pictgen> ${CMAKE_SOURCE_DIR}/resources/pictures
          --qrc ${CMAKE_SOURCE_DIR}/resources/pictures.qrc
          --icons ${CMAKE_SOURCE_DIR}/packaging/icons --icon-name ${QUILLON_APP_ID}
  DEPENDS pictgen
  COMMENT "Redrawing resources/pictures"
  VERBATIM)
