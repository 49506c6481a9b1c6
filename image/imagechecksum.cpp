#include "image/imagechecksum.h"

#include "platform/fastcopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <vector>

#ifdef QUILLON_OPENSSL
#include <openssl/evp.h>
#endif

namespace {

// A sums file is small; anything larger is not one.
constexpr qint64 MaxSumsFileBytes = 1024 * 1024;
constexpr int ProgressEveryMs = 100;

struct KindInfo {
    HashKind kind;
    const char* name;
    const char* extension;
    const char* listFile;
    int hexLength;
    QCryptographicHash::Algorithm algorithm;
};

const KindInfo Kinds[] = {
    {HashKind::Sha256, "SHA-256", "sha256", "SHA256SUMS", 64, QCryptographicHash::Sha256},
    {HashKind::Sha1, "SHA-1", "sha1", "SHA1SUMS", 40, QCryptographicHash::Sha1},
    {HashKind::Md5, "MD5", "md5", "MD5SUMS", 32, QCryptographicHash::Md5},
};

const KindInfo& infoOf(HashKind kind)
{
    for (const KindInfo& info : Kinds) {
        if (info.kind == kind)
            return info;
    }
    return Kinds[0];
}

// The tags BSD's tools and OpenSSL write before the name.
std::optional<HashKind> kindOfTag(const QString& tag)
{
    const QString t = tag.toUpper();
    if (t == QLatin1String("SHA256") || t == QLatin1String("SHA2-256") || t == QLatin1String("SHA-256"))
        return HashKind::Sha256;
    if (t == QLatin1String("SHA1") || t == QLatin1String("SHA-1"))
        return HashKind::Sha1;
    if (t == QLatin1String("MD5"))
        return HashKind::Md5;
    return std::nullopt;
}

QString unescapeName(const QString& name)
{
    QString out;
    for (int i = 0; i < name.size(); ++i) {
        if (name.at(i) == QLatin1Char('\\') && i + 1 < name.size()) {
            const QChar next = name.at(++i);
            out += next == QLatin1Char('n') ? QLatin1Char('\n') : next == QLatin1Char('r') ? QLatin1Char('\r') : next;
        } else {
            out += name.at(i);
        }
    }
    return out;
}

QList<Checksum::SumLine> readSums(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > MaxSumsFileBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return Checksum::ParseSums(QString::fromUtf8(file.readAll()));
}

// OpenSSL's digests where the build has them: Qt 5's SHA-256 takes about
// 1.5 times the processor time of sha256sum, OpenSSL's a fraction of it (it
// uses the processor's SHA instructions). Qt's where OpenSSL refuses a kind.
class Digest {
public:
    explicit Digest(HashKind kind)
        : m_qt(infoOf(kind).algorithm)
    {
#ifdef QUILLON_OPENSSL
        const EVP_MD* md = kind == HashKind::Sha256 ? EVP_sha256() : kind == HashKind::Sha1 ? EVP_sha1() : EVP_md5();
        m_ctx = EVP_MD_CTX_new();
        if (m_ctx && EVP_DigestInit_ex(m_ctx, md, nullptr) != 1) {
            EVP_MD_CTX_free(m_ctx);
            m_ctx = nullptr;
        }
#endif
    }
    ~Digest()
    {
#ifdef QUILLON_OPENSSL
        EVP_MD_CTX_free(m_ctx);
#endif
    }
    Digest(const Digest&) = delete;
    Digest& operator=(const Digest&) = delete;

    void add(const char* data, qint64 size)
    {
#ifdef QUILLON_OPENSSL
        if (m_ctx) {
            EVP_DigestUpdate(m_ctx, data, size_t(size));
            return;
        }
#endif
        m_qt.addData(data, int(size));
    }

    QByteArray result()
    {
#ifdef QUILLON_OPENSSL
        if (m_ctx) {
            unsigned char out[EVP_MAX_MD_SIZE];
            unsigned int length = 0;
            EVP_DigestFinal_ex(m_ctx, out, &length);
            return QByteArray(reinterpret_cast<const char*>(out), int(length));
        }
#endif
        return m_qt.result();
    }

private:
    QCryptographicHash m_qt;
#ifdef QUILLON_OPENSSL
    EVP_MD_CTX* m_ctx = nullptr;
#endif
};

} // namespace

namespace Checksum {

QString KindName(HashKind kind)
{
    return QLatin1String(infoOf(kind).name);
}

std::optional<HashKind> KindOfLength(int hexLength)
{
    for (const KindInfo& info : Kinds) {
        if (info.hexLength == hexLength)
            return info.kind;
    }
    return std::nullopt;
}

QList<SumLine> ParseSums(const QString& text)
{
    static const QRegularExpression bsd(
        QStringLiteral("^\\s*([A-Za-z0-9-]+)\\s*\\((.*)\\)\\s*=\\s*([0-9A-Fa-f]+)\\s*$"));
    static const QRegularExpression gnu(QStringLiteral("^(\\\\?)([0-9A-Fa-f]+)(?:[ \\t]+\\*?(.*))?$"));
    QList<SumLine> sums;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        std::optional<HashKind> kind;
        QString hex, name;
        if (const QRegularExpressionMatch m = bsd.match(line); m.hasMatch()) {
            kind = kindOfTag(m.captured(1));
            name = m.captured(2);
            hex = m.captured(3);
            if (kind && KindOfLength(hex.size()) != kind)
                kind.reset();
        } else if (const QRegularExpressionMatch m = gnu.match(line); m.hasMatch()) {
            hex = m.captured(2);
            kind = KindOfLength(hex.size());
            name = m.captured(1).isEmpty() ? m.captured(3) : unescapeName(m.captured(3));
        }
        if (!kind)
            continue;
        if (name.startsWith(QLatin1String("./")))
            name.remove(0, 2);
        sums.append({*kind, hex.toLower(), name});
    }
    return sums;
}

