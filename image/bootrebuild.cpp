#include "image/bootrebuild.h"

#include "image/eltorito.h"
#include "image/isocontent.h"
#include "runner/isobuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QtEndian>

#include <functional>

namespace {

constexpr qint64 SectorBytes = 2048;
constexpr int TableStart = 8;
constexpr int TableEnd = 64;
// Larger images are named by their loaded bytes only; no loader or EFI
// image comes near this.
constexpr qint64 MaxWholeImage = Q_INT64_C(256) * 1024 * 1024;

// The messages' translation context.
struct BootRebuild {
    Q_DECLARE_TR_FUNCTIONS(BootRebuild)
};

QByteArray readAt(QFile& file, qint64 position, qint64 length)
{
    if (length <= 0 || position < 0 || position + length > file.size() || !file.seek(position))
        return QByteArray();
    QByteArray data = file.read(length);
    return data.size() == length ? data : QByteArray();
}

quint32 le32(const QByteArray& data, int at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

// Equal, with bytes 8..63 left out when `maskTable` is set.
bool sameBytes(const QByteArray& a, const QByteArray& b, qint64 length, bool maskTable)
{
    if (a.size() < length || b.size() < length)
        return false;
    if (!maskTable || length <= TableStart)
        return std::equal(a.constData(), a.constData() + length, b.constData());
    const qint64 tail = qMax<qint64>(length, TableEnd);
    return std::equal(a.constData(), a.constData() + TableStart, b.constData())
        && (length <= TableEnd || std::equal(a.constData() + TableEnd, a.constData() + tail, b.constData() + TableEnd));
}

// The end of a hard-disk image: its one partition's last sector.
qint64 hardDiskBytes(const QByteArray& mbr)
{
    if (mbr.size() < 512 || uchar(mbr[510]) != 0x55 || uchar(mbr[511]) != 0xAA)
        return 0;
    qint64 end = 0;
    for (int i = 0; i < 4; ++i) {
        const int at = 446 + 16 * i;
        if (mbr[at + 4] == 0)
            continue;
        end = qMax(end, (qint64(le32(mbr, at + 8)) + le32(mbr, at + 12)) * 512);
    }
    return end;
}

QString imagePath(const QString& modelName)
{
    QString path = modelName;
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString workingPath(const QString& workingFolder, const QString& modelName)
{
    return workingFolder + QLatin1Char('/') + imagePath(modelName);
}

void forEachFile(const IsoEntry& folder, const std::function<void(const IsoEntry&)>& visit)
{
    for (int i = 0; i < folder.childCount(); ++i) {
        const IsoEntry& entry = *folder.child(i);
        if (entry.isDir)
            forEachFile(entry, visit);
        else
            visit(entry);
    }
}

// The model file that holds the original catalog, or one that stands for it
// (an image read through UDF lists the catalog as an empty file).
QString findCatalog(const ImageBootRecord& original, const IsoEntry& root, const QString& workingFolder)
{
    QString byContent, byName;
    forEachFile(root, [&](const IsoEntry& entry) {
        if (!byContent.isEmpty())
            return;
        const QString path = workingPath(workingFolder, entry.name);
        const qint64 size = QFileInfo(path).size();
        const QString name = LastPathComponent(entry.name).toLower();
        if (size == 0 && byName.isEmpty()
            && (name == QLatin1String("boot.cat") || name == QLatin1String("boot.catalog")))
            byName = entry.name;
        if (size == original.catalog.size()) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly) && file.readAll() == original.catalog)
                byContent = entry.name;
        }
    });
    return byContent.isEmpty() ? byName : byContent;
}

// A root name no entry of the tree uses, in any case.
QString freeRootName(const IsoEntry& root, QSet<QString>& taken, const QString& base, const QString& suffix)
{
    for (int i = 0; i < root.childCount(); ++i)
        taken.insert(root.child(i)->name.toLower());
    QString name = base + suffix;
    for (int n = 2; taken.contains(name.toLower()); ++n)
        name = base + QLatin1Char('-') + QString::number(n) + suffix;
    taken.insert(name.toLower());
    return name;
}

