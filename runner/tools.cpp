#include "runner/tools.h"

#include "core/util.h"
#include "platform/process.h"

#include <QHash>

namespace Tools {

static QHash<QString, QString>& testTools()
{
    static QHash<QString, QString> tools;
    return tools;
}

static QString tool(const char* relative)
{
    const QString replaced = testTools().value(QLatin1String(relative));
    if (!replaced.isEmpty())
        return replaced;
    return AppDir() + QLatin1String(relative) + Platform::exeSuffix();
}

void SetToolForTest(const QString& relative, const QString& program)
{
    if (program.isEmpty())
        testTools().remove(relative);
    else
        testTools().insert(relative, program);
}

QString archiveTool() { return tool("/7z/7z"); }
QString recorderTool() { return tool("/cdrtools/cdrecord"); }
QString readerTool() { return tool("/cdrtools/readcd"); }
QString builderTool() { return tool("/cdrtools/mkisofs"); }
QString splitterTool() { return tool("/wimlib/wimlib-imagex"); }

} // namespace Tools
