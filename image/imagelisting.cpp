#include "image/imagelisting.h"

#include "image/rockridge.h"
#include "image/rockridgescan.h"

#include <QFileInfo>

ImageListingJob::ImageListingJob(ListingReader& reader, IsoContentTree& content, const QString& archive,
    const QString& xorriso, const QString& image, QObject* parent)
    : Job(parent)
    , m_content(content)
    , m_xorriso(xorriso)
    , m_image(image)
    , m_listing(new ListingJob(reader, archive, image, this))
{
    setName(m_listing->name());
    connect(m_listing, &ListingJob::tableReady, this, &ImageListingJob::onTable);
    connect(m_listing, &Job::finished, this, &ImageListingJob::onListingEnded);
    connect(m_listing, &Job::progress, this, &ImageListingJob::setProgress);
}

ImageListingJob::~ImageListingJob()
{
    blockSignals(true);
    stop();
}

void ImageListingJob::doStart()
{
    m_tableDone = m_listingDone = m_ready = false;
    m_tree.reset();
    m_treeDone = true;
    if (!m_xorriso.isEmpty() && QFileInfo(m_xorriso).isExecutable() && ScanRockRidge(m_image).NeedsTree()) {
        m_tree = std::make_shared<Xorriso::RockRidgeTree>();
        m_treeDone = false;
        auto* job = new ToolJob(this);
        job->setCommand(m_xorriso, Tools::rockRidgeTreeArgs(m_image));
        job->onPiece = [tree = m_tree](const QString& piece) {
            tree->Feed(piece);
        };
        connect(job, &Job::finished, this, &ImageListingJob::onTreeEnded);
        m_treeJob = job;
        job->start();
    }
    m_listing->start();
}

void ImageListingJob::doStop()
{
    if (ToolJob* job = m_treeJob) {
        disconnect(job, nullptr, this, nullptr);
        job->stop();
        job->deleteLater();
    }
    m_treeJob = nullptr;
    m_listing->stop();
}

void ImageListingJob::onTable()
{
    m_tableDone = true;
    if (m_treeDone)
        announce();
}

void ImageListingJob::onTreeEnded()
{
    ToolJob* job = m_treeJob;
    if (!isRunning() || !job)
        return;
    m_treeJob = nullptr;
    job->deleteLater();
    m_treeDone = true;
    if (job->status() != Job::Status::Succeeded || !m_tree->Loaded())
        m_tree.reset(); // shown as 7-Zip lists it
    if (m_tableDone)
        announce();
    finishIfDone();
}

void ImageListingJob::announce()
{
    if (m_ready)
        return;
    if (m_tree)
        MergeRockRidge(m_content, *m_tree);
    m_ready = true;
    emit tableReady();
}

void ImageListingJob::onListingEnded()
{
    if (!isRunning())
        return;
    m_listingDone = true;
    if (m_listing->status() != Job::Status::Succeeded) {
        doStop();
        fail(m_listing->reason());
        return;
    }
    finishIfDone();
}

void ImageListingJob::finishIfDone()
{
    if (!m_listingDone || !m_treeDone || !isRunning())
        return;
    if (!m_ready && m_tableDone)
        announce();
    succeed();
}
