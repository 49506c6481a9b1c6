#include "pages/copydiscpage.h"

#include "burn/discburn.h"
#include "core/trace.h"
#include "ui/emptylisttext.h"
#include "ui/fonts.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/progressdialog.h"

#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

CPage5::CPage5(QWidget* parent, const PageContext& context)
    : PageWindow(parent, context)
{
    setObjectName(QStringLiteral("CPage5"));
    resize(613, 356); // the form; the background picture fixes the size
    createWidgets();
    SetBackgroundImage(QStringLiteral(":/vud/page5"));
    updateUI();
    retranslate();

    connect(m_browser, qOverload<>(&CImageButton::clicked), this, &CPage5::OnBrowser);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CPage5::close);
    connect(m_start, qOverload<>(&CImageButton::clicked), this, &CPage5::OnStart);
    connect(m_eject, qOverload<>(&CImageButton::clicked), this, &CPage5::OnEject);
    if (Context().driveChanges)
        connect(Context().driveChanges, &DriveChangeSignal::sigdrivechange, this, &CPage5::InitializeDVDComboBox);
    InitializeDVDComboBox();
}

CPage5::~CPage5()
{
    if (m_scan)
        m_scan->stop();
    if (m_readJob) {
        disconnect(m_readJob, nullptr, this, nullptr);
        m_readJob->stop(); // removes the partial image
    }
    delete m_progress; // a top-level window, not a child of the page
}

void CPage5::createWidgets()
{
    const auto label = [this](const char* name, int x, int y, int width, int height) {
        auto* text = new QLabel(this);
        text->setObjectName(QLatin1String(name));
        text->setGeometry(x, y, width, height);
        return text;
    };
    m_makeImage = label("makeimage", 32, 25, 361, 21);
    QFont title = PixelFont(16, 75);
    title.setLetterSpacing(QFont::PercentageSpacing, 100);
    m_makeImage->setFont(title);
    SetTextColour(m_makeImage, QColor(98, 187, 151));
    // Captions are taller and wider than first designed: CJK glyphs and
    // longer translations must show whole.
    m_source = label("source", 44, 83, 300, 20);
    m_select = label("select", 44, 108, 261, 31);
    m_destination = label("destination", 43, 236, 300, 20);
    m_output = label("output", 43, 273, 131, 21);
    m_location = label("location", 44, 309, 300, 20);
    for (QLabel* caption : {m_source, m_select, m_destination, m_output, m_location}) {
        caption->setFont(PixelFont(14));
        SetTextColour(caption, Qt::darkGray);
    }

    m_dvdList = new QComboBox(this);
    m_dvdList->setObjectName(QStringLiteral("dvdlist"));
    m_dvdList->move(44, 147);
    m_dvdList->setFixedSize(476, 26);

    m_formatList = new QComboBox(this);
    m_formatList->setObjectName(QStringLiteral("formatlist"));
    m_formatList->setFont(PixelFont(14));
    m_formatList->move(183, 270);
    m_formatList->setFixedSize(191, 27);
    m_formatList->addItem(QStringLiteral("ISO Format"));

    m_lineEdit = new QLineEdit(this);
    m_lineEdit->setObjectName(QStringLiteral("lineEdit"));
    m_lineEdit->setFont(PixelFont(14));
    m_lineEdit->setReadOnly(true);
    m_lineEdit->move(44, 334);
    m_lineEdit->setFixedSize(476, 28);

    const auto button = [this](const char* name, int x, int y) {
        auto* picture = new CImageButton(this);
        picture->setObjectName(QLatin1String(name));
        picture->setGeometry(x, y, 61, 31);
        return picture;
    };
    m_eject = button("eject", 549, 147);
    m_browser = button("browser", 549, 334);
    m_back = button("back", 44, 417);
    m_start = button("start", 709, 417);
    m_progress = new CProgressDialog(this);
    m_readProgress = new JobProgress(m_progress, this);
}

void CPage5::updateUI()
{
    m_browser->SetImages(
        QStringLiteral(":/vud/filedialog1"), QStringLiteral(":/vud/filedialog2"), QStringLiteral(":/vud/filedialog3"));
    m_back->SetImages(QStringLiteral(":/vud/backwhite1"), QStringLiteral(":/vud/backwhite2"),
        QStringLiteral(":/vud/backwhite3"), QString(), tr("Back"), QString(), 6);
    m_start->SetImages(QStringLiteral(":/vud/start1"), QStringLiteral(":/vud/start2"), QStringLiteral(":/vud/start3"),
        QString(), tr("Start"), QString(), 6);
    m_eject->SetImages(
        QStringLiteral(":/vud/refresh1"), QStringLiteral(":/vud/refresh2"), QStringLiteral(":/vud/refresh3"));
}

void CPage5::retranslate()
{
    setWindowTitle(tr("Dialog"));
    m_makeImage->setText(tr("Make Image From Disc"));
    m_source->setText(tr("Source"));
    m_select->setText(tr("Select a CD/DVD drive:"));
    m_destination->setText(tr("Destination"));
    m_output->setText(tr("Output Format:"));
    m_location->setText(tr("Location"));
    SetEmptyListText(m_dvdList, NoDriveText());
}

