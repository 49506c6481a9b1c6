# Links every tool row of LINKS ("|"-separated rows of tools.cmake) to Debian's
# program at APPDIR/<relative path>. STAGE, when set, is prefixed to where the
# links are written (an install's DESTDIR); within one top-level folder the
# links are relative, as Debian wants them.
string(REPLACE "|" ";" LINKS "${LINKS}")
foreach(row ${LINKS})
  string(REGEX MATCHALL "[^ ]+" parts "${row}")
  list(GET parts 0 rel)
  list(GET parts 1 prog)
  list(GET parts 2 package)
  find_program(found_${prog} ${prog} PATHS /usr/bin /usr/sbin /bin /sbin /usr/lib/grub/i386-pc
               NO_DEFAULT_PATH NO_CACHE)
  set(link "${APPDIR}/${rel}")
  get_filename_component(dir "${link}" DIRECTORY)
  file(MAKE_DIRECTORY "${STAGE}${dir}")
  if(NOT found_${prog})
    message(WARNING "${prog} not found: ${link} is not provisioned (install ${package}, or run: make deps)")
    continue()
  endif()
  set(target "${found_${prog}}")
  string(REGEX MATCH "^/[^/]+" link_top "${dir}")
  string(REGEX MATCH "^/[^/]+" target_top "${target}")
  if(link_top STREQUAL target_top)
    file(RELATIVE_PATH target "${dir}" "${target}")
  endif()
  file(CREATE_LINK "${target}" "${STAGE}${link}" SYMBOLIC)
endforeach()
