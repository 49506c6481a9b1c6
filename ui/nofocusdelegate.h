#pragma once

#include <QStyledItemDelegate>

// Paints items like the standard delegate, without the focus frame.
class NoFocusDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit NoFocusDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
