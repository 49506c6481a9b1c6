#pragma once

#include "core/job.h"
#include "image/extractjob.h"
#include "image/isocontent.h"
#include "image/listingjob.h"
#include "runner/xorriso.h"

#include <QPointer>

#include <memory>

// The listing the Extract page and the command line show: 7-Zip's table and,
// where a cheap scan of the image finds Rock Ridge links or zisofs files,
// xorriso's Rock Ridge tree read beside it and merged in (MergeRockRidge):
// links become entries with their targets, also those the Joliet tree leaves
// out, and zisofs files get their true size. tableReady comes once both are
// in; the job ends after both runs. A tree that cannot be read leaves the
// listing as 7-Zip gives it (the extraction tries again and says why).
class ImageListingJob : public Job {
    Q_OBJECT
public:
    // `reader` (filling `content`) must outlive the job.
    ImageListingJob(ListingReader& reader, IsoContentTree& content, const QString& archive, const QString& xorriso,
        const QString& image, QObject* parent = nullptr);
    ~ImageListingJob() override;

    const ArchiveToolLog& log() const { return m_listing->log(); }
    bool damaged() const { return m_listing->damaged(); }
    // The Rock Ridge tree when it was read, for the extraction; null otherwise.
    SharedRockRidgeTree rockRidge() const { return m_ready ? m_tree : nullptr; }

signals:
    void tableReady();

protected:
    void doStart() override;
    void doStop() override;

private:
    void onTable();
    void onTreeEnded();
    void onListingEnded();
    void announce();
    void finishIfDone();

    IsoContentTree& m_content;
    QString m_xorriso;
    QString m_image;
    ListingJob* m_listing = nullptr;
    QPointer<ToolJob> m_treeJob;
    std::shared_ptr<Xorriso::RockRidgeTree> m_tree;
    bool m_tableDone = false;
    bool m_treeDone = false;
    bool m_listingDone = false;
    bool m_ready = false;
};
