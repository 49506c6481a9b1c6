#pragma once

#include <QString>

// How the stick is made: a new MBR or GPT table with one formatted partition
// and the image's files on it, or the image written to the whole stick as it
// is (images made for that, hybrid images).
enum class UsbStyle { Mbr, Gpt, Image };

// What the burn page hands the USB pipeline once every check has passed and
// the user confirmed that the stick will be erased.
struct UsbBurnRequest {
    QString image; // the ISO image
    QString device; // the chosen whole disk ("/dev/sdb"; "E:" on Windows)
    QString fileSystem; // "FAT32", "NTFS", "exFAT" or "FAT", as the list shows it; unused for Image
    QString label; // volume label, upper case, at most 11 characters; unused for Image
    UsbStyle style = UsbStyle::Mbr;

    bool gpt() const { return style == UsbStyle::Gpt; }
};
