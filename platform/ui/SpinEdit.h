#pragma once

#include <QSpinBox>

// The form library's spin edit: a number field with up and down buttons.
// Its value is the integer of its text, the minimum when the text is not an
// integer; a value set, or left in the field, outside the range is replaced
// by the nearest bound. At most `maxLength` characters can be typed, a sign
// among them; a form sets it as the property "maxLength".
class TSpinEdit : public QSpinBox
{
    Q_OBJECT
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit TSpinEdit(QWidget *parent = nullptr);

    int maxLength() const;
    void setMaxLength(int length);

    // The integer of the text as it stands, within the range.
    int Value() const;

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    int valueOf(const QString &text) const;
};
