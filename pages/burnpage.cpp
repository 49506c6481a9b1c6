#include "pages/burnpage.h"

#include "burn/discburn.h"
#include "burn/drivediscovery.h"
#include "burn/usbburnjob.h"
#include "ui/emptylisttext.h"
#include "ui/fonts.h"
#include "ui/imagebutton.h"
#include "ui/jobprogress.h"
#include "ui/mycombobox.h"
#include "ui/progressdialog.h"
#include "ui/settings.h"

#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

const char* const RadioStyle = "QRadioButton::indicator:checked {\n    image: url(:/vud/rchecked);\n}\n\n"
                               "QRadioButton::indicator:unchecked {\n    image: url(:/vud/runchecked);\n}";
const char* const GptText = "GPT(required for UEFI boot)";
const QColor Grey(83, 81, 81);
const QColor Green(98, 187, 151);
const QColor Red(200, 40, 40);

template <class Widget> Widget* placed(QWidget* parent, const char* name, const QRect& geometry, int fontPx = 0)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    if (fontPx > 0)
        widget->setFont(PixelFont(fontPx));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QRect& geometry, int fontPx, const QColor& colour)
{
    auto* text = placed<QLabel>(parent, name, geometry, fontPx);
    SetTextColour(text, colour);
    return text;
}

template <class Widget> Widget* fixed(QWidget* parent, const char* name, int x, int y, int width, int height)
{
    auto* widget = placed<Widget>(parent, name, QRect(x, y, width, height), 13);
    widget->setFixedSize(width, height);
    return widget;
}

// Makes the last item whose text equals `text` current.
void selectText(QComboBox* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i) == text)
            list->setCurrentIndex(i);
    }
}

} // namespace

CBurnDialog::CBurnDialog(QWidget* parent, const PageContext& context)
    : PageWindow(parent, context)
{
    setObjectName(QStringLiteral("CBurnDialog"));
    resize(858, 472); // until the background picture fixes the size
    createWidgets();
    SetBackgroundImage(QStringLiteral(":/vud/page1"));
    updateUI();
    retranslate();

    connect(m_browser, qOverload<>(&CImageButton::clicked), this, &CBurnDialog::onBrowser);
    connect(m_back, qOverload<>(&CImageButton::clicked), this, &CBurnDialog::onBack);
    connect(m_burn, qOverload<>(&CImageButton::clicked), this, &CBurnDialog::onBurn);
    connect(m_volumeLab, &QLineEdit::textChanged, this, &CBurnDialog::OnVolumeLabTextChange);
    m_volumeLab->setMaxLength(11);

    m_ptList->addItems({QStringLiteral("MBR(for legacy BIOS/CSM boot)"), QLatin1String(GptText)});
    m_ptList->setCurrentIndex(0);
    connect(m_ptList, qOverload<int>(&QComboBox::currentIndexChanged), this, &CBurnDialog::OnMBRSelect);
    connect(m_isoFile, &QLineEdit::textChanged, this, &CBurnDialog::onImageChanged);
    connect(m_checksumLink, &QLabel::linkActivated, this, &CBurnDialog::onChecksum);
    m_sysFileList->addItems(
        {QStringLiteral("FAT32"), QStringLiteral("NTFS"), QStringLiteral("exFAT"), QStringLiteral("FAT")});
    m_sysFileList->setCurrentIndex(0);
    restoreOptions();

    connect(m_rdvd, &QRadioButton::toggled, this, &CBurnDialog::OnRadioSelected);
    OnRadioSelected();

    if (Context().driveChanges)
        connect(Context().driveChanges, &DriveChangeSignal::sigdrivechange, this,
            [this] { InitializeUSBAndDVDComboBox(); });
}