QString entryText(int index)
{
    return BootRebuild::tr("boot entry %1").arg(index + 1);
}

} // namespace

bool ValidBootInfoTable(const QByteArray& file, quint32 lba)
{
    if (file.size() < TableEnd || le32(file, 8) != 16 || le32(file, 12) != lba)
        return false;
    const quint32 length = le32(file, 16);
    if (length < quint32(TableEnd) || length > quint32(file.size()))
        return false;
    quint32 sum = 0;
    for (quint32 at = TableEnd; at < length; at += 4) {
        uchar word[4] = {0, 0, 0, 0};
        for (quint32 i = 0; i < 4 && at + i < length; ++i)
            word[i] = uchar(file[int(at + i)]);
        sum += qFromLittleEndian<quint32>(word);
    }
    return sum == le32(file, 20);
}

ImageBootRecord ReadImageBoot(const QString& image)
{
    ImageBootRecord record;
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly))
        return record;
    const QByteArray pvd = readAt(file, 16 * SectorBytes, SectorBytes);
    if (pvd.size() == SectorBytes && pvd[0] == 1 && pvd.mid(1, 5) == "CD001")
        record.volumeLabel = QString::fromLatin1(pvd.mid(40, 32)).trimmed();
    record.readable = true;

    QList<BootEntry> entries;
    if (!ReadBootCatalog(image, entries))
        return record;
    const QByteArray pointer = readAt(file, 17 * SectorBytes + 0x47, 4);
    record.catalogLba = pointer.size() == 4 ? le32(pointer, 0) : 0;
    record.catalog = readAt(file, qint64(record.catalogLba) * SectorBytes, SectorBytes);
    const qint64 imageSize = file.size();
    for (const BootEntry& entry : entries) {
        OriginalBootImage boot;
        boot.entry = entry;
        boot.loadBytes = qint64(BootImageSectors(entry)) * 512;
        const qint64 start = qint64(entry.loadRba) * SectorBytes;
        boot.data = readAt(file, start, boot.loadBytes);
        if (boot.data.size() != boot.loadBytes) {
            record.images.clear();
            return record; // a catalog that points past the image is no boot record
        }
        qint64 whole = 0;
        if (entry.mediaType == 0 && boot.data.size() >= TableEnd)
            whole = le32(boot.data, 16);
        else if (entry.mediaType == 4)
            whole = hardDiskBytes(boot.data);
        if (whole > boot.loadBytes && whole <= MaxWholeImage && start + whole <= imageSize) {
            const QByteArray longer = readAt(file, start, whole);
            if (entry.mediaType == 4 || ValidBootInfoTable(longer, entry.loadRba))
                boot.data = longer;
        }
        boot.infoTable = entry.mediaType == 0 && ValidBootInfoTable(boot.data, entry.loadRba);
        record.images << boot;
    }
    return record;
}

QString FindBootImageFile(const OriginalBootImage& image, const IsoEntry& root, const QString& workingFolder)
{
    const bool floppy = image.entry.mediaType >= 1 && image.entry.mediaType <= 3;
    QString best;
    if (image.loadBytes <= 0)
        return best;
    // The firmware loads whole sectors: the file may end inside the last one.
    const auto fits = [](qint64 size, qint64 sectorBytes) {
        return size <= sectorBytes && size > sectorBytes - SectorBytes;
    };
    int bestScore = 0;
    forEachFile(root, [&](const IsoEntry& entry) {
        if (bestScore == 2)
            return;
        const QString path = workingPath(workingFolder, entry.name);
        const qint64 size = QFileInfo(path).size();
        if (floppy ? size != image.loadBytes : (size < image.loadBytes && !fits(size, image.loadBytes)))
            return;
        QFile file(path);
        const qint64 leading = qMin(size, image.loadBytes);
        if (!file.open(QIODevice::ReadOnly) || !sameBytes(file.read(leading), image.data, leading, image.infoTable))
            return;
        int score = 1;
        if (fits(size, image.data.size()) && file.seek(0)
            && sameBytes(file.readAll(), image.data, size, image.infoTable))
            score = 2;
        if (score > bestScore) {
            bestScore = score;
            best = entry.name;
        }
    });
    return best;
}

