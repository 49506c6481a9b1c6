#!/bin/sh
# Boots a stick's image file (or an ISO as a CD) in QEMU without a display and
# saves what the screen shows after a while as a PNG.
#   tools/usb-boot-check.sh bios|uefi disk|cd FILE OUT.png [SECONDS]
# bios: SeaBIOS (QEMU's own); uefi: OVMF (package ovmf).
set -eu
[ $# -ge 4 ] || { echo "usage: $0 bios|uefi disk|cd FILE OUT.png [SECONDS]" >&2; exit 2; }
firmware=$1 kind=$2 file=$3 out=$4 wait=${5:-20}
set -- -m 512 -display none -monitor stdio -snapshot
[ "$firmware" = uefi ] && set -- "$@" -bios /usr/share/ovmf/OVMF.fd
if [ "$kind" = cd ]; then set -- "$@" -cdrom "$file"; else set -- "$@" -drive "file=$file,format=raw"; fi
ppm=$(mktemp --suffix=.ppm)
{ sleep "$wait"; echo "screendump $ppm"; sleep 2; echo quit; } | qemu-system-x86_64 "$@" >/dev/null
pnmtopng "$ppm" > "$out" 2>/dev/null || cp "$ppm" "$out"
rm -f "$ppm"
echo "$out"
