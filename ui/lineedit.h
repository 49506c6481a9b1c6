#pragma once

#include <QLineEdit>
#include <QRect>
#include <QString>

// A line edit with a clickable icon drawn over it (for example a browse icon
// at its right end). Return works like a click on the icon.
class CLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CLineEdit(QWidget* parent = nullptr);

    // A negative x counts from the right edge, a negative y from the bottom.
    void SetIcons(const QString& normal, const QString& focused, const QString& pressed, int iconX, int iconY);
    // The square the icon is drawn in and clicks are caught in.
    QRect IconRect() const;

signals:
    void OnClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString m_normal;
    QString m_focused;
    QString m_pressed;
    int m_iconX = 0;
    int m_iconY = 0;
    bool m_leftHeld = false;
    QPoint m_lastPos {-1, -1};
};
