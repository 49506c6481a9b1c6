#include "runner/mtools.h"

namespace Mtools {

ToolCommand CopyOutCommand(const QString& fatImage, const QString& inImage, const QString& folder)
{
    // -s folders too, -n no question before overwriting, -m keep the times.
    return {QStringLiteral("mcopy"),
        {QStringLiteral("-s"), QStringLiteral("-n"), QStringLiteral("-m"), QStringLiteral("-i"), fatImage, inImage,
            folder},
        {}};
}

} // namespace Mtools
