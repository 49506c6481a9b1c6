#pragma once

#include "burn/usbburnrequest.h"
#include "burn/usbhelperclient.h"
#include "burn/usbplan.h"
#include "core/tools.h"
#include "platform/blockvolume.h"
#include "runner/tooljob.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// One tool run of the burn whose command is decided when the stage begins,
// from what earlier stages found. The reason of a failure carries the tool's
// last words.
class UsbToolStep : public ToolJob {
    Q_OBJECT
public:
    struct Plan {
        QString program;
        QStringList arguments;
        bool skip = false; // nothing to do: the stage succeeds at once
        QString failure; // the stage fails at once with this reason
    };

    UsbToolStep(
        const QString& name, const QString& stageText, std::function<Plan()> prepare, QObject* parent = nullptr);

    // Turns an output piece into a percentage of this stage, when it is one.
    std::function<std::optional<int>(const QString& piece)> percent;

    QString output() const { return m_output; }
    // The last few lines a tool printed: what it said about its failure.
    static QString lastLines(const QString& output, int count = 3);
    // What 7-Zip's output says went wrong with the image.
    static QString archiveReason(const QString& output, const QString& image);

protected:
    void doStart() override;
    void handlePiece(const QString& piece) override;
    QString judge(int exitCode, QProcess::ExitStatus status) override;

private:
    QString m_stageText;
    std::function<Plan()> m_prepare;
    QString m_output;
};

class UsbHelperClient;

// Makes a bootable USB stick from an ISO image on the whole chosen disk:
// file mode (a new table, one partition, the image's files, boot code) or
// image mode (the image written as it is and read back). Every privileged
// stage goes through one helper process, started once per burn; the others
// are tool runs of our own. The stick is checked before success. Stop ends
// the current stage; the stick is then unmounted and reported incomplete.
class UsbBurnJob : public JobSequence {
    Q_OBJECT
public:
    // Room the stick needs beyond the image's size (file system, boot code).
    static constexpr qint64 HeadroomBytes = Q_INT64_C(52428800);

    struct Options {
        // Whether discovery lists the device as a stick one may burn to.
        std::function<bool(const QString& device)> listed;
        // Full path of a tool ("grub-mkimage"), empty when it is missing.
        std::function<QString(const QString& tool)> toolPath;
        // Where the install image is taken out before it is split.
        QString tempFolder;
        // 7-Zip and the splitter.
        ToolSet tools;
        // The command line that starts the helper for a device: through
        // pkexec for anyone but root.
        std::function<QStringList(const QString& device)> helperCommand;
    };

    UsbBurnJob(const UsbBurnRequest& request, const Options& options, QObject* parent = nullptr);
    ~UsbBurnJob() override;

    // Discovery's list, the system's tools, the system's temporary folder,
    // the installed 7-Zip and splitter, the installed helper.
    static Options defaultOptions();
    // The helper beside our executable (the build tree), else the installed
    // one; through pkexec unless we are root. `allowLoop` only for root.
    static QStringList defaultHelperCommand(const QString& device, bool allowLoop);

    const UsbBurnRequest& request() const { return m_request; }
    // The message the user sees once the job has ended.
    QString resultMessage() const;
    // What the stick will start on, valid after success.
    bool startsOnBios() const { return m_biosInstalled; }
    bool startsOnUefi() const { return m_uefi; }
    // Whether anything was written to the stick.
    bool touched() const { return m_touched; }
    QString mountPoint() const { return m_mountPoint; }

signals:
    // The bytes of the stage under way when it moves data (the files copied,
    // the image written and read back): done of total; 0 of 0 once a stage
    // that moves none follows.
    void bytesMoved(qint64 done, qint64 total);

private:
    void build();
    // Stages of this platform (usbburnlinux.cpp, usbburnwin.cpp).
    void buildImageMode();
    void addDeviceStages();
    void addFinalStages();
    UsbToolStep* tool(
        const QString& name, const QString& stageText, std::function<UsbToolStep::Plan()> prepare, int weight);
    StepJob* step(const QString& name, std::function<QString()> work, int weight);
    UsbToolStep::Plan systemTool(const QString& tool, const QStringList& arguments) const;
    // The step's progress counts bytes: its own figures, or a share of total().
    void countBytes(Job* step, std::function<qint64()> total = {});
    void onEnded(Job::Status status);
    void cleanUpStick();

    QString checkRequest();
    QString takeListing(const QString& output);
    // Decides from the listing what the stick gets; fails before anything is
    // written when it cannot work (no room, names that clash, a tool missing).
    QString plan();
    QString checkPlatform() const;
#ifndef Q_OS_WIN
    void addHelperStart();
    UsbHelperStep* helper(const QString& name, const QString& stageText, std::function<QStringList()> request,
        int weight, bool touches = true);
    void addEfiStages();
    void addCheckStages();
    QString copyEfiFiles();
    QString writeSyslinuxMenu();
    QString prepareGrub();
    QString kernelFileSystems() const;
#endif

    UsbBurnRequest m_request;
    Options m_options;
    UsbHelperClient* m_helper = nullptr;
    Platform::BlockVolume m_volume; // the whole disk
    QString m_partition; // its new first partition
    QString m_fileSystem;
    QList<UsbPlan::ImageEntry> m_entries;
    qint64 m_copyBytes = 0; // what the copy moves
    QSet<Job*> m_byteSteps;
    bool m_bytesShown = false;
    std::optional<UsbPlan::ImageEntry> m_installImage; // only when it must be split
    UsbPlan::LoaderChoice m_loader;
    QString m_efiImage; // the El Torito EFI image, taken out when the tree lacks a loader
    QStringList m_addedFiles; // put on the stick beside the image's files
    QString m_imageSum;
    QString m_stickSum;
    QString m_noBiosReason;
    QString m_noUefiReason;
    QString m_mountPoint;
    QString m_grubFolder; // our folder on the stick while GRUB is set up
    QString m_tempFolder; // private, below Options::tempFolder
    bool m_mounted = false;
    bool m_touched = false;
    bool m_biosInstalled = false;
    bool m_uefi = false;
    bool m_done = false; // flushed and unmounted: the stick can be removed
};