BootRebuildPlan PlanBootRebuild(
    const ImageBootRecord& original, const IsoEntry& root, const QString& workingFolder, const QString& ownFolder)
{
    BootRebuildPlan plan;
    plan.options.volumeLabel = original.volumeLabel;
    if (original.images.isEmpty())
        return plan;
    QSet<QString> taken; // root names, lower case
    QSet<QString> bootFiles; // paths already named for an entry, lower case
    for (int i = 0; i < original.images.size(); ++i) {
        const OriginalBootImage& image = original.images[i];
        const quint8 platform = image.entry.platform;
        if (platform != 0 && platform != 0xEF) {
            plan.error = BootRebuild::tr("The %1 is for a platform (%2) the image builder cannot write.")
                             .arg(entryText(i))
                             .arg(platform);
            return plan;
        }
        Tools::BootImageArgs args;
        args.entry = image.entry;
        args.infoTable = image.infoTable;
        const QString inTree = FindBootImageFile(image, root, workingFolder);
        if (!inTree.isEmpty()) {
            args.path = imagePath(inTree);
            // The builder patches the table in place: the working folder holds
            // our own copy, but two entries on one file would patch it twice.
            if (bootFiles.contains(args.path.toLower()) && image.infoTable)
                args.path.clear();
            else
                bootFiles.insert(args.path.toLower());
        }
        if (args.path.isEmpty()) {
            const QString base = i == 0 ? QStringLiteral("boot") : QStringLiteral("boot") + QString::number(i + 1);
            const QString name =
                freeRootName(root, taken, base, platform == 0xEF ? QStringLiteral(".img") : QStringLiteral(".bin"));
            const QString local = ownFolder + QLatin1Char('/') + name;
            QSaveFile out(local);
            if (!QDir().mkpath(ownFolder) || !out.open(QIODevice::WriteOnly)
                || out.write(image.data) != image.data.size() || !out.commit()) {
                plan.error = BootRebuild::tr("The %1 could not be written to %2.")
                                 .arg(entryText(i), QDir::toNativeSeparators(local));
                return plan;
            }
            args.path = name;
            plan.options.graftFiles << qMakePair(name, local);
        }
        plan.options.bootImages << args;
    }
    const QString catalog = findCatalog(original, root, workingFolder);
    if (catalog.isEmpty()) {
        plan.options.catalogPath = freeRootName(root, taken, QStringLiteral("boot"), QStringLiteral(".catalog"));
    } else {
        // The new catalog takes the old one's place; with Rock Ridge the
        // builder refuses two files of that name.
        plan.options.catalogPath = imagePath(catalog);
        plan.options.excludedFiles << workingPath(workingFolder, catalog);
    }
    return plan;
}

QString CompareSavedBoot(const ImageBootRecord& original, const QString& saved)
{
    const ImageBootRecord now = ReadImageBoot(saved);
    if (!now.readable)
        return BootRebuild::tr("The saved image cannot be read.");
    if (now.volumeLabel != original.volumeLabel)
        return BootRebuild::tr("The saved image's label is \"%1\", not \"%2\".")
            .arg(now.volumeLabel, original.volumeLabel);
    if (now.images.size() != original.images.size())
        return BootRebuild::tr("The saved image has %1 boot entries, the original %2.")
            .arg(now.images.size())
            .arg(original.images.size());
    for (int i = 0; i < now.images.size(); ++i) {
        const OriginalBootImage& a = original.images[i];
        const OriginalBootImage& b = now.images[i];
        if (a.entry.platform != b.entry.platform || a.entry.bootable != b.entry.bootable
            || a.entry.mediaType != b.entry.mediaType || a.entry.sectorCount != b.entry.sectorCount
            || a.entry.loadSegment != b.entry.loadSegment)
            return BootRebuild::tr("The saved image's %1 differs from the original's in its platform, emulation or "
                                   "load size.")
                .arg(entryText(i));
        if ((a.infoTable && !b.infoTable) || !sameBytes(a.data, b.data, a.loadBytes, a.infoTable))
            return BootRebuild::tr("The saved image's %1 does not hold the original's boot image.").arg(entryText(i));
    }
    return QString();
}