CBurnDialog::~CBurnDialog()
{
    if (m_scan)
        m_scan->stop();
    if (m_burnJob)
        disconnect(m_burnJob, nullptr, this, nullptr);
    if (m_usbJob) // a page closed mid-burn still unmounts the stick, silently
        disconnect(m_usbJob, nullptr, this, nullptr);
    delete m_usbJob;
    delete m_progress; // a top-level window, not a child of the page
}

QComboBox* CBurnDialog::DiscList() const
{
    return m_dvdList;
}

QComboBox* CBurnDialog::UsbList() const
{
    return m_usbList;
}

void CBurnDialog::createWidgets()
{
    m_isoPath = label(this, "isopath", QRect(129, 26, 111, 25), 14, Grey);
    m_isoFile = fixed<QLineEdit>(this, "isofile", 219, 26, 306, 23);
    m_isoFile->setReadOnly(true);
    m_browser = placed<CImageButton>(this, "browser", QRect(546, 26, 88, 24));

    m_rdvd = placed<QRadioButton>(this, "rdvd", QRect(204, 83, 89, 16));
    m_rdvd->setChecked(true);
    // Captions are taller and wider than first designed: CJK glyphs and
    // longer translations must show whole.
    m_bootDvd = label(this, "bootDVD", QRect(219, 82, 381, 20), 14, Green);
    m_selectDvd = label(this, "selectDVD", QRect(219, 110, 381, 16), 13, Grey);
    m_dvdList = fixed<CMyComboBox>(this, "dvdlist", 219, 137, 371, 23);

    m_rusb = placed<QRadioButton>(this, "rusb", QRect(204, 179, 89, 16));
    m_bootUsb = label(this, "bootUSB", QRect(219, 175, 381, 20), 14, Green);
    m_selectUsb = label(this, "selectUSB", QRect(219, 199, 381, 20), 13, Grey);
    m_usbList = fixed<CMyComboBox>(this, "usblist", 219, 222, 371, 23);
    for (QRadioButton* radio : {m_rdvd, m_rusb})
        radio->setStyleSheet(QLatin1String(RadioStyle)); // siblings: exclusive

    m_partitionStyle = label(this, "partitionstyle", QRect(219, 257, 123, 20), 13, Grey);
    m_ptList = fixed<QComboBox>(this, "ptlist", 344, 258, 236, 23);
    m_fileSystem = label(this, "filesystem", QRect(219, 328, 250, 20), 13, Grey);
    m_sysFileList = fixed<QComboBox>(this, "sysfilelist", 219, 349, 180, 23);
    m_volumeLabel = label(this, "volumelabel", QRect(489, 326, 241, 20), 13, Grey);
    m_volumeLab = fixed<QLineEdit>(this, "volumelab", 489, 351, 208, 23);

    for (QLabel* caption : {m_bootDvd, m_selectDvd, m_bootUsb, m_selectUsb})
        caption->installEventFilter(this);

    // The image's checksum: a link beside Browse, its result below the image.
    m_checksumLink = label(this, "checksum", QRect(645, 28, 205, 20), 13, Grey);
    m_checksumLink->setTextFormat(Qt::RichText);
    m_checksumLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_checksumLink->hide();
    m_checksumResult = label(this, "checksumresult", QRect(219, 50, 631, 31), 12, Grey);
    m_checksumResult->setTextFormat(Qt::PlainText);
    m_checksumResult->setTextInteractionFlags(Qt::TextSelectableByMouse); // the sum can be copied

    m_back = placed<CImageButton>(this, "back", QRect(339, 405, 108, 30));
    m_burn = placed<CImageButton>(this, "burn", QRect(473, 405, 108, 30));
    m_progress = new CProgressDialog(this);
    m_burnProgress = new JobProgress(m_progress, this);
}

