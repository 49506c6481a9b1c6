#!/bin/sh
# Installs the Debian packages the build and the tests need (the package's
# Build-Depends, the tools the program runs, the checkers of the package
# tests), only those that are missing. xvfb and xauth are for `make run`
# on a machine without a display. With --boot-check it adds what the boot
# checks in a virtual machine need (make boot-check; no test runs them).
set -eu
PACKAGES="build-essential cmake pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools libqt5x11extras5-dev
libudev-dev libssl-dev libbenchmark-dev p7zip-full genisoimage cdrskin wodim wimtools xorriso xvfb xauth
fdisk dosfstools ntfs-3g exfatprogs exfat-fuse fusefat mtools grub-common grub-pc-bin grub-efi-amd64-bin
isolinux syslinux-common pkexec
debhelper devscripts desktop-file-utils appstream libxml2-utils lintian qttranslations5-l10n fonts-droid-fallback"
[ "${1:-}" = --boot-check ] && PACKAGES="$PACKAGES qemu-system-x86 ovmf netpbm ipxe grub-rescue-pc"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
elif command -v sudo >/dev/null 2>&1; then
  SUDO="sudo"
else
  echo "Missing packages. Run as root: apt-get install -y$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -q $missing || { $SUDO apt-get update -q && $SUDO apt-get install -y -q $missing; }
