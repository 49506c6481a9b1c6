#include "burn/gui/burndialog.h"

#include "burn/usbburnjob.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/progressdialog.h"

void CBurnDialog::StartUsbBurn(const UsbBurnRequest& request)
{
    if (m_usbJob)
        m_usbJob->deleteLater();
    UsbBurnJob::Options options = UsbBurnJob::defaultOptions();
    options.tools = Context().tools;
    const DriveAccess drives = Context().drives;
    options.listed = [drives](const QString& device) { return drives.FindRemovableVolume(device).has_value(); };
    m_usbJob = new UsbBurnJob(request, options, this);
    if (!m_usbProgress)
        m_usbProgress = new JobProgress(m_progress, this);
    // A disc burn before may have disabled it; the USB burn stops during the copy and the split.
    m_progress->StopButton()->setEnabled(true);
    m_usbProgress->attach(m_usbJob);
    // After the binding: the dialog is hidden before the message comes.
    connect(m_usbJob, &Job::finished, this, &CBurnDialog::onUsbBurnFinished);
    m_usbJob->start();
}

void CBurnDialog::onUsbBurnFinished()
{
    const bool succeeded = m_usbJob && m_usbJob->status() == Job::Status::Succeeded;
    if (m_usbJob)
        Dialogs().ShowMessage(m_usbJob->resultMessage(), this);
    emit sigBurnEnded(succeeded);
}