void CBurnDialog::updateUI()
{
    m_browser->SetImages(QStringLiteral(":/vud/Broswe1"), QStringLiteral(":/vud/Broswe2"),
        QStringLiteral(":/vud/Broswe3"), QString(), tr("Browse"), QString(), 10);
    m_back->SetImages(QStringLiteral(":/vud/backwhite1"), QStringLiteral(":/vud/backwhite2"),
        QStringLiteral(":/vud/backwhite3"), QString(), tr("Back"), QString(), 6);
    m_burn->SetImages(QStringLiteral(":/vud/burn1"), QStringLiteral(":/vud/burn2"), QStringLiteral(":/vud/burn3"),
        QString(), tr("Burn"), QString(), 3);
}

void CBurnDialog::retranslate()
{
    setWindowTitle(tr("Dialog"));
    m_isoPath->setText(tr("ISO Image:"));
    m_bootDvd->setText(tr("Create A Bootable DVD/CD"));
    m_selectDvd->setText(tr("Select a target disc then click BURN button"));
    m_bootUsb->setText(tr("Create A Bootable USB"));
    m_selectUsb->setText(tr("Select a target USB then click BURN button"));
    m_partitionStyle->setText(tr("Partition Style"));
    m_fileSystem->setText(tr("File System"));
    m_volumeLabel->setText(tr("Volume Label"));
    SetEmptyListText(m_usbList, NoUsbText());
    SetEmptyListText(m_dvdList, NoRecorderText());
    m_checksumLink->setText(QStringLiteral("<a href=\"checksum\">%1</a>").arg(tr("Checksum...").toHtmlEscaped()));
    showChecksum();
}

// The stick's partition style and file system of the last USB burn are
// offered again (the user's machine boots one way).
void CBurnDialog::restoreOptions()
{
    const int style = Settings::Value(QLatin1String(PartitionStyleKey), 0).toInt();
    if (style >= 0 && style < m_ptList->count())
        m_ptList->setCurrentIndex(style);
    const int system = m_sysFileList->findText(Settings::Value(QLatin1String(FileSystemKey)).toString());
    if (system >= 0 && m_ptList->currentIndex() != 1) // GPT boots from FAT32 only
        m_sysFileList->setCurrentIndex(system);
}

void CBurnDialog::saveOptions() const
{
    Settings::SetValue(QLatin1String(PartitionStyleKey), m_ptList->currentIndex());
    Settings::SetValue(QLatin1String(FileSystemKey), m_sysFileList->currentText());
}

QString CBurnDialog::NoUsbText()
{
    return tr("No USB disk found — plug one in");
}

QString CBurnDialog::NoRecorderText()
{
    return tr("No CD/DVD recorder found");
}

void CBurnDialog::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange) {
        updateUI();
        retranslate();
    }
    ImageDialog::changeEvent(qe);
}

bool CBurnDialog::eventFilter(QObject* watched, QEvent* event)
{
    QRadioButton* radio = watched == m_bootDvd || watched == m_selectDvd ? m_rdvd
        : watched == m_bootUsb || watched == m_selectUsb                 ? m_rusb
                                                                         : nullptr;
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (radio && (press || event->type() == QEvent::MouseButtonRelease)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !radio->isEnabled())
            return false;
        // The press is taken, so that it does not move the window; the release inside clicks.
        if (!press && static_cast<QWidget*>(watched)->rect().contains(mouse->pos())) {
            radio->setFocus(Qt::MouseFocusReason);
            radio->click();
        }
        return true;
    }
    return PageWindow::eventFilter(watched, event);
}

void CBurnDialog::onBack()
{
    close();
}

void CBurnDialog::onBrowser()
{
    const QString path = Dialogs().ChooseOpenFile(this, QStringLiteral("ISO Files(*.ISO)"));
    if (!path.isEmpty() && QFileInfo(path).isFile())
        m_isoFile->setText(path);
}

void CBurnDialog::OnVolumeLabTextChange(QString text)
{
    const QString upper = text.toUpper();
    if (upper != text) {
        const int cursor = m_volumeLab->cursorPosition();
        m_volumeLab->setText(upper);
        m_volumeLab->setCursorPosition(cursor);
    }
}

