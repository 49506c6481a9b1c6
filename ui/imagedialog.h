#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

class QLabel;

// Registers the picture set (":/vud/...") once. The resources live in a
// static library, so something must reference them for the linker to keep
// them; every window and picture control calls this.
void InitPictureResources();

// A frameless, translucent dialog painted with one background picture. Every
// window and page of the program derives from it. Pages become embedded child
// widgets when re-parented into the main window.
class ImageDialog : public QDialog {
    Q_OBJECT
public:
    // The parent is not used: an ImageDialog starts as a top-level window.
    explicit ImageDialog(QWidget* parent = nullptr);

    // Loads the picture and fixes the dialog's size to it. An empty name is
    // ignored; a picture that fails to load leaves everything as it was.
    // Returns whether the picture was taken.
    virtual bool SetBackgroundImage(const QString& name);
    void SetBackgroundColor(const QColor& color);
    void SetDragEnabled(bool enabled);

    QString BackgroundImage() const { return m_imageName; }

    // Illustrated dialog backgrounds carry their picture in a panel this wide
    // at their left edge; texts start right of it.
    static constexpr int IllustrationWidth = 140;

    // Whether new dialogs are translucent: only where the desktop composites,
    // otherwise their transparent corners would show black and they are drawn
    // square instead.
    static bool Translucent();
    void SetTranslucent(bool translucent) { setAttribute(Qt::WA_TranslucentBackground, translucent); }
    bool DragEnabled() const { return m_dragEnabled; }

protected:
    // Grows the dialog (within the screen) until `label` shows all its text;
    // widgets below the label move down, widgets at the top right move right.
    // Text that still does not fit scrolls. Pictures are stretched between
    // their corners, which keep their size.
    void GrowToText(QLabel* label);

signals:
    void sigvisable(bool visible);
    void sigmove();

public slots:
    void slot_minWindow();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor m_backgroundColor;
    QColor m_cornerColor; // fills the square corners of an opaque dialog
    QString m_imageName;
    bool m_dragEnabled = false;
    bool m_mousePressed = false;
    int m_dragX = 0;
    int m_dragY = 0;
};
