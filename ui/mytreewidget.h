#pragma once

#include <QTreeWidget>

// A click on empty space below the rows clears the selection.
class CMyTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit CMyTreeWidget(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
