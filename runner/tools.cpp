#include "runner/tools.h"

#include "core/util.h"
#include "platform/process.h"


namespace Tools {

static QString tool(const char* relative)
{
    return AppDir() + QLatin1String(relative) + Platform::exeSuffix();
}

QString archiveTool() { return tool("/7z/7z"); }
QString recorderTool() { return tool("/cdrtools/cdrecord"); }
QString readerTool() { return tool("/cdrtools/readcd"); }
QString builderTool() { return tool("/cdrtools/mkisofs"); }
QString splitterTool() { return tool("/wimlib/wimlib-imagex"); }

} // namespace Tools

ToolSet ToolSet::Installed()
{
    return {Tools::archiveTool(), Tools::recorderTool(), Tools::readerTool(), Tools::builderTool(),
            Tools::splitterTool()};
}
