#include "platform/drives.h"

namespace Platform {

static QString& rootOverride()
{
    static QString root;
    return root;
}

QString discoveryRoot()
{
    return rootOverride().isEmpty() ? QStringLiteral("/") : rootOverride();
}

void setDiscoveryRootForTest(const QString& root)
{
    rootOverride() = root;
}

} // namespace Platform
