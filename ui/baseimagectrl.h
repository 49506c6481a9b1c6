#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

// A picture button: normal, mouse-over, pressed and disabled looks, either as
// four separate pictures or as one strip of equal frames side by side, plus a
// caption drawn in one of sixteen text styles (0 = no text).
class CBaseImageCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CBaseImageCtrl(QWidget* parent = nullptr);

    // All further pictures must have the normal picture's size; otherwise, or
    // when the normal picture fails to load, nothing changes. Returns whether
    // the pictures were taken.
    bool SetImages(const QString& normal, const QString& hover = QString(), const QString& pressed = QString(),
        const QString& disabled = QString(), const QString& text = QString(), const QString& text2 = QString(),
        int textStyle = 0);
    // One picture holding frameCount equal frames (normal, mouse over,
    // pressed, disabled); stored without checks.
    void SetImageStrip(const QString& name, int frameCount, const QString& text = QString(), int textStyle = 0);

    // Clicks an enabled control as the mouse or the keyboard does.
    void Click();

    // Changes the caption only, keeping pictures and text style.
    void SetText(const QString& text);

    QString NormalImage() const { return m_normal; }
    QString HoverImage() const { return m_hover; }
    QString PressedImage() const { return m_pressed; }
    QString DisabledImage() const { return m_disabled; }
    QString Text() const { return m_text; }
    QString Text2() const { return m_text2; }
    int TextStyle() const { return m_textStyle; }
    int FrameCount() const { return m_frameCount; }

    enum class Look { Normal, Hover, Pressed, Disabled };
    // The look the control would paint now.
    Look CurrentLook() const;
    // Picture and source rectangle painted for a look (empty name: nothing).
    void SourceFor(Look look, QString* name, QRect* source) const;

    // Where and how each caption is drawn in a look.
    struct TextPlacement {
        QString text;
        QFont font;
        QRect rect;
        int flags;
        QColor colour;
    };
    QList<TextPlacement> TextPlacements(Look look) const;

signals:
    void clicked(bool checked);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space and Enter press a focused control.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void applyAutoSize();
    void drawText(class QPainter& painter, Look look);

    QString m_normal;
    QString m_hover;
    QString m_pressed;
    QString m_disabled;
    QString m_text;
    QString m_text2;
    int m_textStyle = 0;
    int m_frameCount = 0;
    bool m_mouseOver = false;
    bool m_leftHeld = false; // from our own press and release events
    bool m_cursorInside = false; // last known cursor position was inside
};
