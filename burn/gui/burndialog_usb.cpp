#include "burn/gui/burndialog.h"

#include "ui/messages.h"

#include <QDir>

void CBurnDialog::StartUsbBurn(const UsbBurnRequest& request)
{
    ShowMessage(tr("Making a bootable USB drive is not available in this version yet. Nothing was written to %1.")
                    .arg(QDir::toNativeSeparators(request.device)),
                this);
    emit sigBurnEnded(false);
}
