# The external tools, one row each: the fixed path below the application
# directory where the program looks for it, Debian's program (its path as
# Debian installs it, on the merged /usr), the Debian package that ships it,
# and how the package relates to it:
#   depends     the program cannot start or do its main jobs without it
#   recommends  one job needs it, and the program says which package is missing
#   suggests    needed only on unusual systems
# The build tree, the install and the package's relations all follow this list.
set(QUILLON_TOOLS
  "7z/7z                 /usr/bin/7z                 p7zip-full   depends"
  "cdrtools/cdrecord     /usr/bin/cdrskin            cdrskin      recommends"
  "cdrtools/readcd       /usr/bin/readom             wodim        recommends"
  "cdrtools/mkisofs      /usr/bin/genisoimage        genisoimage  depends"
  # Rock Ridge links and zisofs files, and saving edited hybrid images.
  "xorriso/xorriso       /usr/bin/xorriso            xorriso      recommends"
  "wimlib/wimlib-imagex  /usr/bin/wimlib-imagex      wimtools     recommends"
  "format/mkfs.vfat      /usr/sbin/mkfs.vfat         dosfstools   recommends"
  "format/mkntfs         /usr/sbin/mkntfs            ntfs-3g      recommends"
  "format/mkfs.exfat     /usr/sbin/mkfs.exfat        exfatprogs   recommends"
  "grub/grub-mkimage     /usr/bin/grub-mkimage       grub-common  recommends"
  # BIOS boot code: grub-bios-setup with the modules grub-mkimage reads (-d).
  "grub/i386-pc          /usr/lib/grub/i386-pc       grub-pc-bin  recommends")
# Run-time needs that are not linked, package and relation. The USB burn
# partitions with sfdisk and mounts; a normal user's privileged steps go
# through pkexec, whose absence the program cannot explain, so it is a
# dependency. FUSE mounts are needed only where the kernel lacks FAT or exFAT.
set(QUILLON_SYSTEM_PACKAGES
  "fdisk       recommends"
  "mount       recommends"
  "pkexec      depends"
  "fusefat     suggests"
  "exfat-fuse  suggests")

string(REPLACE ";" "|" QUILLON_TOOLS_ARG "${QUILLON_TOOLS}")
add_custom_target(provision_tools ALL
  COMMAND ${CMAKE_COMMAND} -DAPPDIR=${QUILLON_APPDIR} "-DLINKS=${QUILLON_TOOLS_ARG}"
          -P ${CMAKE_SOURCE_DIR}/cmake/provision.cmake
  COMMENT "Linking external tools into ${QUILLON_APPDIR}"
  VERBATIM)
