#!/bin/sh
# Makes four small bootable ISO images to check saved images against in a
# virtual machine (tools/bootcheck.sh):
#   table.iso   ISOLINUX (no emulation, boot info table, ldlinux.c32 beside it)
#   plain.iso   a 16-bit loader that prints a line (no emulation, no table)
#   floppy.iso  the same loader in a 1.44 MB diskette image (floppy emulation)
#   efi.iso     ISOLINUX for BIOS plus a GRUB EFI image (UEFI entry)
# Needs: genisoimage, binutils, isolinux, syslinux-common, grub-efi-amd64-bin,
# grub-common, mtools.
# Usage: tools/make-boot-images.sh OUTDIR
set -eu
out=${1:?usage: $0 OUTDIR}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

loader() { # $1 text, $2 output
  cat > "$tmp/l.s" <<ASM
.code16
.globl _start
_start:
  cli
  xor %ax, %ax
  mov %ax, %ds
  mov %ax, %ss
  mov \$0x7c00, %sp
  sti
  mov \$msg, %si
1:lodsb
  test %al, %al
  jz 2f
  mov \$0x0e, %ah
  mov \$0x0007, %bx
  int \$0x10
  jmp 1b
2:hlt
  jmp 2b
msg: .asciz "$1"
ASM
  as --32 -o "$tmp/l.o" "$tmp/l.s"
  ld -m elf_i386 -Ttext 0x7c00 --oformat binary -o "$2" "$tmp/l.o"
}

pad() { # $1 file, $2 size
  truncate -s "$2" "$1"
}

isolinux_tree() { # $1 tree, $2 text
  mkdir -p "$1/isolinux"
  cp /usr/lib/ISOLINUX/isolinux.bin /usr/lib/syslinux/modules/bios/ldlinux.c32 "$1/isolinux/"
  printf 'SAY %s\nPROMPT 1\nTIMEOUT 0\n' "$2" > "$1/isolinux/isolinux.cfg"
  echo "content" > "$1/readme.txt"
}

iso() { # $1 tree, $2 image, args...
  t=$1; i=$2; shift 2
  genisoimage -quiet -J -R -o "$i" "$@" "$t"
}

# table.iso
isolinux_tree "$tmp/table" "Quillon check: ISOLINUX loaded ldlinux.c32 beside it"
iso "$tmp/table" "$out/table.iso" -V QUILLON_TABLE -b isolinux/isolinux.bin -c isolinux/boot.cat \
  -no-emul-boot -boot-load-size 4 -boot-info-table

# plain.iso
mkdir -p "$tmp/plain/boot"
loader "Quillon check: no-emulation loader without boot info table" "$tmp/plain/boot/loader.bin"
pad "$tmp/plain/boot/loader.bin" 2048
echo "content" > "$tmp/plain/readme.txt"
iso "$tmp/plain" "$out/plain.iso" -V QUILLON_PLAIN -b boot/loader.bin -no-emul-boot -boot-load-size 4

# floppy.iso
mkdir -p "$tmp/floppy/boot"
loader "Quillon check: 1.44 MB floppy emulation" "$tmp/floppy/boot/floppy.img"
pad "$tmp/floppy/boot/floppy.img" 510
printf '\125\252' >> "$tmp/floppy/boot/floppy.img"
pad "$tmp/floppy/boot/floppy.img" 1474560
echo "content" > "$tmp/floppy/readme.txt"
iso "$tmp/floppy" "$out/floppy.iso" -V QUILLON_FLOPPY -b boot/floppy.img -c boot/boot.cat

# efi.iso
isolinux_tree "$tmp/efi" "Quillon check: BIOS entry of the BIOS+EFI image"
printf 'echo "Quillon check: GRUB started from the El Torito EFI image"\nsleep 600\n' > "$tmp/grub.cfg"
grub-mkstandalone -O x86_64-efi --install-modules="normal echo sleep configfile" --locales= --fonts= \
  -o "$tmp/BOOTX64.EFI" "boot/grub/grub.cfg=$tmp/grub.cfg"
mkdir -p "$tmp/efi/boot"
truncate -s 4M "$tmp/efi/boot/efi.img"
mformat -i "$tmp/efi/boot/efi.img" ::
mmd -i "$tmp/efi/boot/efi.img" ::/EFI ::/EFI/BOOT
mcopy -i "$tmp/efi/boot/efi.img" "$tmp/BOOTX64.EFI" ::/EFI/BOOT/BOOTX64.EFI
iso "$tmp/efi" "$out/efi.iso" -V QUILLON_EFI -b isolinux/isolinux.bin -c isolinux/boot.cat \
  -no-emul-boot -boot-load-size 4 -boot-info-table -eltorito-alt-boot -e boot/efi.img -no-emul-boot
ls -l "$out"
