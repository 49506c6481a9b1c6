#include "image/rockridge.h"

#include "image/fileutils.h"
#include "image/isocontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <functional>

namespace {

struct RockRidge {
    Q_DECLARE_TR_FUNCTIONS(RockRidge)
};

constexpr qint64 SectorBytes = 2048;
constexpr int MaxDifferences = 8;

void forEach(IsoEntry& folder, const std::function<void(IsoEntry&)>& visit)
{
    for (int i = 0; i < folder.childCount(); ++i) {
        IsoEntry& entry = *folder.child(i);
        visit(entry);
        if (entry.isDir)
            forEach(entry, visit);
    }
}

QString shown(const QString& modelName)
{
    return QDir::toNativeSeparators(QString(modelName).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

} // namespace

QString IsoPath(const QString& modelName)
{
    return QLatin1Char('/') + QString(modelName).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

RockRidgeMerge MergeRockRidge(IsoContentTree& model, const Xorriso::RockRidgeTree& tree)
{
    RockRidgeMerge merge;
    const QStringList zisofs = tree.Zisofs();
    forEach(model.root, [&](IsoEntry& entry) {
        const Xorriso::Node* node = tree.Find(IsoPath(entry.name));
        if (!node) {
            merge.namesMatch = false;
            return;
        }
        if (node->type == QLatin1Char('l') && !entry.isDir) {
            entry.linkTarget = node->target;
            entry.sizeText = QStringLiteral("0");
        } else if (!entry.isDir && zisofs.contains(node->path)) {
            entry.sizeText = QString::number(node->size);
            merge.zisofs << entry.name;
        }
    });
    // xorriso's Joliet tree leaves links out, so 7-Zip never lists them.
    for (const QString& link : tree.Links()) {
        QString name = link.mid(1);
        name.replace(QLatin1Char('/'), QLatin1Char('\\'));
        if (model.FindEntry(name))
            continue;
        const int cut = name.lastIndexOf(QLatin1Char('\\'));
        const IsoEntry* parent = cut < 0 ? &model.root : model.FindEntry(name.left(cut));
        if (!parent || !parent->isDir)
            continue;
        IsoEntry entry;
        entry.name = name;
        entry.isDir = false;
        entry.sizeText = QStringLiteral("0");
        entry.dateText = parent->dateText;
        entry.linkTarget = tree.Find(link)->target;
        model.Insert(std::move(entry));
    }
    return merge;
}

QStringList RestoreLinks(const QList<QPair<QString, QString>>& links, const QString& folder)
{
    QStringList failed;
    for (const auto& link : links) {
        const QString path = folder + IsoPath(link.first);
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            RemoveFolderTree(path);
        else if (info.exists() || info.isSymLink())
            QFile::remove(path);
        const QFileInfo now(path);
        const bool gone = !now.exists() && !now.isSymLink();
        if (!gone || !QFile::link(link.second, path))
            failed << link.first;
    }
    return failed;
}

void MakeFoldersWritable(const QString& folder)
{
    const auto own = QFileDevice::WriteOwner | QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(folder, QFile::permissions(folder) | own);
    QDirIterator it(
        folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString dir = it.next();
        const QFileDevice::Permissions now = it.fileInfo().permissions();
        if ((now & own) != own)
            QFile::setPermissions(dir, now | own);
    }
}

bool HasSystemArea(const QString& image)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray area = file.read(16 * SectorBytes);
    return std::any_of(area.constBegin(), area.constEnd(), [](char c) { return c != 0; });
}

bool HasUdf(const QString& image)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // The extended area's descriptors follow the ISO 9660 set within a few sectors.
    for (int sector = 16; sector < 64; ++sector) {
        if (!file.seek(sector * SectorBytes))
            return false;
        const QByteArray head = file.read(6);
        if (head.size() < 6)
            return false;
        if (head.mid(1, 4) == "NSR0")
            return true;
        if (head.mid(1, 5) == "TEA01")
            return false;
    }
    return false;
}

QString CompareSavedTree(const IsoEntry& root, const Xorriso::RockRidgeTree& saved)
{
    QStringList differences;
    forEach(const_cast<IsoEntry&>(root), [&](IsoEntry& entry) {
        if (differences.size() >= MaxDifferences)
            return;
        const Xorriso::Node* node = saved.Find(IsoPath(entry.name));
        const QString name = shown(entry.name);
        if (!node) {
            differences << RockRidge::tr("%1 is missing").arg(name);
        } else if (!entry.linkTarget.isEmpty()) {
            if (node->type != QLatin1Char('l'))
                differences << RockRidge::tr("%1 is no longer a link").arg(name);
            else if (node->target != entry.linkTarget)
                differences << RockRidge::tr("%1 points to %2 instead of %3").arg(name, node->target, entry.linkTarget);
        } else if (entry.isDir != (node->type == QLatin1Char('d'))) {
            differences << RockRidge::tr("%1 is of another kind").arg(name);
        } else if (!entry.isDir && node->type != QLatin1Char('e')) {
            const qint64 expected =
                entry.localPath.isEmpty() ? qint64(entry.size()) : QFileInfo(entry.localPath).size();
            if (node->size != expected)
                differences << RockRidge::tr("%1 has %2 bytes instead of %3").arg(name).arg(node->size).arg(expected);
        }
    });
    if (differences.isEmpty())
        return QString();
    return RockRidge::tr("The saved image does not hold what the edit shows:\n%1")
        .arg(differences.join(QLatin1Char('\n')));
}
