#pragma once

#include "ui/imagedialog.h"

class CImageButton;
class QLabel;

// The program's message dialog: a text, OK, NO and a small close button, on
// the ":/vud/commdialogbg" background (replaceable by an illustrated one).
// Modal; run it with exec(): OK gives 1, NO and close give 0.
// The buttons are named "btnok", "btncancel" and "btnclose".
class CommDialog : public ImageDialog {
    Q_OBJECT
public:
    explicit CommDialog(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;
    void SetWordWrap();
    // Hides NO and centres OK.
    void SetSingleButton();
    // Replaces OK and NO by one button per text; exec() returns 1 for the
    // first, 2 for the second and so on (0 still for the close button).
    void SetChoices(const QStringList& texts);
    // Turns NO into "Open Folder", which opens the folder and keeps the dialog open.
    void SetOpenFolder(const QString& folder);
    QString OpenFolderPath() const { return m_folder; }

    // An illustrated background moves the text and the buttons right of the
    // illustration.
    bool SetBackgroundImage(const QString& name) override;

    // Grows to the text first (GrowToText).
    int exec() override;

    CImageButton* OkButton() const { return m_btnOk; }
    CImageButton* CancelButton() const { return m_btnCancel; }
    CImageButton* CloseButton() const { return m_btnClose; }
    QLabel* Label() const { return m_label; }
    // What Enter presses: OK, or the first of several choices; none in a
    // progress dialog, where Enter must not stop the run.
    CImageButton* DefaultButton() const;

public slots:
    virtual void OnBtnCancel();
    virtual void OnBtnOK();
    virtual void OnBtnClose();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Puts the buttons' captions in the current language.
    virtual void retranslate();

    CImageButton* m_btnClose = nullptr;
    CImageButton* m_btnOk = nullptr;
    CImageButton* m_btnCancel = nullptr;
    QLabel* m_label = nullptr;
    QString m_folder;
    QList<CImageButton*> m_choices;
};

// Opens a folder in the desktop's file manager (through the desktop
// services, that is xdg-open, on Linux; explorer.exe on Windows). False when
// none could be started.
bool OpenInExplorer(const QString& folder);
