#include "platform/drivechange.h"

// Windows reports volume changes as WM_DEVICECHANGE to the main window's
// native event hook; there is nothing to watch here.
struct CDriveMonitor::Private { };

CDriveMonitor::CDriveMonitor(QObject* parent)
    : QObject(parent)
    , d(new Private)
{
}

CDriveMonitor::~CDriveMonitor()
{
    delete d;
}

bool CDriveMonitor::start()
{
    return false;
}

bool CDriveMonitor::isActive() const
{
    return false;
}

void CDriveMonitor::onReadable()
{
}
