#include "core/tools.h"

#include "core/util.h"

namespace Tools {

static QString tool(const char* relative)
{
#ifdef Q_OS_WIN
    return AppDir() + QLatin1String(relative) + QLatin1String(".exe");
#else
    return AppDir() + QLatin1String(relative);
#endif
}

QString archiveTool()
{
    return tool("/7z/7z");
}
QString recorderTool()
{
    return tool("/cdrtools/cdrecord");
}
QString readerTool()
{
    return tool("/cdrtools/readcd");
}
QString builderTool()
{
    return tool("/cdrtools/mkisofs");
}
QString xorrisoTool()
{
    return tool("/xorriso/xorriso");
}
QString splitterTool()
{
    return tool("/wimlib/wimlib-imagex");
}

QString linkedSystemTool(const QString& name)
{
    static const struct {
        const char* name;
        const char* relative;
    } linked[] = {{"mkfs.vfat", "/format/mkfs.vfat"}, {"mkntfs", "/format/mkntfs"},
        {"mkfs.exfat", "/format/mkfs.exfat"}, {"grub-mkimage", "/grub/grub-mkimage"},
        {"grub-bios-setup", "/grub/i386-pc/grub-bios-setup"}};
    for (const auto& l : linked) {
        if (name == QLatin1String(l.name))
            return tool(l.relative);
    }
    return QString();
}

QString packageOf(const QString& program)
{
    static const struct {
        const char* name;
        const char* package;
    } packages[] = {{"7z", "p7zip-full"}, {"cdrecord", "cdrskin"}, {"readcd", "wodim"}, {"mkisofs", "genisoimage"},
        {"wimlib-imagex", "wimtools"}, {"xorriso", "xorriso"}};
    QString name = program.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (name.endsWith(QLatin1String(".exe")))
        name.chop(4);
    for (const auto& p : packages) {
        if (name == QLatin1String(p.name))
            return QLatin1String(p.package);
    }
    return QString();
}

} // namespace Tools

ToolSet ToolSet::Installed()
{
    return {Tools::archiveTool(), Tools::recorderTool(), Tools::readerTool(), Tools::builderTool(),
        Tools::splitterTool(), Tools::xorrisoTool()};
}
