#pragma once

#include "ui/commdialog.h"

class QLineEdit;

// Asks for a name; run with exec() and read GetText() when it returns 1.
// Tests: see CommDialog.
class CInputDialog : public CommDialog {
    Q_OBJECT
public:
    explicit CInputDialog(QWidget* parent = nullptr);

    // Shows the text trimmed, all of it selected.
    void SetText(const QString& text);
    // The typed text, trimmed.
    QString GetText() const;
    QLineEdit* LineEdit() const { return m_edit; }

private:
    QLineEdit* m_edit = nullptr;
};
