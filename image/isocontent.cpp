#include "image/isocontent.h"

#include <QFileInfo>
#include <QVector>

namespace {

// Folders with fewer children are searched one by one; the index would cost
// more memory than it saves time.
constexpr int IndexThreshold = 8;

inline uint hashOf(QStringView text)
{
    return qHash(text, 0);
}

} // namespace

// --- IsoEntry -----------------------------------------------------------------

IsoEntry::IsoEntry(const IsoEntry& other)
    : name(other.name)
    , localPath(other.localPath)
    , sizeText(other.sizeText)
    , dateText(other.dateText)
    , isDir(other.isDir)
    , reserved(other.reserved)
    , linkTarget(other.linkTarget)
{
    m_children.reserve(other.m_children.size());
    for (const auto& c : other.m_children) {
        auto copy = std::make_unique<IsoEntry>(*c);
        copy->m_parent = this;
        m_children.push_back(std::move(copy));
    }
    m_index = other.m_index;
}

IsoEntry& IsoEntry::operator=(const IsoEntry& other)
{
    if (this != &other)
        *this = IsoEntry(other);
    return *this;
}

// Moving keeps the entry's own place (its parent) and adopts the children.
IsoEntry::IsoEntry(IsoEntry&& other) noexcept
    : name(std::move(other.name))
    , localPath(std::move(other.localPath))
    , sizeText(std::move(other.sizeText))
    , dateText(std::move(other.dateText))
    , isDir(other.isDir)
    , reserved(other.reserved)
    , linkTarget(std::move(other.linkTarget))
    , m_children(std::move(other.m_children))
    , m_index(std::move(other.m_index))
{
    other.m_children.clear();
    other.m_index.clear();
    for (auto& c : m_children)
        c->m_parent = this;
}

IsoEntry& IsoEntry::operator=(IsoEntry&& other) noexcept
{
    if (this != &other) {
        name = std::move(other.name);
        localPath = std::move(other.localPath);
        sizeText = std::move(other.sizeText);
        dateText = std::move(other.dateText);
        isDir = other.isDir;
        reserved = other.reserved;
        linkTarget = std::move(other.linkTarget);
        m_children = std::move(other.m_children);
        m_index = std::move(other.m_index);
        other.m_children.clear();
        other.m_index.clear();
        for (auto& c : m_children)
            c->m_parent = this;
    }
    return *this;
}

IsoEntry::~IsoEntry() = default;

int IsoEntry::indexOf(const IsoEntry* child) const
{
    if (child && child->m_parent == this && !m_index.empty()) {
        IsoEntry* found = findChild(child->name);
        if (found == child) {
            // The index gives the position directly.
            const size_t mask = m_index.size() - 1;
            for (size_t slot = hashOf(child->name) & mask;; slot = (slot + 1) & mask) {
                const quint32 v = m_index[slot];
                if (v == 0)
                    break;
                if (m_children[v - 1].get() == child)
                    return int(v - 1);
            }
        }
    }
    for (size_t i = 0; i < m_children.size(); ++i)
        if (m_children[i].get() == child)
            return int(i);
    return -1;
}

IsoEntry* IsoEntry::findChild(QStringView fullName) const
{
    if (m_index.empty()) {
        for (const auto& c : m_children)
            if (QStringView(c->name) == fullName)
                return c.get();
        return nullptr;
    }
    const size_t mask = m_index.size() - 1;
    for (size_t slot = hashOf(fullName) & mask;; slot = (slot + 1) & mask) {
        const quint32 v = m_index[slot];
        if (v == 0)
            return nullptr;
        IsoEntry* c = m_children[v - 1].get();
        if (QStringView(c->name) == fullName)
            return c;
    }
}

quint64 IsoEntry::size() const
{
    bool ok = false;
    const quint64 value = sizeText.toULongLong(&ok);
    return ok ? value : 0;
}

IsoEntry* IsoEntry::appendChild(std::unique_ptr<IsoEntry> child)
{
    child->m_parent = this;
    m_children.push_back(std::move(child));
    const quint32 position = quint32(m_children.size() - 1);
    if (!m_index.empty()) {
        // Keep the load factor at or below one half.
        if (m_children.size() * 2 > m_index.size())
            rebuildIndex();
        else
            indexChild(position);
    } else if (m_children.size() > size_t(IndexThreshold)) {
        rebuildIndex();
    }
    return m_children.back().get();
}

void IsoEntry::indexChild(quint32 position)
{
    const size_t mask = m_index.size() - 1;
    size_t slot = hashOf(m_children[position]->name) & mask;
    while (m_index[slot] != 0)
        slot = (slot + 1) & mask;
    m_index[slot] = position + 1;
}

void IsoEntry::rebuildIndex()
{
    m_index.clear();
    if (m_children.size() <= size_t(IndexThreshold)) {
        m_index.shrink_to_fit();
        return;
    }
    size_t capacity = 16;
    while (capacity < m_children.size() * 2)
        capacity *= 2;
    m_index.assign(capacity, 0);
    for (size_t i = 0; i < m_children.size(); ++i)
        indexChild(quint32(i));
}

