#include "testutil.h"

#include "core/job.h"
#include "image/editsession.h"
#include "image/filecopy.h"
#include "image/isocontent.h"
#include "runner/outputsplitter.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTimer>

#include <functional>

namespace TestUtil {

Result run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    Result result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(timeoutMs))
        return result;
    process.waitForFinished(timeoutMs);
    result.output = process.readAll();
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

bool haveProgram(const QString& program)
{
    return !QStandardPaths::findExecutable(program).isEmpty();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray readAt(const QString& path, qint64 position, qint64 length)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.seek(position) ? file.read(length) : QByteArray();
}

QByteArray randomBytes(qint64 size)
{
    QByteArray bytes(int(size), '\0');
    QRandomGenerator(quint32(size)).fillRange(reinterpret_cast<quint32*>(bytes.data()), int(size / 4));
    return bytes;
}

bool makeSparseFile(const QString& path, qint64 size)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

QStringList listTree(const QString& folder)
{
    QStringList paths;
    QDirIterator it(
        folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << QDir(folder).relativeFilePath(it.next());
    paths.sort();
    return paths;
}

QString dataPath(const QString& relativePath)
{
    return QStringLiteral(QUILLON_TEST_DATA "/") + relativePath;
}

QStringList fixturePieces(const QString& relativePath)
{
    QFile file(dataPath(relativePath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    OutputSplitter splitter;
    QStringList pieces;
    splitter.feed(file.readAll(), pieces);
    splitter.flush(pieces);
    return pieces;
}

QString standInTool()
{
    return QCoreApplication::applicationDirPath() + "/standin_disctool";
}

void playStandIn(const QString& recorded, int status)
{
    qputenv("QUILLON_STANDIN_OUTPUT", dataPath(recorded).toUtf8());
    qputenv("QUILLON_STANDIN_STATUS", QByteArray::number(status));
}

bool finish(Job& job, int timeoutMs)
{
    bool ended = false;
    QEventLoop loop;
    QObject::connect(&job, &Job::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job.start();
    if (!ended)
        loop.exec();
    return ended;
}

Job::Status finishSequence(JobSequence& job, QString* reason)
{
    finish(job);
    for (Job* step : job.findChildren<Job*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (reason && step->status() == Job::Status::Failed)
            *reason = step->reason();
    }
    return job.status();
}

std::unique_ptr<EditSession> openEditSession(const QString& image, const ToolSet& tools)
{
    auto session = std::make_unique<EditSession>(tools);
    bool listed = false, extracted = false;
    QEventLoop loop;
    QObject::connect(session.get(), &EditSession::listingEnded, &loop, [&](bool complete) {
        listed = complete;
        if (!complete)
            loop.quit();
    });
    QObject::connect(session.get(), &EditSession::extractionEnded, &loop, [&](bool succeeded) {
        extracted = succeeded;
        loop.quit();
    });
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    session->open(image);
    loop.exec();
    QObject::disconnect(session.get(), nullptr, &loop, nullptr);
    if (!listed || !extracted || !session->copier()->WaitForIdle(30000))
        return nullptr;
    return session;
}

Job::Status saveEditSession(EditSession& session, const QString& output, QString* reason)
{
    std::unique_ptr<JobSequence> job(session.makeSaveJob(output));
    if (reason)
        reason->clear();
    return finishSequence(*job, reason);
}

bool makeIso(const QString& sourceFolder, const QString& image, const QStringList& extra)
{
    const QStringList args {"-quiet", "-input-charset", "utf-8", "-J", "-R", "-joliet-long"};
    return run("genisoimage", args + extra + QStringList {"-o", image, sourceFolder}).exitCode == 0;
}

QStringList xorrisoFind(const QString& image)
{
    QStringList paths;
    for (const QByteArray& line : run("xorriso", {"-indev", image, "-find", "/", "-exec", "lsdl"}).output.split('\n')) {
        // lsdl lines: permissions, links, owner, group, size, date..., 'path';
        // 'e' is the El Torito boot catalog, a file of the tree too.
        const int quote = line.indexOf('\'');
        if ((!line.startsWith('d') && !line.startsWith('-') && !line.startsWith('e')) || quote < 0)
            continue;
        QString path = QString::fromUtf8(line.mid(quote + 1, line.lastIndexOf('\'') - quote - 1));
        path.replace(QLatin1String("'\"'\"'"), QLatin1String("'"));
        if (path.startsWith(QLatin1Char('/')))
            path.remove(0, 1);
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

// The fields after the 20-character heading of each El Torito report line that has it.
static QList<QStringList> elToritoReport(const QString& image, const char* heading)
{
    QList<QStringList> rows;
    for (const QByteArray& raw : run("xorriso", {"-indev", image, "-report_el_torito", "plain"}).output.split('\n')) {
        if (raw.startsWith(heading))
            rows << QString::fromUtf8(raw.mid(20)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return rows;
}

QList<QStringList> xorrisoBootImages(const QString& image)
{
    QList<QStringList> rows;
    for (const QStringList& f : elToritoReport(image, "El Torito boot img :")) {
        if (f.size() >= 8)
            rows << f;
    }
    return rows;
}

QStringList xorrisoBootPaths(const QString& image)
{
    QStringList paths;
    for (const QStringList& f : elToritoReport(image, "El Torito img path :")) {
        if (f.size() < 2)
            continue;
        const int n = f[0].toInt();
        while (paths.size() < n)
            paths << QString();
        paths[n - 1] = f.mid(1).join(QLatin1Char(' '));
    }
    return paths;
}

QList<QStringList> xorrisoBootFacts(const QString& image)
{
    QList<QStringList> facts;
    for (const QStringList& row : xorrisoBootImages(image))
        facts << QStringList {row[1], row[2], row[3], row[4], row[6]};
    return facts;
}

IsoEntry entry(const QString& name, bool isDir, const QString& size, const QString& localPath)
{
    IsoEntry e;
    e.name = name;
    e.isDir = isDir;
    e.sizeText = size;
    e.localPath = localPath;
    return e;
}

QStringList modelPaths(const IsoEntry& folder)
{
    QStringList paths;
    std::function<void(const IsoEntry&)> visit = [&](const IsoEntry& f) {
        for (int i = 0; i < f.childCount(); ++i) {
            paths << QString(f.child(i)->name).replace(QLatin1Char('\\'), QLatin1Char('/'));
            visit(*f.child(i));
        }
    };
    visit(folder);
    paths.sort();
    return paths;
}

} // namespace TestUtil
