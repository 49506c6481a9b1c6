# The Debian package's relations, from the one tool list (tools.cmake):
# debian/rules adds this file to the package's substvars, and control names
# ${quillon:Depends}, ${quillon:Recommends} and ${quillon:Suggests}.
set(_relations depends recommends suggests)
foreach(level ${_relations})
  set(_${level})
endforeach()
foreach(row ${QUILLON_TOOLS} ${QUILLON_SYSTEM_PACKAGES})
  string(REGEX MATCHALL "[^ ]+" parts "${row}")
  list(LENGTH parts n)
  math(EXPR last "${n} - 1")
  math(EXPR pkg "${n} - 2")
  list(GET parts ${last} level)
  list(GET parts ${pkg} package)
  if(NOT level IN_LIST _relations)
    message(FATAL_ERROR "tools.cmake: \"${row}\" ends in \"${level}\", not one of ${_relations}")
  endif()
  list(APPEND _${level} ${package})
endforeach()
set(_substvars "")
foreach(level ${_relations})
  list(REMOVE_DUPLICATES _${level})
  list(JOIN _${level} ", " _joined)
  string(SUBSTRING ${level} 0 1 _first)
  string(TOUPPER ${_first} _first)
  string(SUBSTRING ${level} 1 -1 _rest)
  string(APPEND _substvars "quillon:${_first}${_rest}=${_joined}\n")
endforeach()
file(WRITE ${CMAKE_BINARY_DIR}/packaging/quillon.substvars "${_substvars}")

# What the package installs, without the tests, fuzz targets and benchmarks
# (`make install` builds nothing itself: CMAKE_SKIP_INSTALL_ALL_DEPENDENCY).
add_custom_target(package_payload DEPENDS quillon translations)