std::optional<Published> PublishedSum(const QString& image, HashKind kind)
{
    const QFileInfo info(image);
    const QString name = info.fileName();
    const KindInfo& k = infoOf(kind);
    const QString own = info.absoluteFilePath() + QLatin1Char('.') + QLatin1String(k.extension);
    const QString list = info.absoluteDir().filePath(QLatin1String(k.listFile));
    for (const QString& file : {own, list}) {
        std::vector<SumLine> ofKind;
        for (const SumLine& line : readSums(file)) {
            if (line.kind == kind)
                ofKind.push_back(line);
        }
        for (const SumLine& line : ofKind) {
            if (line.name == name)
                return Published {line.hex, file};
        }
        // IMAGE.sha256 is tied to the image by its own name: its one sum counts
        // even when it names the image as it was called when it was made.
        if (file == own && ofKind.size() == 1)
            return Published {ofKind.front().hex, file};
    }
    return std::nullopt;
}

HashKind KindToCompare(const QString& image)
{
    for (const KindInfo& info : Kinds) {
        if (PublishedSum(image, info.kind))
            return info.kind;
    }
    return HashKind::Sha256;
}

QString SumLineFor(const QString& hex, const QString& name)
{
    if (!name.contains(QLatin1Char('\\')) && !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r')))
        return hex + QStringLiteral("  ") + name;
    QString escaped = name;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QLatin1Char('\\') + hex + QStringLiteral("  ") + escaped;
}

} // namespace Checksum

// --- ChecksumJob ------------------------------------------------------------------

// What the worker thread and the job share: the worker writes the result
// before it ends, the job reads it after.
struct ChecksumJob::Shared {
    std::atomic<qint64> done {0};
    std::atomic<bool> stop {false};
    QString hex;
    QString failure;
};

ChecksumJob::ChecksumJob(const QString& image, HashKind kind, QObject* parent)
    : Job(parent)
    , m_image(image)
    , m_kind(kind)
    , m_poll(new QTimer(this))
{
    m_poll->setInterval(ProgressEveryMs);
    connect(m_poll, &QTimer::timeout, this, [this] {
        if (m_shared)
            setProgress(stage(), m_shared->done.load(), m_total);
    });
}

ChecksumJob::~ChecksumJob()
{
    if (isRunning())
        stop();
    endThread();
}

QString ChecksumJob::verdictText() const
{
    const QString kind = Checksum::KindName(m_kind);
    const QString file = QFileInfo(m_published.file).fileName();
    switch (m_comparison) {
    case Comparison::Matches:
        return tr("The %1 checksum matches %2.").arg(kind, file);
    case Comparison::Differs:
        return tr("The %1 checksum does not match %2: the image is damaged or not the one published.").arg(kind, file);
    case Comparison::NothingPublished:
        break;
    }
    return tr("No %1 checksum of this image lies beside it to compare with.").arg(kind);
}

void ChecksumJob::doStart()
{
    endThread();
    m_hex.clear();
    m_comparison = Comparison::NothingPublished;
    m_published = Checksum::Published();
    auto file = std::make_shared<QFile>(m_image);
    if (!QFileInfo(m_image).isFile() || !file->open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        fail(tr("The image %1 cannot be read.").arg(QDir::toNativeSeparators(m_image)));
        return;
    }
    m_total = file->size();
    Platform::adviseSequential(file->handle());
    auto shared = std::make_shared<Shared>();
    m_shared = shared;
    const HashKind kind = m_kind;
    const QString image = m_image;
    m_thread = QThread::create([shared, file, kind, image] {
        Digest hash(kind);
        QByteArray buffer(int(BlockBytes), Qt::Uninitialized);
        while (!shared->stop.load()) {
            const qint64 got = file->read(buffer.data(), BlockBytes);
            if (got < 0) {
                shared->failure = tr("Reading %1 failed: %2").arg(QDir::toNativeSeparators(image), file->errorString());
                return;
            }
            if (got == 0)
                break;
            hash.add(buffer.constData(), got);
            shared->done += got;
        }
        shared->hex = QString::fromLatin1(hash.result().toHex());
    });
    connect(m_thread, &QThread::finished, this, &ChecksumJob::onWorkerEnded);
    setProgress(tr("Computing the %1 checksum...").arg(Checksum::KindName(m_kind)), 0, m_total);
    m_thread->start();
    m_poll->start();
}

void ChecksumJob::onWorkerEnded()
{
    if (!isRunning() || !m_shared)
        return;
    m_poll->stop();
    const std::shared_ptr<Shared> shared = m_shared;
    endThread();
    if (!shared->failure.isEmpty()) {
        fail(shared->failure);
        return;
    }
    m_hex = shared->hex;
    if (const std::optional<Checksum::Published> published = Checksum::PublishedSum(m_image, m_kind)) {
        m_published = *published;
        m_comparison = published->hex == m_hex ? Comparison::Matches : Comparison::Differs;
    }
    setProgress(stage(), m_total, m_total);
    succeed();
}

void ChecksumJob::doStop()
{
    m_poll->stop();
    if (m_shared)
        m_shared->stop = true;
    endThread();
}

void ChecksumJob::endThread()
{
    if (!m_thread)
        return;
    disconnect(m_thread, nullptr, this, nullptr);
    m_thread->wait(); // within one block once asked to stop
    delete m_thread;
    m_thread = nullptr;
    m_shared.reset();
}
