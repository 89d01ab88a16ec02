#pragma once

#include "calendar-controls/printing/PageRect.h"

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class TForm1;
class TForm2;

namespace Ui {
class TForm7;
}

// The print window: the pages of a year project to print, a toggle that ticks
// or clears them all, the printer dialog and the selection of the last print.
// Created once at start-up and shown modally by the main window's print
// command for a year project.
class TForm7 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PageBoxes = 13; // the cover, then January..December

    TForm7(TForm1 &form1, TForm2 &form2, QWidget *parent = nullptr);
    ~TForm7() override;

    // The designer's start-up hook; run once the window exists, and again
    // when the start-up load repaired the settings or the language.
    void FormCreate();

    QLabel *Label1 = nullptr;
    // Page box n, 1 the cover, 2..13 January..December.
    QCheckBox *CheckBox(int n) const { return m_checkBox.at(n); }
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *TisknoutStejne = nullptr;

    quint8 SelectToggle = 0;
    int PageCount = 0;
    PageRect PictureRect;
    std::array<bool, PageBoxes> RememberedPages{};

    void BitBtn1Click();
    void BitBtn2Click();
    void Button1Click();
    void TisknoutStejneClick();

    TForm1 &form1() const { return m_form1; }
    TForm2 &form2() const { return m_form2; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void FormShow();

    std::unique_ptr<Ui::TForm7> ui;
    TForm1 &m_form1;
    TForm2 &m_form2;
    std::array<QCheckBox *, PageBoxes + 1> m_checkBox{};
};

extern TForm7 *Form7;