void CBurnDialog::OnMBRSelect()
{
    const bool imageMode = m_ptList->currentIndex() == ImageModeIndex;
    if (m_ptList->currentIndex() == 1) {
        m_sysFileList->setEnabled(false);
        m_sysFileList->setCurrentIndex(0); // GPT boots from FAT32 only
    } else {
        m_sysFileList->setEnabled(m_rusb->isChecked() && !imageMode);
    }
    // The image brings its own file systems and labels.
    m_volumeLab->setEnabled(m_rusb->isChecked() && !imageMode);
}

void CBurnDialog::onImageChanged()
{
    offerImageMode();
    m_checksumLink->setVisible(!m_isoFile->text().trimmed().isEmpty());
    showChecksum(); // a sum of another image is not shown
}

void CBurnDialog::offerImageMode()
{
    QFile file(m_isoFile->text().trimmed());
    const bool hybrid = file.open(QIODevice::ReadOnly) && UsbPlan::IsHybridImage(file.read(1024));
    const bool offered = m_ptList->count() > ImageModeIndex;
    if (hybrid && !offered)
        m_ptList->addItem(tr("Image (write the ISO as it is)"));
    else if (!hybrid && offered) {
        if (m_ptList->currentIndex() == ImageModeIndex)
            m_ptList->setCurrentIndex(0); // back to MBR, not to the neighbour GPT
        m_ptList->removeItem(ImageModeIndex);
    }
}

void CBurnDialog::OnRadioSelected()
{
    const bool disc = m_rdvd->isChecked();
    m_usbList->setEnabled(!disc);
    m_ptList->setEnabled(!disc);
    m_sysFileList->setEnabled(!disc && m_ptList->currentIndex() != 1 && m_ptList->currentIndex() != ImageModeIndex);
    m_volumeLab->setEnabled(!disc && m_ptList->currentIndex() != ImageModeIndex);
    m_dvdList->setEnabled(disc);

    const QString optical = m_dvdList->currentText();
    const QString removable = m_usbList->currentText();
    InitializeUSBAndDVDComboBox(0);
    selectText(m_dvdList, optical);
    selectText(m_usbList, removable);
}

void CBurnDialog::InitializeUSBAndDVDComboBox(int type)
{
    if (type == 0 || type == 2)
        refreshRemovableList();
    if (type == 0 || type == 1)
        refreshOpticalList();
}

void CBurnDialog::refreshRemovableList()
{
    const QString remembered = m_usbList->currentText();
    m_usbList->clear();
    for (const Platform::UsbDisk& disk : Context().drives.UsbDisks()) {
        const QString text = DiskItemText(disk);
        m_usbList->addItem(text, disk.device);
        m_usbList->setItemData(m_usbList->count() - 1, disk.size, SizeRole);
        if (text == remembered)
            m_usbList->setCurrentIndex(m_usbList->count() - 1);
    }
}

void CBurnDialog::refreshOpticalList()
{
    // A newer scan replaces one still under way (a drive change during the
    // first scan): its loop ends, and only the new scan fills the list.
    if (m_scan)
        m_scan->stop();
    QPointer<ScanbusJob> scan = new ScanbusJob(Context().tools.recorder, Context().drives, this);
    m_scan = scan;
    connect(scan, &ScanbusJob::recorderFound, this, &CBurnDialog::onLineOutput);
    m_rememberedOptical = m_dvdList->currentText();
    m_dvdList->clear();
    ++m_scansRun;

    QEventLoop loop;
    connect(scan, &Job::finished, &loop, &QEventLoop::quit);
    scan->start();
    // Returns when the tool has ended or could not start; events keep flowing.
    if (scan && scan->isRunning())
        loop.exec();
    if (scan && scan->timedOut())
        Dialogs().ShowMessage(scan->reason(), this);
    if (scan)
        scan->deleteLater();
}

