#pragma once

#include <QHeaderView>

// A horizontal header whose selection column toggles a select-all state when
// pressed to the right of its check box area.
class SCheckBoxHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit SCheckBoxHeaderView(int selectionColumn = 0, QWidget* parent = nullptr);

    bool AllSelected() const { return m_allSelected; }
    void SetAllSelected(bool selected);
    int SelectionColumn() const { return m_column; }

signals:
    void checkStausChange(bool allSelected);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_allSelected = false;
    int m_column = 0;
};
