#pragma once

#include <QHeaderView>

// A horizontal header whose selection column shows a select-all check box and
// toggles it when the box itself is pressed (right of the rows' check box
// area). The owner sets
// the state when its rows change (SetAllSelected emits nothing).
class SCheckBoxHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit SCheckBoxHeaderView(int selectionColumn = 0, QWidget* parent = nullptr);

    bool AllSelected() const { return m_allSelected; }
    void SetAllSelected(bool selected);
    int SelectionColumn() const { return m_column; }
    // Where the box is drawn inside a section of the selection column.
    QRect CheckBoxRect(const QRect& section) const;
    // Whether a press at `pos` (viewport coordinates) toggles the box.
    bool OnCheckBox(const QPoint& pos) const;

signals:
    void checkStausChange(bool allSelected);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_allSelected = false;
    int m_column = 0;
};
