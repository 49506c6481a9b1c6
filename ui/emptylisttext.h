#pragma once

#include <QString>

class QComboBox;

// What an empty drop-down list shows in its box, in the placeholder colour:
// why it is empty and what to do ("No USB disk found — plug one in"). Qt 5's
// own placeholder text is not drawn for a list the user cannot type in.
// Call again to change the text (after a language change).
void SetEmptyListText(QComboBox* combo, const QString& text);
QString EmptyListText(const QComboBox* combo);
