#!/usr/bin/env python3
"""Boots USB sticks that `quillon burn` writes, in QEMU, and checks that each
reaches the loader the image itself reaches when booted as a CD.

  tools/boot-check.py [--quillon PATH] [--only WORD] [--seconds N]

Needs root (the sticks are loop devices) and qemu-system-x86, ovmf, ipxe,
grub-rescue-pc plus what tools/make-boot-images.sh needs; `make boot-check`
installs them. What a machine shows is read from the text screen (BIOS) and
the serial line (UEFI firmware mirrors its console there), so no picture has
to be judged by eye. Exit status 0 only when every case booted.
"""
import argparse
import os
import re
import socket
import subprocess
import sys
import tempfile
import time

OVMF = "/usr/share/ovmf/OVMF.fd"
HERE = os.path.dirname(os.path.abspath(__file__))


def screen_text(workdir, monitor, serial):
    dump = os.path.join(workdir, "vga")
    if os.path.exists(dump):
        os.remove(dump)
    monitor.sendall(('pmemsave 0xb8000 4000 "%s"\n' % dump).encode())
    time.sleep(0.3)
    text = ""
    if os.path.exists(dump):
        chars = open(dump, "rb").read()[0::2].decode("latin-1")
        text = "\n".join(chars[i:i + 80].rstrip() for i in range(0, len(chars), 80))
    with open(serial, "rb") as f:
        log = f.read().decode("latin-1", "replace")
    return text + "\n" + re.sub(r"\x1b\[[0-9;?=]*[A-Za-z]", "", log)


def boot(medium, kind, firmware, want, seconds):
    """Boots `medium` (a CD image or a disk) until `want` shows or time is up."""
    with tempfile.TemporaryDirectory(prefix="quillon-boot-") as work:
        mon, serial = os.path.join(work, "monitor"), os.path.join(work, "serial")
        cmd = ["qemu-system-x86_64", "-m", "512", "-display", "none", "-no-reboot", "-snapshot",
               "-net", "none", "-monitor", "unix:%s,server,nowait" % mon, "-serial", "file:" + serial]
        if firmware == "uefi":
            cmd += ["-bios", OVMF]
        cmd += ["-cdrom", medium] if kind == "cd" else ["-drive", "file=%s,format=raw" % medium]
        qemu = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            for _ in range(100):
                if os.path.exists(mon):
                    break
                time.sleep(0.1)
            monitor = socket.socket(socket.AF_UNIX)
            monitor.connect(mon)
            start, text = time.time(), ""
            while time.time() - start < seconds:
                time.sleep(2)
                text = screen_text(work, monitor, serial)
                if re.search(want, text):
                    return True, text
            return False, text
        finally:
            qemu.kill()
            qemu.wait()


class Stick:
    """A loop device over a sparse file, detached again however the case ends."""

    def __init__(self, size_mb, start_with=None):
        fd, self.file = tempfile.mkstemp(prefix="quillon-stick-", suffix=".img")
        os.close(fd)
        os.truncate(self.file, size_mb << 20)
        if start_with:
            subprocess.run(["dd", "if=" + start_with, "of=" + self.file, "conv=notrunc", "status=none"],
                           check=True)
        self.device = subprocess.run(["losetup", "--find", "--show", "--partscan", self.file], check=True,
                                     capture_output=True, text=True).stdout.strip()

    def close(self):
        subprocess.run(["losetup", "-d", self.device], check=False)
        os.remove(self.file)


def burn(quillon, image, device, style, fs):
    cmd = [quillon, "burn", image, "--usb", device, "--style", style, "--yes", "--allow-loop-device"]
    if style != "image":
        cmd += ["--file-system", fs]
    run = subprocess.run(cmd, capture_output=True, text=True, timeout=900)
    return run.returncode == 0, (run.stdout + run.stderr).strip().splitlines()[-1:] or [""]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--quillon", default=os.path.join(HERE, "..", "build", "bin", "quillon"))
    parser.add_argument("--only", default="")
    parser.add_argument("--seconds", type=int, default=90)
    args = parser.parse_args()
    if os.geteuid() != 0:
        sys.exit("boot-check: needs root for loop devices")

    images_dir = tempfile.mkdtemp(prefix="quillon-boot-images-")
    subprocess.run([os.path.join(HERE, "make-boot-images.sh"), images_dir], check=True, stdout=subprocess.DEVNULL)
    ipxe, rescue = "/usr/lib/ipxe/ipxe.iso", "/usr/lib/grub-rescue/grub-rescue-cdrom.iso"
    efi = os.path.join(images_dir, "efi.iso")
    ipxe_says, grub_says = r"iPXE initialising", r"keys to select which entry"
    efi_says = r"GRUB started from the El Torito EFI image"

    # (name, image, firmware, marker, stick style or None for the CD itself, fs, stick's start)
    cases = [
        ("ipxe cd", ipxe, "bios", ipxe_says, None, None, None),
        ("ipxe cd", ipxe, "uefi", ipxe_says, None, None, None),
        ("ipxe mbr fat32", ipxe, "bios", ipxe_says, "mbr", "FAT32", None),
        ("ipxe mbr ntfs", ipxe, "bios", ipxe_says, "mbr", "NTFS", None),
        ("ipxe gpt fat32 (was dd of ipxe)", ipxe, "uefi", ipxe_says, "gpt", "FAT32", ipxe),
        ("ipxe image", ipxe, "bios", ipxe_says, "image", None, None),
        ("ipxe image", ipxe, "uefi", ipxe_says, "image", None, None),
        ("grub-rescue cd", rescue, "bios", grub_says, None, None, None),
        ("grub-rescue mbr fat32", rescue, "bios", grub_says, "mbr", "FAT32", None),
        ("grub-rescue image", rescue, "bios", grub_says, "image", None, None),
        ("efi cd", efi, "uefi", efi_says, None, None, None),
        ("efi gpt fat32", efi, "uefi", efi_says, "gpt", "FAT32", None),
    ]
    failed = 0
    for name, image, firmware, want, style, fs, start in cases:
        if args.only and args.only not in name:
            continue
        label = "%-34s %-4s" % (name, firmware)
        if style is None:
            ok, text = boot(image, "cd", firmware, want, args.seconds)
        else:
            stick = Stick(256, start)
            try:
                burned, last = burn(args.quillon, image, stick.device, style, fs)
                if not burned:
                    print("%s FAIL  burn: %s" % (label, last[0]))
                    failed += 1
                    continue
                ok, text = boot(stick.device, "disk", firmware, want, args.seconds)
            finally:
                stick.close()
        seen = [line for line in text.splitlines() if line.strip()]
        prompt = " (stopped at grub>)" if re.search(r"^grub>", text, re.M) and not ok else ""
        print("%s %s  %s%s" % (label, "ok  " if ok else "FAIL", seen[-1][:60] if seen else "(blank)", prompt),
              flush=True)
        failed += 0 if ok else 1
    subprocess.run(["rm", "-rf", images_dir])
    print("boot-check: %s" % ("every case booted" if not failed else "%d case(s) did not boot" % failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
