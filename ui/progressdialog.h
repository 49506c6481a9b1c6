#pragma once

#include "ui/commdialog.h"

class QLabel;
class QProgressBar;

// A page's progress display while a tool runs: message, bar with a percentage
// text and a Stop button. Shown with show() and hidden with hide(), never
// exec()'d; while visible the rest of the program takes no input.
class CProgressDialog : public CommDialog {
    Q_OBJECT
public:
    explicit CProgressDialog(QWidget* parent = nullptr);

    // The message line; a text too long for it (a file path) is shortened in
    // the middle, the whole of it in the tool tip.
    void SetText(const QString& text);
    QString FullText() const { return m_fullText; }
    // The line below the bar: speed and time left.
    void SetDetail(const QString& text);
    QLabel* DetailLabel() const { return m_detail; }

    void SetRange(int minimum, int maximum);
    void SetValue(int value);
    bool IsFinished() const;
    // For runs that cannot be stopped: Stop shows disabled for good.
    void DisableStop();

    QProgressBar* ProgressBar() const { return m_progress; }
    CImageButton* StopButton() const { return m_btnCancel; }

    // "25%", "33.33%", "0%" for an empty range.
    static QString PercentText(int value, int minimum, int maximum);

signals:
    void SigCancel();

public slots:
    void OnBtnCancel() override;
    // Escape or a close request would hide the dialog while the tool keeps
    // running, with no Stop left to press: ignored. Stop is the way out.
    void reject() override;

protected:
    void retranslate() override;

private:
    QProgressBar* m_progress = nullptr;
    QLabel* m_detail = nullptr;
    QString m_fullText;
};
