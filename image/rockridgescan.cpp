#include "image/rockridgescan.h"

#include <QFile>
#include <QSet>

#include <deque>

namespace {

constexpr qint64 SectorBytes = 2048;
constexpr int FirstDescriptor = 16;
constexpr int MaxDescriptors = 64;
// Bounds for a damaged or hostile image: then the scan is incomplete and
// xorriso decides.
constexpr qint64 MaxDirectoryBytes = qint64(64) << 20;
constexpr qint64 MaxTotalBytes = qint64(512) << 20;
constexpr int MaxContinuations = 16;
constexpr int RecordHeaderBytes = 33;

quint32 le32(const QByteArray& data, int at)
{
    const auto* p = reinterpret_cast<const uchar*>(data.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

class Scanner {
public:
    explicit Scanner(QFile& file)
        : m_file(file)
    {
    }

    RockRidgeScan run()
    {
        RockRidgeScan scan;
        QByteArray root;
        switch (findRoot(root)) {
        case Root::None:
            scan.complete = true; // no ISO 9660 tree: no Rock Ridge either
            return scan;
        case Root::Broken:
            return scan;
        case Root::Found:
            break;
        }
        const quint32 extent = le32(root, 2);
        const quint32 length = le32(root, 10);
        QByteArray first;
        if (!read(qint64(extent) * m_blockBytes, std::min<qint64>(length, SectorBytes), first))
            return scan;
        // The root's "." record starts the System Use Sharing Protocol with SP.
        int skip = 0;
        if (!startsSusp(first, skip)) {
            scan.complete = true;
            return scan;
        }
        scan.rockRidge = true;
        m_skip = skip;
        m_rootExtent = extent;
        std::deque<QPair<quint32, quint32>> folders {{extent, length}};
        m_seen.insert(extent);
        while (!folders.empty()) {
            const auto [at, size] = folders.front();
            folders.pop_front();
            if (!scanFolder(at, size, folders))
                return scan;
            if (m_links && m_zisofs)
                break;
        }
        scan.complete = true;
        scan.links = m_links;
        scan.zisofs = m_zisofs;
        return scan;
    }

private:
    enum class Root { None, Broken, Found };

    Root findRoot(QByteArray& root)
    {
        for (int i = 0; i < MaxDescriptors; ++i) {
            QByteArray descriptor;
            if (!read((FirstDescriptor + i) * SectorBytes, SectorBytes, descriptor))
                return Root::None; // shorter than a volume descriptor set
            if (descriptor.mid(1, 5) != "CD001")
                return Root::None; // UDF only, or not an image
            const uchar type = uchar(descriptor.at(0));
            if (type == 255)
                return Root::None;
            if (type != 1)
                continue;
            m_blockBytes = uchar(descriptor.at(128)) | uchar(descriptor.at(129)) << 8;
            if (m_blockBytes < 512 || m_blockBytes > SectorBytes || (m_blockBytes & (m_blockBytes - 1)))
                return Root::Broken;
            root = descriptor.mid(156, 34);
            return uchar(root.at(0)) >= 34 ? Root::Found : Root::Broken;
        }
        return Root::None;
    }

    bool read(qint64 position, qint64 length, QByteArray& out)
    {
        m_total += length;
        if (length < 0 || m_total > MaxTotalBytes || !m_file.seek(position))
            return false;
        out = m_file.read(length);
        return out.size() == length;
    }

    static bool startsSusp(const QByteArray& record, int& skip)
    {
        if (record.size() < 34 || uchar(record.at(0)) < 34)
            return false;
        const int nameLength = uchar(record.at(32));
        const int start = RecordHeaderBytes + nameLength + (nameLength % 2 == 0 ? 1 : 0);
        if (start + 7 > uchar(record.at(0)))
            return false;
        const QByteArray sp = record.mid(start, 7);
        if (sp.left(2) != "SP" || uchar(sp.at(2)) < 7 || uchar(sp.at(4)) != 0xBE || uchar(sp.at(5)) != 0xEF)
            return false;
        skip = uchar(sp.at(6));
        return true;
    }

    bool scanFolder(quint32 extent, quint32 size, std::deque<QPair<quint32, quint32>>& folders)
    {
        if (size > MaxDirectoryBytes)
            return false;
        QByteArray data;
        if (!read(qint64(extent) * m_blockBytes, size, data))
            return false;
        const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
        int pos = 0;
        bool firstRecord = true;
        while (pos < data.size()) {
            const int length = bytes[pos];
            if (length == 0) {
                // Records never cross a block: the rest of this one is padding.
                pos = (pos / m_blockBytes + 1) * m_blockBytes;
                continue;
            }
            if (length < 34 || pos + length > data.size())
                return false;
            const uchar* record = bytes + pos;
            const int nameLength = record[32];
            if (RecordHeaderBytes + nameLength > length)
                return false;
            const bool self = nameLength == 1 && record[33] <= 1;
            if (!self && (record[25] & 0x02)) {
                const quint32 child = le32(data, pos + 2);
                if (!m_seen.contains(child)) {
                    m_seen.insert(child);
                    folders.push_back({child, le32(data, pos + 10)});
                }
            }
            int start = RecordHeaderBytes + nameLength + (nameLength % 2 == 0 ? 1 : 0);
            // SP's skip count holds for every record but the one that carries it.
            if (!(firstRecord && extent == m_rootExtent))
                start += m_skip;
            firstRecord = false;
            if (!scanEntries(data, pos + start, pos + length, 0))
                return false;
            pos += length;
        }
        return true;
    }

    // The System Use entries of data[start, end), following continuation areas.
    bool scanEntries(const QByteArray& data, int start, int end, int depth)
    {
        const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
        for (int pos = start; pos + 4 <= end;) {
            const uchar a = bytes[pos];
            const uchar b = bytes[pos + 1];
            const int length = bytes[pos + 2];
            if (length < 4 || pos + length > end)
                return true; // padding or the end of the entries: nothing more here
            if (a == 'S' && b == 'L') {
                m_links = true;
            } else if ((a == 'Z' && b == 'F') || (a == 'Z' && b == '2')) {
                m_zisofs = true;
            } else if (a == 'S' && b == 'T') {
                return true;
            } else if (a == 'C' && b == 'E' && length >= 28) {
                if (depth >= MaxContinuations)
                    return false;
                const quint32 block = le32(data, pos + 4);
                const quint32 offset = le32(data, pos + 12);
                const quint32 size = le32(data, pos + 20);
                if (size > SectorBytes * 8)
                    return false;
                QByteArray area;
                if (!read(qint64(block) * m_blockBytes + offset, size, area))
                    return false;
                if (!scanEntries(area, 0, area.size(), depth + 1))
                    return false;
            }
            pos += length;
        }
        return true;
    }

    QFile& m_file;
    int m_blockBytes = int(SectorBytes);
    int m_skip = 0;
    quint32 m_rootExtent = 0;
    qint64 m_total = 0;
    QSet<quint32> m_seen;
    bool m_links = false;
    bool m_zisofs = false;
};

} // namespace

RockRidgeScan ScanRockRidge(const QString& image)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Scanner(file).run();
}

bool IsZisofsHeader(const QByteArray& head)
{
    static const QByteArray version1 = QByteArray::fromHex("37e45396c9dbd607");
    static const QByteArray version2 = QByteArray::fromHex("ef2255a1bc1b95a0");
    return head.startsWith(version1) || head.startsWith(version2);
}

bool IsZisofsFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && IsZisofsHeader(file.read(8));
}