void IsoEntry::removeChildAt(int index)
{
    m_children.erase(m_children.begin() + index);
    // Positions after it have shifted.
    if (!m_index.empty())
        rebuildIndex();
}

// --- IsoContentTree -------------------------------------------------------------

IsoContentTree::IsoContentTree() = default;

void IsoContentTree::Reset()
{
    label.clear();
    root = IsoEntry();
    m_count = 0;
    m_texts.clear();
}

QString IsoContentTree::NormalizeName(const QString& name)
{
    if (name.isEmpty())
        return QString();
    QString result;
    result.reserve(name.size());
    int start = 0;
    const int n = name.size();
    for (int i = 0; i <= n; ++i) {
        if (i < n && name.at(i) != QLatin1Char('\\') && name.at(i) != QLatin1Char('/'))
            continue;
        const QStringView part = QStringView(name).mid(start, i - start);
        start = i + 1;
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String(".."))
            return QString();
        if (!result.isEmpty())
            result += QLatin1Char('\\');
        result += part;
    }
    return result;
}

QString IsoContentTree::intern(const QString& text)
{
    if (text.isEmpty())
        return QString();
    auto it = m_texts.constFind(text);
    if (it != m_texts.constEnd())
        return it.value();
    m_texts.insert(text, text);
    return text;
}

IsoEntry* IsoContentTree::addNormalized(IsoEntry&& entry)
{
    const QString& full = entry.name;
    IsoEntry* folder = &root;
    int from = 0;
    for (;;) {
        const int cut = full.indexOf(QLatin1Char('\\'), from);
        const bool last = cut < 0;
        const QStringView prefix = last ? QStringView(full) : QStringView(full).left(cut);
        IsoEntry* child = folder->findChild(prefix);
        if (child) {
            if (last)
                return nullptr; // the first entry with a path wins
            folder = child;
        } else if (last) {
            auto fresh = std::make_unique<IsoEntry>(std::move(entry));
            fresh->dateText = intern(fresh->dateText);
            fresh->sizeText = intern(fresh->sizeText);
            fresh->m_children.clear();
            fresh->m_index.clear();
            ++m_count;
            return folder->appendChild(std::move(fresh));
        } else {
            auto made = std::make_unique<IsoEntry>();
            made->name = prefix.toString();
            ++m_count;
            folder = folder->appendChild(std::move(made));
        }
        from = cut + 1;
    }
}

bool IsoContentTree::AddEntry(const IsoEntry& entry)
{
    return Insert(entry) != nullptr;
}

bool IsoContentTree::AddEntry(IsoEntry&& entry)
{
    return Insert(std::move(entry)) != nullptr;
}

IsoEntry* IsoContentTree::Insert(IsoEntry entry)
{
    const QString normalized = NormalizeName(entry.name);
    if (normalized.isEmpty())
        return nullptr;
    // Only the entry itself is inserted; a subtree it carries would bypass
    // the name checks.
    entry.name = normalized;
    return addNormalized(std::move(entry));
}

IsoEntry* IsoContentTree::FindEntry(const QString& path) const
{
    if (path.isEmpty())
        return nullptr;
    const IsoEntry* folder = &root;
    int from = 0;
    for (;;) {
        const int cut = path.indexOf(QLatin1Char('\\'), from);
        const QStringView prefix = cut < 0 ? QStringView(path) : QStringView(path).left(cut);
        IsoEntry* child = folder->findChild(prefix);
        if (!child || cut < 0)
            return child;
        folder = child;
        from = cut + 1;
    }
}

namespace {
int countBelow(const IsoEntry* e)
{
    int n = 0;
    for (int i = 0; i < e->childCount(); ++i)
        n += 1 + countBelow(e->child(i));
    return n;
}
} // namespace

bool IsoContentTree::RemoveEntry(const QString& path)
{
    IsoEntry* entry = FindEntry(path);
    if (!entry)
        return false;
    IsoEntry* parent = entry->parent();
    const int index = parent->indexOf(entry);
    if (index < 0)
        return false;
    m_count -= 1 + countBelow(entry);
    parent->removeChildAt(index);
    return true;
}

static void renameBelow(IsoEntry* entry, const QString& oldPrefix, const QString& newPrefix)
{
    for (int i = 0; i < entry->childCount(); ++i) {
        IsoEntry* c = entry->child(i);
        c->name = newPrefix + c->name.mid(oldPrefix.size());
        renameBelow(c, oldPrefix, newPrefix);
    }
}

