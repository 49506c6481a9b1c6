#include "platform/drives.h"

#include <cstddef>
#include <cstring>
#include <ntddscsi.h>
#include <windows.h>

namespace Platform {

namespace {

constexpr ULONG InquiryTimeoutSeconds = 5;

UINT driveType(wchar_t letter, bool withBackslash)
{
    const wchar_t root[] = {letter, L':', withBackslash ? L'\\' : L'\0', L'\0'};
    return GetDriveTypeW(root);
}

} // namespace

QList<UsbDisk> usbDisks(const QString&)
{
    QList<UsbDisk> volumes;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if (driveType(letter, true) != DRIVE_REMOVABLE)
            continue;
        const wchar_t root[] = {letter, L':', L'\\', L'\0'};
        UsbDisk volume;
        volume.device = QString::fromWCharArray(root, 2);
        wchar_t label[MAX_PATH + 1] = {};
        if (GetVolumeInformationW(root, label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0))
            volume.labels << QString::fromWCharArray(label);
        ULARGE_INTEGER available, total, free;
        if (GetDiskFreeSpaceExW(root, &available, &total, &free))
            volume.size = qint64(total.QuadPart);
        volumes.append(volume);
    }
    return volumes;
}

QStringList opticalDevices(const QString&)
{
    QStringList letters;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        if (driveType(letter, false) == DRIVE_CDROM)
            letters << QString(QChar(letter));
    }
    return letters;
}

OpticalDrive queryOpticalDrive(const QString& device, const QString&)
{
    OpticalDrive drive;
    drive.device = device;
    const QString path = QStringLiteral("\\\\.\\") + device + QLatin1Char(':');
    HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return drive;

    SCSI_ADDRESS address {};
    DWORD returned = 0;
    if (DeviceIoControl(handle, IOCTL_SCSI_GET_ADDRESS, nullptr, 0, &address, sizeof address, &returned, nullptr)) {
        drive.hasAddress = true;
        drive.bus = address.PortNumber;
        drive.target = address.TargetId;
        drive.lun = address.Lun;
        CloseHandle(handle);
        return drive;
    }

    struct {
        SCSI_PASS_THROUGH_DIRECT header;
        UCHAR sense[96];
    } request {};
    UCHAR answer[36] = {};
    request.header.Length = sizeof request.header;
    request.header.CdbLength = 6;
    request.header.SenseInfoLength = sizeof request.sense;
    request.header.DataIn = SCSI_IOCTL_DATA_IN;
    request.header.DataTransferLength = sizeof answer;
    request.header.TimeOutValue = InquiryTimeoutSeconds;
    request.header.DataBuffer = answer;
    request.header.SenseInfoOffset = offsetof(decltype(request), sense);
    request.header.Cdb[0] = 0x12; // standard INQUIRY
    request.header.Cdb[4] = sizeof answer;
    if (DeviceIoControl(handle, IOCTL_SCSI_PASS_THROUGH_DIRECT, &request, sizeof request, &request, sizeof request,
            &returned, nullptr)) {
        drive.hasProduct = true;
        const char* product = reinterpret_cast<const char*>(answer + 16);
        drive.product = QString::fromLatin1(product, int(strnlen(product, 16)));
    }
    CloseHandle(handle);
    return drive;
}

} // namespace Platform
