# Provision the external tools next to the executable, at the same fixed
# relative paths the program uses: symlinks to Debian's packaged programs.
set(QUILLON_TOOL_LINKS
  "7z/7z=7z"
  "cdrtools/cdrecord=cdrskin"
  "cdrtools/readcd=readom"
  "cdrtools/mkisofs=genisoimage"
  "wimlib/wimlib-imagex=wimlib-imagex")
string(REPLACE ";" "|" QUILLON_TOOL_LINKS_ARG "${QUILLON_TOOL_LINKS}")
add_custom_target(provision_tools ALL
  COMMAND ${CMAKE_COMMAND} -DAPPDIR=${QUILLON_APPDIR} "-DLINKS=${QUILLON_TOOL_LINKS_ARG}"
          -P ${CMAKE_SOURCE_DIR}/cmake/provision.cmake
  COMMENT "Linking external tools into ${QUILLON_APPDIR}"
  VERBATIM)
