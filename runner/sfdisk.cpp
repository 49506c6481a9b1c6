#include "runner/sfdisk.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Sfdisk {

QString MbrType(const QString& fileSystem)
{
    if (fileSystem == QLatin1String("FAT32") || fileSystem == QLatin1String("FAT"))
        return QStringLiteral("c");
    return QStringLiteral("7");
}

ToolCommand NewTableCommand(const QString& disk, Style style, const QString& fileSystem)
{
    ToolCommand c;
    c.program = QStringLiteral("sfdisk");
    c.arguments = QStringList {QStringLiteral("--quiet"), QStringLiteral("--wipe"), QStringLiteral("always"),
        QStringLiteral("--wipe-partitions"), QStringLiteral("always"), disk};
    if (style == Style::Gpt)
        c.input = QStringLiteral("label: gpt\nstart=%1, type=%2\n").arg(FirstSector).arg(EfiSystemType).toLatin1();
    else
        c.input = QStringLiteral("label: dos\nstart=%1, type=%2, bootable\n")
                      .arg(FirstSector)
                      .arg(MbrType(fileSystem))
                      .toLatin1();
    return c;
}

ToolCommand DumpCommand(const QString& disk)
{
    return {QStringLiteral("sfdisk"), {QStringLiteral("--json"), disk}, {}};
}

std::optional<Table> ParseJson(const QByteArray& json)
{
    const QJsonObject object = QJsonDocument::fromJson(json).object().value(QLatin1String("partitiontable")).toObject();
    if (object.isEmpty())
        return std::nullopt;
    Table table;
    table.label = object.value(QLatin1String("label")).toString();
    for (const QJsonValue& value : object.value(QLatin1String("partitions")).toArray()) {
        const QJsonObject p = value.toObject();
        table.partitions << Partition {p.value(QLatin1String("node")).toString(),
            qint64(p.value(QLatin1String("start")).toDouble()), qint64(p.value(QLatin1String("size")).toDouble()),
            p.value(QLatin1String("type")).toString().toUpper(), p.value(QLatin1String("bootable")).toBool()};
    }
    return table;
}

} // namespace Sfdisk

namespace Wipefs {

ToolCommand WipeCommand(const QStringList& devices)
{
    return {QStringLiteral("wipefs"), QStringList {QStringLiteral("--all"), QStringLiteral("--force")} + devices, {}};
}

} // namespace Wipefs
