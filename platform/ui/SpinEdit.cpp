#include "platform/ui/SpinEdit.h"

#include "platform/text/IntegerText.h"

#include <QLineEdit>

#include <algorithm>

TSpinEdit::TSpinEdit(int minValue, int maxValue, int maxLength, QWidget *parent) : QSpinBox(parent)
{
    setRange(minValue, maxValue);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    lineEdit()->setMaxLength(maxLength);
}

// A field still being typed in (say "0", or emptied) has not been corrected
// yet; its value is read from the text.
int TSpinEdit::Value() const
{
    const std::optional<qint32> typed = parseInteger(cleanText());
    if (!typed)
        return minimum();
    return std::clamp<int>(*typed, minimum(), maximum());
}
