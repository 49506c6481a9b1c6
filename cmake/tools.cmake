# The external tools, one row each: the fixed path below the application
# directory where the program looks for it, Debian's program (a name searched
# in the system's program folders, or an absolute path), and the Debian
# package that ships it. The build tree and the installed program get the same
# links, and the package depends on the packages named here.
set(QUILLON_TOOLS
  "7z/7z                 7z               p7zip-full"
  "cdrtools/cdrecord     cdrskin          cdrskin"
  "cdrtools/readcd       readom           wodim"
  "cdrtools/mkisofs      genisoimage      genisoimage"
  "wimlib/wimlib-imagex  wimlib-imagex    wimtools"
  "format/mkfs.vfat      mkfs.vfat        dosfstools"
  "format/mkntfs         mkntfs           ntfs-3g"
  "format/mkfs.exfat     mkfs.exfat       exfatprogs"
  "grub/grub-mkimage     grub-mkimage     grub-common"
  # BIOS boot code: grub-bios-setup with the modules grub-mkimage reads (-d).
  "grub/i386-pc          /usr/lib/grub/i386-pc  grub-pc-bin")
# Run-time needs that are not linked: the USB pipeline partitions with sfdisk,
# mounts, and runs its privileged steps through pkexec; where the kernel lacks
# FAT or exFAT it mounts through FUSE instead.
set(QUILLON_RUNTIME_PACKAGES fdisk mount "pkexec | policykit-1")
set(QUILLON_RECOMMENDED_PACKAGES fusefat exfat-fuse)

string(REPLACE ";" "|" QUILLON_TOOLS_ARG "${QUILLON_TOOLS}")
add_custom_target(provision_tools ALL
  COMMAND ${CMAKE_COMMAND} -DAPPDIR=${QUILLON_APPDIR} "-DLINKS=${QUILLON_TOOLS_ARG}"
          -P ${CMAKE_SOURCE_DIR}/cmake/provision.cmake
  COMMENT "Linking external tools into ${QUILLON_APPDIR}"
  VERBATIM)
