#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The privileged side of a USB burn: one whole USB disk, checked when the
// helper starts, and a fixed set of operations on it, asked for over stdin
// (burn/usbhelperprotocol.h). Programs come from the system's own folders.
class UsbHelper {
public:
    // `allowLoop`: a loop device counts as a stick (tests), only for a
    // helper root started itself, never one started through pkexec.
    UsbHelper(const QString& device, bool allowLoop);

    // Empty when the device may be written; otherwise why not.
    QString refusal() const { return m_refusal; }
    qint64 size() const { return m_size; }

    // Runs the requests read from `in` (a file descriptor) until quit or end
    // of input, answering on stdout. Returns the exit status.
    int serve(int in);

private:
    QString unmountAll();
    QString wipe();
    QString partition(const QString& style, const QString& fileSystem, QString& node);
    QString format(const QString& fileSystem, const QString& label);
    QString mount(const QString& fileSystem, const QString& folder);
    QString biosBoot(const QString& folder);
    QString check(const QString& fileSystem);
    QString writeImage(const QString& image);
    QString verifyImage(const QString& image);
    QString flush();

    // Runs a tool found in the system's folders; its last lines on failure.
    QString run(const QString& tool, const QStringList& arguments, const QByteArray& input = {});
    // Starts a FUSE driver that stays in the foreground, our child, until
    // its file system shows at `mountPoint` (or it ends, having failed).
    QString startDriver(
        const QString& tool, const QStringList& arguments, const QString& mountPoint, const QString& device);
    // Waits for the drivers we started to end: their last data is written then.
    void waitForDrivers();
    QStringList partitionNodes(bool makeNodes) const;
    QString firstPartition() const;
    // How much one raw write or read moves.
    qint64 chunkBytes() const;
    // What a raw pass does with each piece of the image (zeros to a whole
    // sector after `got` bytes) at offset `at` of the disk `dev`; `spare` is
    // a buffer as large. Returns the reason of a failure, or empty.
    using PieceStep = std::function<QString(int dev, char* piece, qint64 got, qint64 padded, qint64 at, char* spare)>;
    // One pass over the image in pieces, with Stop and progress, the disk
    // opened directly (for writing: exclusively, and flushed at the end).
    QString passOverImage(const QString& image, bool writing, const PieceStep& step);
    // Moves `length` bytes between `data` and the disk at `at`: fewer when
    // the disk ends or fails, with `why`.
    static qint64 transfer(bool writing, int dev, char* data, qint64 length, qint64 at, QString& why);
    // Opens the user's image with the user's rights, not root's.
    int openImageAsCaller(const QString& image, QString& why) const;
    // Whether a stop (or the end of input) arrived while a long operation ran.
    bool stopAsked();
    void answer(const QStringList& fields) const;
    void answerProgress(qint64 done, qint64 total) const;

    static QString systemProgram(const QString& tool); // empty when it is not installed
    static QString lastLines(const QByteArray& output);
    static QString readText(const QString& path); // a sysfs or proc file, trimmed
    static QString errnoText();
    // The uid of the user pkexec started us for; -1 when root started us itself.
    static int callerUid();

    QString m_device;
    QString m_name; // "sdb"
    QString m_refusal;
    qint64 m_size = 0;
    int m_in = 0;
    QByteArray m_pending; // read but not yet handled
    bool m_stopped = false;
    bool m_eof = false;
    QList<qint64> m_drivers; // FUSE drivers we started, by process id
};