void CBurnDialog::onLineOutput(QString text, QString address)
{
    m_dvdList->addItem(text, address);
    if (text == m_rememberedOptical)
        m_dvdList->setCurrentIndex(m_dvdList->count() - 1);
}

void CBurnDialog::showBurnFailed(const QString& picture, const QString& text)
{
    Dialogs().ShowPictureMessage(picture, text, 123, this);
}

void CBurnDialog::onBurn()
{
    const QString image = m_isoFile->text().trimmed();
    if (!QFileInfo(image).isFile() || !image.toLower().endsWith(QLatin1String(".iso"))) {
        showBurnFailed(QStringLiteral(":/vud/burn-fails"),
            tr("Burn Failed! Do as following:\n1.Try to burn again.\n2.Change another USB drive or DVD."));
        return;
    }
    if (m_rusb->isChecked())
        burnToUsb(image);
    else if (m_dvdList->currentIndex() >= 0)
        startDiscBurn(image);
    else
        Dialogs().ShowMessage(NoRecorderText() + QLatin1Char('\n')
                + tr("Connect a CD/DVD recorder with a blank disc in it, or choose a USB disk instead."),
            this);
}

void CBurnDialog::burnToUsb(const QString& image)
{
    const QString insertText = tr("Please insert your USB drive to computer");
    if (m_usbList->count() == 0) {
        showBurnFailed(QStringLiteral(":/vud/insert_usb"), NoUsbText() + QLatin1Char('\n') + insertText);
        return;
    }
    if (m_usbList->currentText().isEmpty()) {
        showBurnFailed(QStringLiteral(":/vud/insert_usb"), insertText);
        return;
    }
    if (Dialogs().AskQuestion(QStringLiteral(":/vud/format_usb"),
            tr("Your USB drive will be formatted and all data in it will be deleted! Do you want to continue?"), this)
        != 1)
        return;
    // The list may be older than the drive: only a disk that is still
    // there, as discovery sees it now, is written to.
    const std::optional<Platform::UsbDisk> disk =
        Context().drives.FindUsbDisk(m_usbList->currentData(DeviceRole).toString());
    if (!disk) {
        showBurnFailed(QStringLiteral(":/vud/insert_usb"), insertText);
        InitializeUSBAndDVDComboBox(2);
        return;
    }
    const bool imageMode = m_ptList->currentIndex() == ImageModeIndex;
    if (disk->size < QFileInfo(image).size() + (imageMode ? 0 : UsbHeadroomBytes)) {
        showBurnFailed(QStringLiteral(":/vud/insufficient_space"),
            tr("Insufficient space on disk, please change a large-capacity USB or CD/DVD."));
        return;
    }
    saveOptions();
    UsbBurnRequest request;
    request.image = image;
    request.device = disk->device;
    request.fileSystem = m_sysFileList->currentText().trimmed();
    request.label = m_volumeLab->text().trimmed();
    request.style = imageMode                                         ? UsbStyle::Image
        : m_ptList->currentText().trimmed() == QLatin1String(GptText) ? UsbStyle::Gpt
                                                                      : UsbStyle::Mbr;
    StartUsbBurn(request);
}

void CBurnDialog::startDiscBurn(const QString& image)
{
    if (m_burnJob)
        m_burnJob->deleteLater();
    m_burnJob = new DiscBurnJob(Context().tools.recorder, m_dvdList->currentData().toString(), image, this);
    connect(m_burnJob, &Job::finished, this, &CBurnDialog::onDVDBurnFinished);
    // Stop stays: a burn stopped halfway spoils the disc, but a recorder that
    // hangs must not hold the program for good. The result says what it cost.
    m_burnProgress->attach(m_burnJob);
    m_progress->StopButton()->setEnabled(true);
    m_progress->SetRange(0, 100);
    m_progress->SetText(tr("Burning the disc..."));
    m_burnJob->start();
}

