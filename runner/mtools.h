#pragma once

#include "runner/toolcommand.h"

// mtools: files out of a FAT image without mounting it (an El Torito EFI
// image holds the UEFI loader of some images).
namespace Mtools {

// Copies the folder `inImage` ("::/EFI") of the FAT image into `folder`.
ToolCommand CopyOutCommand(const QString& fatImage, const QString& inImage, const QString& folder);

} // namespace Mtools
