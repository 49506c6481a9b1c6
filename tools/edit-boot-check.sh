#!/bin/sh
# Does an image saved by `quillon edit` boot as the original does? Makes a
# hybrid BIOS+UEFI image with grub-mkrescue from Debian's GRUB files, adds a
# file to it with `quillon edit`, makes the same change with xorriso's own
# `-boot_image any replay`, and boots all of them in QEMU from a CD drive and
# as a disk, with SeaBIOS and with OVMF (tools/bootcheck.sh). The edited
# image passes a way when its screen equals the replay's and differs from
# that of an image that does not boot; the original's screen is shown beside.
# Needs: grub-common, grub-pc-bin, grub-efi-amd64-bin, mtools, xorriso,
# qemu-system-x86, ovmf, python3, and the built program.
# Usage: tools/edit-boot-check.sh [BUILD_DIR] [OUTPUT_DIR]
set -eu
build=${1:-build}
out=${2:-$build/boot-check}
quillon="$build/bin/quillon"
here=$(dirname "$0")
[ -x "$quillon" ] || { echo "$quillon is missing: build first" >&2; exit 2; }
for tool in grub-mkrescue xorriso mformat qemu-system-x86_64 python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
done
[ -f /usr/share/ovmf/OVMF.fd ] || { echo "OVMF is missing (package ovmf)" >&2; exit 2; }
mkdir -p "$out"
rm -f "$out"/original.iso "$out"/edited.iso "$out"/replay.iso "$out"/noboot.iso "$out"/*-cd-*.png "$out"/*-disk-*.png
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# GRUB shows a fixed line, and a second one once it finds the added file.
mkdir -p "$tmp/tree/boot/grub"
cat > "$tmp/tree/boot/grub/grub.cfg" <<'CFG'
echo "Quillon boot check: GRUB read its configuration from the image"
if [ -e /quillon-added.txt ]; then echo "Quillon boot check: the added file is in the image"; fi
sleep 600
CFG
echo "added by quillon edit" > "$tmp/added.txt"
grub-mkrescue -o "$out/original.iso" "$tmp/tree" -- -volid QUILLON_BOOT 2>"$tmp/mkrescue.log" \
  || { cat "$tmp/mkrescue.log" >&2; exit 1; }
xorriso -indev "$out/original.iso" -report_system_area plain 2>/dev/null | sed 's/^/  original: /'

QT_QPA_PLATFORM=offscreen "$quillon" edit "$out/original.iso" --output "$out/edited.iso" \
  --add "$tmp/added.txt=/quillon-added.txt"
xorriso -indev "$out/original.iso" -outdev "$out/replay.iso" -compliance no_emul_toc -boot_image any replay \
  -map "$tmp/added.txt" /quillon-added.txt -commit 2>/dev/null
mkdir -p "$tmp/plain"
echo "no boot record" > "$tmp/plain/readme.txt"
xorriso -as mkisofs -quiet -o "$out/noboot.iso" "$tmp/plain" 2>/dev/null

for way in "cd bios" "cd uefi" "disk bios" "disk uefi"; do
  set -- $way
  flags=""
  [ "$1" = disk ] && flags="--disk"
  wait=15
  [ "$2" = uefi ] && flags="$flags --uefi" && wait=35
  for image in original edited replay noboot; do
    # shellcheck disable=SC2086
    "$here/bootcheck.sh" $flags "$out/$image.iso" "$out/$image-$1-$2.png" "$wait" >/dev/null 2>&1 \
      || rm -f "$out/$image-$1-$2.png"
  done
done

python3 - "$out" <<'PY'
import struct, sys, zlib, os
out = sys.argv[1]

def pixels(path):
    # bootcheck.sh writes one IDAT stream of unfiltered RGB rows.
    if not os.path.exists(path):
        return None
    data = open(path, "rb").read()
    pos, idat, size = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            size = struct.unpack(">II", body[:8])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    w, h = size
    return size, b"".join(raw[y * (w * 3 + 1) + 1:(y + 1) * (w * 3 + 1)] for y in range(h))

def differ(a, b):
    if a is None or b is None or a[0] != b[0]:
        return 1.0
    pa, pb = a[1], b[1]
    n = len(pa) // 3
    return sum(pa[i * 3:i * 3 + 3] != pb[i * 3:i * 3 + 3] for i in range(n)) / n

failed = 0
for way in ("cd-bios", "cd-uefi", "disk-bios", "disk-uefi"):
    shot = {name: pixels("%s/%s-%s.png" % (out, name, way)) for name in ("original", "edited", "replay", "noboot")}
    boots = lambda name: shot[name] is not None and differ(shot[name], shot["noboot"]) > 0.01
    same = differ(shot["edited"], shot["replay"]) < 0.002
    if not boots("original"):
        verdict = "the original does not boot this way either"
    elif boots("edited") and same:
        verdict = "boots like the original (screen as xorriso's replay)"
    else:
        verdict = "DOES NOT BOOT like the original"
        failed += 1
    print("%-10s original boots: %-3s edited boots: %-3s edited = replay: %-3s original/edited differ: %5.2f%%  -> %s"
          % (way, "yes" if boots("original") else "no", "yes" if boots("edited") else "no", "yes" if same else "no",
             100 * differ(shot["original"], shot["edited"]), verdict))
print("screens in %s" % out)
sys.exit(1 if failed else 0)
PY
