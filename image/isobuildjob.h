#pragma once

#include "image/isobuild.h"
#include "runner/isobuilder.h"
#include "runner/tooljob.h"
#include "runner/xorriso.h"

#include <functional>

// One run of the image builder into a new image file. The builder creates
// its own new file in a private folder beside the target (a file made
// beforehand would be truncated and flushed again on close, doubling the
// time), and that file replaces the target only when the run is judged good:
// a failed or stopped build never costs the user an older image of that name.
// A new image gets the mode the user's umask gives; a replaced one keeps its mode.
class IsoBuildJob : public ToolJob {
    Q_OBJECT
public:
    struct Request {
        QString output; // the image the user chose
        // The builder's arguments for writing to `file` (the private file).
        std::function<QStringList(const QString& file)> arguments;
        QString program; // the builder
        // A further check of the complete file before it replaces the
        // target: the reason it is not good, or an empty text.
        std::function<QString(const QString& file)> check;
        // xorriso reports its run in other words than genisoimage.
        bool xorriso = false;
    };

    explicit IsoBuildJob(Request request, QObject* parent = nullptr);

    const Request& request() const { return m_request; }
    // What the builder printed in the last run.
    const IsoBuild::OutputLog& log() const { return m_log; }

signals:
    // The builder has been started with these arguments.
    void started(QStringList arguments);

protected:
    void doStart() override;
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;
    void cleanUp() override;

private:
    QString failureText(const IsoBuild::Verdict& verdict) const;

    Request m_request;
    IsoBuild::OutputLog m_log;
    Xorriso::OutputLog m_xorrisoLog;
    QString m_privateFolder;
    QString m_file;
};
