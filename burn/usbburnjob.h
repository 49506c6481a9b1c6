#pragma once

#include "burn/usbburnrequest.h"
#include "burn/usbplan.h"
#include "core/tools.h"
#include "platform/blockvolume.h"
#include "runner/tooljob.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// One tool run of the burn whose command is decided when the stage begins,
// from what earlier stages found. A privileged run goes through pkexec when
// we are not root; a refused authorisation is reported as such. The reason of
// a failure carries the tool's last words.
class UsbToolStep : public ToolJob {
    Q_OBJECT
public:
    struct Plan {
        QString program;
        QStringList arguments;
        bool privileged = false;
        bool skip = false; // nothing to do: the stage succeeds at once
        QString failure; // the stage fails at once with this reason
    };

    UsbToolStep(
        const QString& name, const QString& stageText, std::function<Plan()> prepare, QObject* parent = nullptr);

    // Turns an output piece into a percentage of this stage, when it is one.
    std::function<std::optional<int>(const QString& piece)> percent;
    // How a privileged plan is run (UsbBurnJob::Options::elevate).
    std::function<QStringList(const QString& program, const QStringList& arguments)> elevate;

    QString output() const { return m_output; }
    // The last few lines a tool printed: what it said about its failure.
    static QString lastLines(const QString& output, int count = 3);

protected:
    void doStart() override;
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;

private:
    QString m_stageText;
    std::function<Plan()> m_prepare;
    QString m_output;
    bool m_elevated = false;
};

// Makes a bootable USB stick from an ISO image: every stage a tool run (or a
// short in-process step) on the chosen volume, each judged by its exit status
// and its error lines, the stick checked before success. Stop ends the
// current stage; the stick is then unmounted and reported incomplete.
class UsbBurnJob : public JobSequence {
    Q_OBJECT
public:
    // Room the stick needs beyond the image's size (file system, boot code).
    static constexpr qint64 HeadroomBytes = Q_INT64_C(52428800);

    struct Options {
        // Whether discovery lists the device as a stick one may burn to.
        std::function<bool(const QString& device)> listed;
        // Full path of a tool ("mkfs.vfat"), empty when it is missing: the
        // format tools and GRUB's below the application directory, the
        // others from the system.
        std::function<QString(const QString& tool)> toolPath;
        // Where the install image is taken out before it is split.
        QString tempFolder;
        // 7-Zip and the splitter.
        ToolSet tools;
        // The command line that runs a privileged tool: as it is for root,
        // through pkexec for anyone else.
        std::function<QStringList(const QString& program, const QStringList& arguments)> elevate;
    };

    UsbBurnJob(const UsbBurnRequest& request, const Options& options, QObject* parent = nullptr);
    ~UsbBurnJob() override;

    // Discovery's list, the system's tools, the system's temporary folder,
    // the installed 7-Zip and splitter.
    static Options defaultOptions();

    const UsbBurnRequest& request() const { return m_request; }
    // The message the user sees once the job has ended.
    QString resultMessage() const;
    // What the stick will start on, valid after success.
    bool startsOnBios() const { return m_biosInstalled; }
    bool startsOnUefi() const { return m_uefi; }
    // Whether anything was written to the stick (the format ran).
    bool touched() const { return m_touched; }
    QString mountPoint() const { return m_mountPoint; }

private:
    void build();
    // Stages of this platform (usbburnlinux.cpp, usbburnwin.cpp).
    void addDeviceStages();
    void addFinalStages();
    UsbToolStep* tool(
        const QString& name, const QString& stageText, std::function<UsbToolStep::Plan()> prepare, int weight);
    StepJob* step(const QString& name, std::function<QString()> work, int weight);
    UsbToolStep::Plan systemTool(const QString& tool, const QStringList& arguments, bool privileged) const;
    void onEnded(Job::Status status);
    void cleanUpStick();

    QString checkRequest();
    QString takeListing(const QString& output);
    // Decides from the listing what the stick gets; fails before anything is
    // written when it cannot work (no room, a tool missing).
    QString plan();
    // What the platform's stages need beyond room on the stick: their tools,
    // names their file system drivers can write.
    QString checkPlatform() const;
#ifndef Q_OS_WIN
    void decideBiosBoot();
    QString prepareGrub();
    UsbPlan::Command mountCommand() const;
    UsbToolStep::Plan touching(const UsbToolStep::Plan& plan);
#endif

    UsbBurnRequest m_request;
    Options m_options;
    Platform::BlockVolume m_volume;
    QString m_fileSystem;
    QList<UsbPlan::ImageEntry> m_entries;
    std::optional<UsbPlan::ImageEntry> m_installImage; // only when it must be split
    std::optional<UsbPlan::PartitionEntry> m_partition;
    UsbPlan::LoaderChoice m_loader;
    QString m_noBiosReason;
    QString m_noUefiReason;
    QString m_mountPoint;
    QString m_grubFolder; // our folder on the stick while GRUB is set up
    QString m_tempFolder; // private, below Options::tempFolder
    bool m_mounted = false;
    bool m_touched = false;
    bool m_biosInstalled = false;
    bool m_uefi = false;
};
