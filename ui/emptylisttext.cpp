#include "ui/emptylisttext.h"

#include <QComboBox>
#include <QEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {

constexpr const char* TextProperty = "emptyListText";

class EmptyListPainter : public QObject {
public:
    static EmptyListPainter* instance()
    {
        static EmptyListPainter painter;
        return &painter;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* combo = qobject_cast<QComboBox*>(watched);
        if (!combo || event->type() != QEvent::Paint || combo->count() > 0)
            return false;
        const QString text = EmptyListText(combo);
        if (text.isEmpty())
            return false;
        QStylePainter painter(combo);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        // Drawn here: the styles' label drawing shows nothing for an empty list.
        const QRect field = combo->style()
                                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                .adjusted(3, 0, -1, 0);
        painter.setPen(option.palette.color(QPalette::PlaceholderText));
        painter.drawText(field, Qt::AlignLeft | Qt::AlignVCenter,
            combo->fontMetrics().elidedText(text, Qt::ElideRight, field.width()));
        return true;
    }
};

} // namespace

void SetEmptyListText(QComboBox* combo, const QString& text)
{
    if (!combo)
        return;
    if (!combo->property(TextProperty).isValid())
        combo->installEventFilter(EmptyListPainter::instance());
    combo->setProperty(TextProperty, text);
    combo->update();
}

QString EmptyListText(const QComboBox* combo)
{
    return combo ? combo->property(TextProperty).toString() : QString();
}
