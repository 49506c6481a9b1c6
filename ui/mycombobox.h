#pragma once

#include <QComboBox>

// Announces a left click before its list opens, so the owner can refresh the
// entries just in time.
class CMyComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CMyComboBox(QWidget* parent = nullptr);

signals:
    void dropdownclicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
