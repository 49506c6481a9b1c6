#pragma once

#include "core/job.h"

#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

class QThread;
class QTimer;

// An image's checksum, and the one published beside it: SHA256SUMS and the
// like, or IMAGE.sha256, in the formats sha256sum and BSD's tools write.
enum class HashKind { Sha256, Sha1, Md5 };

namespace Checksum {

// "SHA-256", "SHA-1", "MD5".
QString KindName(HashKind kind);
// The kind a hex digest of this length is, if any.
std::optional<HashKind> KindOfLength(int hexLength);

struct SumLine {
    HashKind kind;
    QString hex; // lower case
    QString name; // as written ("./" and the binary mark "*" taken off); empty when the line has none
};

// The sums in a file's text, in order: "HEX  NAME", "HEX *NAME" (a leading
// backslash escapes the name), "KIND (NAME) = HEX", or a lone HEX. Lines that
// are none of these (comments, signatures) are left out.
QList<SumLine> ParseSums(const QString& text);

// What a file beside the image says the image's sum is.
struct Published {
    QString hex;
    QString file; // the sums file
};
// IMAGE.sha256 (or .sha1, .md5) first, then SHA256SUMS (SHA1SUMS, MD5SUMS),
// each only when it names the image; IMAGE.ext may also hold one sum without
// a name.
std::optional<Published> PublishedSum(const QString& image, HashKind kind);
// The kind some file beside the image publishes (SHA-256 first), else SHA-256.
HashKind KindToCompare(const QString& image);

// "HEX  NAME", as sha256sum writes it, a name with a backslash or a line
// break escaped.
QString SumLineFor(const QString& hex, const QString& name);

} // namespace Checksum

// Hashes an image on a worker thread in large blocks, with progress in bytes
// and Stop, then compares it with the published sum when there is one. The
// job succeeds once the sum is known, whatever the comparison says.
class ChecksumJob : public Job {
    Q_OBJECT
public:
    enum class Comparison { NothingPublished, Matches, Differs };
    static constexpr qint64 BlockBytes = 4 * 1024 * 1024;

    ChecksumJob(const QString& image, HashKind kind, QObject* parent = nullptr);
    ~ChecksumJob() override;

    QString image() const { return m_image; }
    HashKind kind() const { return m_kind; }
    qint64 totalBytes() const { return m_total; }
    // Valid once the job succeeded.
    QString hex() const { return m_hex; }
    Comparison comparison() const { return m_comparison; }
    QString publishedIn() const { return m_published.file; }
    QString publishedHex() const { return m_published.hex; }
    // "SHA-256 matches SHA256SUMS.", for the window and the command line.
    QString verdictText() const;

protected:
    void doStart() override;
    void doStop() override;

private:
    struct Shared;
    void onWorkerEnded();
    void endThread();

    QString m_image;
    HashKind m_kind;
    qint64 m_total = 0;
    QString m_hex;
    Comparison m_comparison = Comparison::NothingPublished;
    Checksum::Published m_published;
    std::shared_ptr<Shared> m_shared;
    QThread* m_thread = nullptr;
    QTimer* m_poll = nullptr;
};
