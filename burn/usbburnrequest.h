#pragma once

#include <QString>

// What the burn page hands the USB pipeline once every check has passed and
// the user confirmed the format.
struct UsbBurnRequest {
    QString image; // the ISO image
    QString device; // the chosen volume's device identity ("/dev/sdb1"; "E:" on Windows)
    QString fileSystem; // "FAT32", "NTFS", "exFAT" or "FAT", as the list shows it
    QString label; // volume label, upper case, at most 11 characters
    bool gpt = false; // GPT (UEFI) style: always FAT32, no BIOS boot code
};