void CPage5::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange) {
        updateUI();
        retranslate();
    }
    ImageDialog::changeEvent(qe);
}

QString CPage5::NoDriveText()
{
    return tr("No CD/DVD recorder found");
}

void CPage5::InitializeDVDComboBox()
{
    // A newer scan replaces one still under way; a reading is not touched.
    if (m_scan)
        m_scan->stop();
    auto* scan = new ScanbusJob(Context().tools.recorder, Context().drives, this);
    m_scan = scan;
    connect(scan, &ScanbusJob::recorderFound, this, &CPage5::onLineOutput);
    connect(scan, &Job::finished, this, [this, scan] {
        scan->deleteLater();
        if (m_scan == scan) {
            m_scan = nullptr;
            if (scan->timedOut())
                Dialogs().ShowMessage(scan->reason(), this);
            emit sigScanEnded();
        }
    });
    m_rememberedDrive = m_dvdList->currentText();
    m_dvdList->clear();
    scan->start();
}

void CPage5::onLineOutput(QString text, QString address)
{
    m_dvdList->addItem(text, address);
    if (text == m_rememberedDrive)
        m_dvdList->setCurrentIndex(m_dvdList->count() - 1);
}

void CPage5::OnEject()
{
    if (m_dvdList->currentIndex() < 0)
        return;
    StartEjectJob(Context().tools.recorder, m_dvdList->currentData().toString(), this);
}

void CPage5::OnBrowser()
{
    m_chosenFile = Dialogs().ChooseSaveFile(this, QStringLiteral("ISO Files(*.ISO)"));
    m_lineEdit->setText(m_chosenFile);
}

void CPage5::OnStart()
{
    if (m_dvdList->count() == 0) {
        // Not the image file's message: a location may well be filled in.
        Dialogs().ShowMessage(NoDriveText() + QLatin1Char('\n')
                + tr("Connect a CD/DVD drive with the disc to copy in it, then press Start again."),
            this);
        return;
    }
    if (m_dvdList->currentIndex() < 0) {
        Dialogs().ShowMessage(tr("Please select the iso file to save"), this);
        return;
    }
    if (m_lineEdit->text().trimmed().isEmpty()) {
        Dialogs().ShowMessage(tr("Please select the iso file to save."), this);
        return;
    }
    const QString target = DiscImagePath(m_lineEdit->text());
    m_lineEdit->setText(target);
    const QString refused = CheckDiscImageTarget(target);
    if (!refused.isEmpty()) {
        Dialogs().ShowMessage(tr("The image cannot be saved there.") + QLatin1Char('\n') + refused, this);
        return;
    }
    // The save dialog asked already about exactly the name it returned.
    if (target != m_chosenFile && !ConfirmReplace(target))
        return;
    m_chosenFile.clear(); // its answer held for one reading
    if (m_readJob) {
        disconnect(m_readJob, nullptr, this, nullptr);
        m_readJob->stop();
        m_readJob->deleteLater();
    }
    m_readJob = new ReadDiscJob(Context().tools.reader, m_dvdList->currentData().toString(), target, this);
    connect(m_readJob, &Job::progress, this,
        [this](const QString&, qint64 value, qint64 maximum) { OnReadProgress(value, maximum); });
    connect(m_readJob, &Job::finished, this, &CPage5::OnReadFinished);
    m_rangeSet = false;

    // Stop stays enabled: it ends the reading and removes the partial image.
    m_readProgress->attach(m_readJob);
    m_progress->SetText(tr("Start reading..."));
    m_readJob->start();
}

void CPage5::OnReadProgress(qint64 sector, qint64 sectors)
{
    // The bar follows the job; the texts say where the reading is.
    if (!m_rangeSet) {
        m_rangeSet = true;
        m_progress->SetText(tr("Reading Disc..."));
        m_readProgress->setTotalBytes(sectors * 2048);
    }
    if (sector > 0 && sector >= sectors)
        m_progress->SetText(QStringLiteral("Reading is completed,please wait a few seconds..."));
}

void CPage5::OnReadFinished()
{
    ReadDiscJob* job = m_readJob;
    m_readJob = nullptr;
    if (!job)
        return;
    job->deleteLater();
    qCDebug(lcTrace) << "CPage5::OnReadFinished" << job->status() << job->reason();
    switch (job->status()) {
    case Job::Status::Succeeded:
        Dialogs().ShowOpenFolderMessage(tr("Copy CD/DVD successfully!"), QFileInfo(job->target()).absolutePath(), this);
        emit sigReadEnded(true);
        break;
    case Job::Status::Failed:
        Dialogs().ShowMessage(tr("The disc could not be copied.") + QLatin1Char('\n') + job->reason(), this);
        emit sigReadEnded(false);
        break;
    default:
        break; // stopped by the user, who knows
    }
}
