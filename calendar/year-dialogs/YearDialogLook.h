#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;
class TSpinEdit;

// What the year-and-month dialog and the year dialog share: the window style,
// the row labels, the year field and the two buttons.
namespace YearDialogLook {

inline constexpr int FirstRowTop = 16;
inline constexpr int RowStep = 32;

void setUp(QDialog &dialog, const QString &name, const QString &caption, int clientHeight);
QLabel *addLabel(QDialog &dialog, const QString &name, const QString &text, int row);
// Field geometry of a row, beside its label.
QRect fieldRect(int row);
TSpinEdit *addYearField(QDialog &dialog, int row);
QPushButton *addButton(QDialog &dialog, const QString &name, const QString &text, int column, int top);

} // namespace YearDialogLook