void CBurnDialog::onDVDBurnFinished()
{
    const bool succeeded = m_burnJob && m_burnJob->status() == Job::Status::Succeeded;
    if (succeeded)
        Dialogs().ShowMessage(tr("Burning disc successfully."), this);
    else if (m_burnJob && m_burnJob->status() == Job::Status::Stopped)
        Dialogs().ShowMessage(tr("The burn was stopped. The disc may be unusable."), this);
    else
        Dialogs().ShowMessage(
            tr("The disc could not be burned.") + QLatin1Char('\n') + (m_burnJob ? m_burnJob->reason() : QString()),
            this);
    emit sigBurnEnded(succeeded);
}

void CBurnDialog::StartUsbBurn(const UsbBurnRequest& request)
{
    if (m_usbJob)
        m_usbJob->deleteLater();
    UsbBurnJob::Options options = UsbBurnJob::defaultOptions();
    options.tools = Context().tools;
    const DriveAccess drives = Context().drives;
    options.listed = [drives](const QString& device) {
        return drives.FindUsbDisk(device).has_value();
    };
    m_usbJob = new UsbBurnJob(request, options, this);
    if (!m_usbProgress)
        m_usbProgress = new JobProgress(m_progress, this);
    // A disc burn before may have disabled it; the USB burn stops during the copy and the split.
    m_progress->StopButton()->setEnabled(true);
    m_usbProgress->attach(m_usbJob);
    connect(m_usbJob, &UsbBurnJob::bytesMoved, m_usbProgress, &JobProgress::showBytes);
    // After the binding: the dialog is hidden before the message comes.
    connect(m_usbJob, &Job::finished, this, &CBurnDialog::onUsbBurnFinished);
    m_usbJob->start();
}

void CBurnDialog::onUsbBurnFinished()
{
    const bool succeeded = m_usbJob && m_usbJob->status() == Job::Status::Succeeded;
    if (m_usbJob)
        Dialogs().ShowMessage(m_usbJob->resultMessage(), this);
    emit sigBurnEnded(succeeded);
}

void CBurnDialog::onChecksum()
{
    // An image that cannot be read fails the job, which says so.
    const QString image = m_isoFile->text().trimmed();
    if (m_checksumJob)
        m_checksumJob->deleteLater();
    // The kind a file beside the image publishes, so that there is something to compare with.
    m_checksumJob = new ChecksumJob(image, Checksum::KindToCompare(image), this);
    m_progress->StopButton()->setEnabled(true);
    m_burnProgress->attach(m_checksumJob, QFileInfo(image).size());
    connect(m_checksumJob, &Job::finished, this, &CBurnDialog::onChecksumFinished);
    m_checksumJob->start();
}

void CBurnDialog::onChecksumFinished()
{
    if (m_checksumJob && m_checksumJob->status() == Job::Status::Failed)
        Dialogs().ShowMessage(m_checksumJob->reason(), this);
    showChecksum();
}

void CBurnDialog::showChecksum()
{
    const ChecksumJob* job = m_checksumJob;
    if (!job || job->status() != Job::Status::Succeeded || job->image() != m_isoFile->text().trimmed()) {
        m_checksumResult->clear();
        m_checksumResult->setToolTip(QString());
        return;
    }
    const QString sum = Checksum::KindName(job->kind()) + QStringLiteral(": ") + job->hex();
    const QString verdict = job->verdictText();
    const QString shown =
        m_checksumResult->fontMetrics().elidedText(verdict, Qt::ElideRight, m_checksumResult->width());
    m_checksumResult->setText(sum + QLatin1Char('\n') + shown);
    m_checksumResult->setToolTip(sum + QLatin1Char('\n') + verdict);
    const ChecksumJob::Comparison comparison = job->comparison();
    SetTextColour(m_checksumResult,
        comparison == ChecksumJob::Comparison::Differs       ? Red
            : comparison == ChecksumJob::Comparison::Matches ? Green
                                                             : Grey);
}
