#include "platform/ui/SpinEdit.h"

#include "platform/text/IntegerText.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

TSpinEdit::TSpinEdit(QWidget *parent) : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int TSpinEdit::maxLength() const
{
    return lineEdit()->maxLength();
}

void TSpinEdit::setMaxLength(int length)
{
    lineEdit()->setMaxLength(length);
}

int TSpinEdit::valueOf(const QString &text) const
{
    const Result<qint32> typed = parseInteger(text);
    if (!typed)
        return minimum();
    return std::clamp<int>(*typed, minimum(), maximum());
}

// A field still being typed in (say "0", or emptied) has not been corrected
// yet; its value is read from the text.
int TSpinEdit::Value() const
{
    return valueOf(cleanText());
}

// A sign may be typed before the digits even when the range has no negative
// numbers: "-5" stands until the field is left, and then shows the bound.
QValidator::State TSpinEdit::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid)
        return state;
    static const QRegularExpression signedDigits(QStringLiteral("^[+-][0-9]*$"));
    return signedDigits.match(input).hasMatch() ? QValidator::Intermediate : QValidator::Invalid;
}

void TSpinEdit::fixup(QString &input) const
{
    input = textFromValue(valueOf(input));
}