bool IsoContentTree::RenameEntry(const QString& path, const QString& newName)
{
    IsoEntry* entry = FindEntry(path);
    if (!entry || newName.isEmpty() || newName == QLatin1String(".") || newName == QLatin1String("..")
        || newName.contains(QLatin1Char('\\')) || newName.contains(QLatin1Char('/')))
        return false;
    const QString renamed = ReplaceLastComponent(entry->name, newName);
    IsoEntry* parent = entry->parent();
    if (parent->findChild(renamed))
        return false;
    const QString oldName = entry->name;
    entry->name = renamed;
    renameBelow(entry, oldName + QLatin1Char('\\'), renamed + QLatin1Char('\\'));
    // Every index below is keyed by full names.
    QVector<IsoEntry*> folders {parent, entry};
    while (!folders.isEmpty()) {
        IsoEntry* folder = folders.takeLast();
        folder->rebuildIndex();
        if (folder == parent)
            continue;
        for (int i = 0; i < folder->childCount(); ++i)
            if (folder->child(i)->isDir)
                folders.append(folder->child(i));
    }
    return true;
}

qint64 IsoContentTree::LocalFilesSize(const IsoEntry* folder) const
{
    const IsoEntry* start = folder ? folder : &root;
    qint64 total = 0;
    QVector<const IsoEntry*> stack {start};
    while (!stack.isEmpty()) {
        const IsoEntry* e = stack.takeLast();
        for (int i = 0; i < e->childCount(); ++i) {
            const IsoEntry* c = e->child(i);
            if (c->isDir)
                stack.append(c);
            else if (!c->localPath.isEmpty())
                total += QFileInfo(c->localPath).size();
        }
    }
    return total;
}

// --- path functions -------------------------------------------------------------

QString LastPathComponent(const QString& path)
{
    const int cut = path.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? path : path.mid(cut + 1);
}

QString ParentPath(const QString& path)
{
    const QString last = LastPathComponent(path);
    if (last.size() < path.size())
        return path.left(path.size() - last.size() - 1);
    return QString();
}

QString ReplaceLastComponent(const QString& path, const QString& newName)
{
    const int cut = path.lastIndexOf(QLatin1Char('\\'));
    return path.left(cut + 1) + newName;
}

// --- listing parser -----------------------------------------------------------

QString DisplayName(const QString& name)
{
    if (!name.contains(NameBackslash))
        return name;
    return QString(name).replace(NameBackslash, QLatin1Char('\\'));
}

IsoEntry EntryFromListing(ListingRow&& row)
{
    IsoEntry entry;
    entry.dateText = std::move(row.dateText);
    entry.isDir = row.isDir;
    entry.sizeText = std::move(row.sizeText);
    entry.name = std::move(row.name);
    return entry;
}

void ListingReader::Begin(const QString& label)
{
    m_tree.Reset();
    m_tree.label = label;
    m_pending.clear();
    m_type.clear();
    m_overlong = false;
    m_inListing = false;
    m_complete = false;
    m_refused = false;
    m_added = 0;
    m_skipped = 0;
    m_bootImages.clear();
}

ListingReader::Event ListingReader::Feed(const QString& piece, bool endsLine)
{
    if (m_complete || m_refused)
        return Ignored;
    // The runner cuts a line into pieces at a length limit and when the tool
    // pauses.
    if (!endsLine) {
        if (!m_overlong)
            m_pending += piece;
        if (m_pending.size() > MaxLine) {
            m_pending.clear();
            m_overlong = true;
        }
        return Ignored;
    }
    if (m_overlong) {
        m_overlong = false;
        ++m_skipped;
        return EntrySkipped;
    }
    if (m_pending.isEmpty())
        return readLine(piece);
    const QString line = m_pending + piece;
    m_pending.clear();
    return readLine(line);
}

ListingReader::Event ListingReader::readLine(const QString& line)
{
    if (IsListingSeparator(line)) {
        if (!m_inListing) {
            const QString type = m_type.toLower();
            if (type != QLatin1String("iso") && type != QLatin1String("udf")) {
                m_refused = true;
                return Refused;
            }
            m_inListing = true;
            return TableStarted;
        }
        m_inListing = false;
        m_complete = true;
        return TableFinished;
    }
    if (!m_inListing) {
        // "Type = Iso" in the archive's properties, before the table; the
        // first one is the file itself, not something nested in it.
        if (m_type.isEmpty())
            m_type = ParseArchiveTypeLine(line);
        return Ignored;
    }
    std::optional<ListingRow> row = ParseListingLine(line);
    if (row && m_skipBootImages && row->dateText.trimmed().isEmpty()
        && IsoContentTree::NormalizeName(row->name).startsWith(QLatin1String("[BOOT]\\"))) {
        m_bootImages << IsoContentTree::NormalizeName(row->name);
        ++m_skipped;
        return EntrySkipped;
    }
    if (row && m_tree.AddEntry(EntryFromListing(std::move(*row)))) {
        ++m_added;
        return EntryAdded;
    }
    ++m_skipped;
    return EntrySkipped;
}

bool ListingReader::EndOfRun()
{
    // The last line may have come without a line end.
    if (!m_pending.isEmpty() && !m_complete && !m_refused)
        readLine(m_pending);
    m_inListing = false;
    m_pending.clear();
    m_overlong = false;
    return m_complete;
}
