#pragma once

#include "burn/discburn.h"
#include "burn/drivediscovery.h"
#include "burn/usbburnjob.h"
#include "burn/usbplan.h"
#include "image/imagechecksum.h"
#include "pages/pagecontext.h"

#include <QPointer>
#include <QString>

class CImageButton;
class CMyComboBox;
class CProgressDialog;
class JobProgress;
class QComboBox;
class QEventLoop;
class QLabel;
class QLineEdit;
class QRadioButton;

// The burn page: an ISO image to a CD/DVD or to a bootable USB stick. Owns
// the two drive lists, the checks that run before anything is written, and
// the dispatch to the disc burn or the USB pipeline.
class CBurnDialog : public PageWindow {
    Q_OBJECT
public:
    // The partition-style entry of image mode, offered for hybrid images only.
    static constexpr int ImageModeIndex = 2;
    // Item data of the removable list: the device, and the disk's size.
    static constexpr int DeviceRole = Qt::UserRole;
    static constexpr int SizeRole = Qt::UserRole + 1;
    // What an empty list shows, and what a burn without a drive says.
    static QString NoUsbText();
    static QString NoRecorderText();
    // Where the last USB burn's options are kept.
    static constexpr const char* PartitionStyleKey = "burn/partitionStyle";
    static constexpr const char* FileSystemKey = "burn/fileSystem";
    // What a USB burn needs beyond the image: the image and 50 MiB.
    static constexpr qint64 UsbHeadroomBytes = UsbBurnJob::HeadroomBytes;

    explicit CBurnDialog(QWidget* parent = nullptr, const PageContext& context = PageContext());
    ~CBurnDialog() override;

    // For tests and benchmarks.
    QLineEdit* ImageField() const { return m_isoFile; }
    QLineEdit* LabelField() const { return m_volumeLab; }
    QComboBox* DiscList() const;
    QComboBox* UsbList() const;
    QComboBox* PartitionList() const { return m_ptList; }
    QComboBox* FileSystemList() const { return m_sysFileList; }
    QRadioButton* DiscRadio() const { return m_rdvd; }
    QRadioButton* UsbRadio() const { return m_rusb; }
    CProgressDialog* Progress() const { return m_progress; }
    DiscBurnJob* BurnJob() const { return m_burnJob; }
    UsbBurnJob* UsbJob() const { return m_usbJob; }
    ChecksumJob* SumJob() const { return m_checksumJob; }
    QLabel* ChecksumLink() const { return m_checksumLink; }
    QLabel* ChecksumResult() const { return m_checksumResult; }
    int ScansRun() const { return m_scansRun; }

signals:
    // A burn that got past the checks has ended, after its message.
    void sigBurnEnded(bool succeeded);

public slots:
    void onBrowser();
    void onBurn();
    void onBack();
    void InitializeUSBAndDVDComboBox(int type = 0);
    void OnRadioSelected();
    void OnVolumeLabTextChange(QString text);
    void OnMBRSelect();
    void offerImageMode();
    void onLineOutput(QString text, QString address);
    void onDVDBurnFinished();
    void onChecksum();
    void updateUI();

protected:
    void changeEvent(QEvent* qe) override;
    // A click on an option's caption chooses the option.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createWidgets();
    void retranslate();
    void restoreOptions();
    void saveOptions() const;
    void refreshRemovableList();
    void refreshOpticalList();
    void startDiscBurn(const QString& image);
    void burnToUsb(const QString& image);
    // The USB pipeline.
    void StartUsbBurn(const UsbBurnRequest& request);
    void onUsbBurnFinished();
    void onChecksumFinished();
    void onImageChanged();
    void showChecksum();
    void showBurnFailed(const QString& picture, const QString& text);

    QLabel* m_isoPath = nullptr;
    QLineEdit* m_isoFile = nullptr;
    CImageButton* m_browser = nullptr;
    QRadioButton* m_rdvd = nullptr;
    QLabel* m_bootDvd = nullptr;
    QLabel* m_selectDvd = nullptr;
    CMyComboBox* m_dvdList = nullptr;
    QRadioButton* m_rusb = nullptr;
    QLabel* m_bootUsb = nullptr;
    QLabel* m_selectUsb = nullptr;
    CMyComboBox* m_usbList = nullptr;
    QLabel* m_partitionStyle = nullptr;
    QComboBox* m_ptList = nullptr;
    QLabel* m_fileSystem = nullptr;
    QComboBox* m_sysFileList = nullptr;
    QLabel* m_volumeLabel = nullptr;
    QLineEdit* m_volumeLab = nullptr;
    QLabel* m_checksumLink = nullptr;
    QLabel* m_checksumResult = nullptr;
    CImageButton* m_back = nullptr;
    CImageButton* m_burn = nullptr;
    CProgressDialog* m_progress = nullptr;
    JobProgress* m_burnProgress = nullptr;

    // The optical scan under way, and the text to select again when its
    // recorder shows up.
    QPointer<ScanbusJob> m_scan;
    QPointer<QEventLoop> m_scanLoop;
    QString m_rememberedOptical;
    int m_scansRun = 0;

    QPointer<DiscBurnJob> m_burnJob;
    QPointer<UsbBurnJob> m_usbJob;
    QPointer<ChecksumJob> m_checksumJob;
    JobProgress* m_usbProgress = nullptr;
};
