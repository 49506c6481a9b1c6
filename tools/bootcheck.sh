#!/bin/sh
# Boots an ISO image in QEMU without KVM (SeaBIOS, or OVMF with --uefi) from
# a CD drive, or with --disk as a hard disk (what a stick written with the
# image is), waits, and saves the screen as a PNG file.
# Usage: tools/bootcheck.sh [--uefi] [--disk] IMAGE OUTPUT.png [SECONDS]
set -eu
usage="usage: $0 [--uefi] [--disk] IMAGE OUTPUT.png [SECONDS]"
firmware=""
disk=""
while [ $# -gt 0 ]; do
  case $1 in
    --uefi) firmware="-bios /usr/share/ovmf/OVMF.fd"; shift ;;
    --disk) disk=1; shift ;;
    *) break ;;
  esac
done
image=${1:?$usage}
png=${2:?$usage}
wait=${3:-20}
if [ -n "$disk" ]; then
  set -- -boot c -drive "file=$image,format=raw,snapshot=on"
else
  set -- -boot d -cdrom "$image"
fi
tmp=$(mktemp -d)
sock="$tmp/monitor"
# shellcheck disable=SC2086
qemu-system-x86_64 -m 256 -display none -no-reboot $firmware "$@" \
  -monitor "unix:$sock,server,nowait" &
qemu=$!
trap 'kill $qemu 2>/dev/null || true; rm -rf "$tmp"' EXIT
sleep "$wait"
python3 - "$sock" "$tmp/screen.ppm" "$png" <<'PY'
import socket, struct, sys, time, zlib
sock, ppm, png = sys.argv[1:4]
s = socket.socket(socket.AF_UNIX)
s.connect(sock)
s.sendall(("screendump %s\n" % ppm).encode())
time.sleep(1)
s.sendall(b"quit\n")
time.sleep(0.5)
data = open(ppm, "rb").read()
# P6 header: magic, width, height, maximum, then RGB bytes.
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pixels = data[pos + 1:]
w, h = int(fields[1]), int(fields[2])
raw = b"".join(b"\0" + pixels[y * w * 3:(y + 1) * w * 3] for y in range(h))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xffffffff)
with open(png, "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))
print("%s: %dx%d" % (png, w, h))
PY
wait $qemu 2>/dev/null || true
