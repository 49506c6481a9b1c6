# The twelve interface languages. The .ts sources live in resources/translations;
# `cmake --build <dir> --target lupdate` brings them up to date with the code,
# and every build compiles them into translations/qt_XX.qm next to the executable.
set(QUILLON_LANGUAGES en zh ja fr de es pt pl it ru nl sv)
# Folders that hold the program's own texts.
set(QUILLON_TEXT_DIRS app burn core image pages platform runner ui)

set(QUILLON_TS_DIR ${CMAKE_SOURCE_DIR}/resources/translations)
set(QUILLON_QM_DIR ${QUILLON_APPDIR}/translations)
set(QUILLON_TS_FILES)
foreach(lang ${QUILLON_LANGUAGES})
  list(APPEND QUILLON_TS_FILES ${QUILLON_TS_DIR}/qt_${lang}.ts)
endforeach()

# Options and source list shared by the lupdate target and the test that checks
# the .ts files against the code.
set(QUILLON_LUPDATE_OPTIONS -locations none -extensions cpp,h)
set(QUILLON_LUPDATE_ARGS ${CMAKE_BINARY_DIR}/lupdate-sources.txt)
set(_args "-I${CMAKE_SOURCE_DIR}\n")
foreach(dir ${QUILLON_TEXT_DIRS})
  string(APPEND _args "${CMAKE_SOURCE_DIR}/${dir}\n")
endforeach()
file(GENERATE OUTPUT ${QUILLON_LUPDATE_ARGS} CONTENT "${_args}")

add_custom_target(lupdate
  COMMAND ${Qt5_LUPDATE_EXECUTABLE} ${QUILLON_LUPDATE_OPTIONS} -no-obsolete @${QUILLON_LUPDATE_ARGS} -ts ${QUILLON_TS_FILES}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Updating the .ts files from the sources"
  VERBATIM)

# Qt's own texts (standard dialogs, shortcut names) go into the same file,
# where the Qt installation has them.
get_target_property(_qmake Qt5::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${_qmake} -query QT_INSTALL_TRANSLATIONS
  OUTPUT_VARIABLE QT_TRANSLATIONS_DIR OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
get_target_property(_lrelease Qt5::lrelease IMPORTED_LOCATION)
get_filename_component(_qtbin ${_lrelease} DIRECTORY)
find_program(QUILLON_LCONVERT lconvert HINTS ${_qtbin})

set(QUILLON_QM_FILES)
foreach(lang ${QUILLON_LANGUAGES})
  set(ts ${QUILLON_TS_DIR}/qt_${lang}.ts)
  set(own ${CMAKE_BINARY_DIR}/translations/own_${lang}.qm)
  set(qm ${QUILLON_QM_DIR}/qt_${lang}.qm)
  set(qtbase)
  foreach(name qtbase_${lang} qtbase_${lang}_CN qtbase_${lang}_BR)
    if(NOT qtbase AND EXISTS ${QT_TRANSLATIONS_DIR}/${name}.qm)
      set(qtbase ${QT_TRANSLATIONS_DIR}/${name}.qm)
    endif()
  endforeach()
  if(qtbase AND QUILLON_LCONVERT)
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/translations ${QUILLON_QM_DIR}
      COMMAND ${_lrelease} -silent ${ts} -qm ${own}
      COMMAND ${QUILLON_LCONVERT} -i ${own} -i ${qtbase} -o ${qm}
      DEPENDS ${ts}
      VERBATIM)
  else()
    add_custom_command(OUTPUT ${qm}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${QUILLON_QM_DIR}
      COMMAND ${_lrelease} -silent ${ts} -qm ${qm}
      DEPENDS ${ts}
      VERBATIM)
  endif()
  list(APPEND QUILLON_QM_FILES ${qm})
endforeach()
add_custom_target(translations ALL DEPENDS ${QUILLON_QM_FILES})
