// The stages of a USB burn that differ on Windows: the format command and
// bootsect through the command interpreter, on a drive letter.
#include "burn/usbburnjob.h"

#ifdef Q_OS_WIN

#include <QProcessEnvironment>

using Plan = UsbToolStep::Plan;

namespace {

QString commandInterpreter()
{
    return QProcessEnvironment::systemEnvironment().value(QStringLiteral("WINDIR"))
        + QStringLiteral("\\System32\\cmd.exe");
}

} // namespace

QString UsbBurnJob::checkPlatform() const
{
    return QString(); // format.com's file systems take every name an image holds
}

void UsbBurnJob::addDeviceStages()
{
    // cmd.exe reads these as syntax, whatever quoting is tried.
    step(
        tr("Checking the label"),
        [this] {
            // The loader inside the El Torito EFI image is copied by the Linux stages only.
            if (!m_efiImage.isEmpty()) {
                m_uefi = false;
                m_noUefiReason = tr("the image has no EFI/BOOT/BOOTX64.EFI");
            }
            const QString unsafe = UsbPlan::UnsafeLabelCharacters(m_request.label);
            return unsafe.isEmpty() ? QString() : tr("The volume label cannot contain %1.").arg(unsafe);
        },
        1);
    tool(
        tr("Formatting the USB disk"), tr("The USB disk is under formating..."),
        [this] {
            m_touched = true;
            m_mountPoint = m_volume.device;
            QStringList args {
                QStringLiteral("/c"), QStringLiteral("format"), m_volume.device, QStringLiteral("/FS:") + m_fileSystem};
            if (!m_request.label.isEmpty())
                args << QStringLiteral("/V:") + m_request.label;
            args << QStringLiteral("/Q") << QStringLiteral("/X") << QStringLiteral("/Y");
            return Plan {commandInterpreter(), args, false, QString()};
        },
        4);
    tool(
        tr("Installing the boot code"), tr("The USB disk is installing bootsect..."),
        [this] {
            if (m_request.gpt()) {
                Plan plan;
                plan.skip = true;
                return plan;
            }
            m_biosInstalled = true;
            return Plan {commandInterpreter(),
                {QStringLiteral("/c"), QStringLiteral("bootsect.exe"), QStringLiteral("/nt60"), m_volume.device,
                    QStringLiteral("/force"), QStringLiteral("/mbr")},
                false, QString()};
        },
        1);
}

void UsbBurnJob::buildImageMode()
{
    // No raw writer here yet: refused before anything is touched.
    step(
        tr("Checking the request"),
        [] { return tr("Writing the image as it is is not available on this system; choose MBR or GPT."); }, 1);
}

void UsbBurnJob::addFinalStages()
{
    // Windows flushes a removable drive as it writes; nothing is mounted by us.
}

void UsbBurnJob::cleanUpStick()
{
}

#endif
