#pragma once

#include "burn/discread.h"
#include "burn/drivediscovery.h"
#include "pages/pagecontext.h"

#include <QPointer>
#include <QString>

class CImageButton;
class CProgressDialog;
class JobProgress;
class QComboBox;
class QLabel;
class QLineEdit;

// The copy-disc page: reads the disc in an optical drive into an ISO image,
// with progress and Stop, and ejects the disc on request.
class CPage5 : public PageWindow {
    Q_OBJECT
public:
    explicit CPage5(QWidget* parent = nullptr, const PageContext& context = PageContext());
    ~CPage5() override;
    // What the empty drive list shows and Start without a drive says.
    static QString NoDriveText();

    // For tests and benchmarks.
    QComboBox* DriveList() const { return m_dvdList; }
    QLineEdit* OutputField() const { return m_lineEdit; }
    CProgressDialog* Progress() const { return m_progress; }
    ReadDiscJob* ReadJob() const { return m_readJob; }
    bool IsScanning() const { return m_scan != nullptr; }

signals:
    // A reading has ended by itself, after its message (not after Stop).
    void sigReadEnded(bool succeeded);
    // A drive scan has ended.
    void sigScanEnded();

public slots:
    void OnBrowser();
    void OnStart();
    void OnEject();
    void InitializeDVDComboBox();
    void onLineOutput(QString text, QString address);
    void OnReadProgress(qint64 sector, qint64 sectors);
    void OnReadFinished();
    void updateUI();

protected:
    void changeEvent(QEvent* qe) override;

private:
    void createWidgets();
    void retranslate();

    QLabel* m_makeImage = nullptr;
    QLabel* m_source = nullptr;
    QLabel* m_select = nullptr;
    QComboBox* m_dvdList = nullptr;
    CImageButton* m_eject = nullptr;
    QLabel* m_destination = nullptr;
    QLabel* m_output = nullptr;
    QComboBox* m_formatList = nullptr;
    QLabel* m_location = nullptr;
    QLineEdit* m_lineEdit = nullptr;
    QString m_chosenFile; // the save dialog's answer, which it confirmed
    CImageButton* m_browser = nullptr;
    CImageButton* m_back = nullptr;
    CImageButton* m_start = nullptr;
    CProgressDialog* m_progress = nullptr;
    JobProgress* m_readProgress = nullptr;

    QPointer<ScanbusJob> m_scan;
    QString m_rememberedDrive;
    QPointer<ReadDiscJob> m_readJob;
    bool m_rangeSet = false;
};
