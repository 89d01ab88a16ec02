#pragma once

#include "calendar/main-window/PictureFilter.h"
#include "platform/ui/CommonDialogs.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>
#include <memory>

class ColorPanel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TSpinEdit;

namespace Ui {
class TForm3;
}

// The calendar wizard: year and four colours on the first page, the pictures
// of the cover and the twelve months on the second, the months' text lines on
// the third. Created once at start-up, shown modally by New project.
class TForm3 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    // PageControl1 with its three pages, tabs hidden: only the buttons move.
    QTabWidget *PageControl1 = nullptr;
    TSpinEdit *SpinEdit1 = nullptr;

    // Controls by their number: TabSheet 1..3, Button 1..16 (1 Back,
    // 2 Next/Finish, 3 Cancel, 4..16 browse for Edit1..Edit13), Label 1..33,
    // Edit 1..25 (1..13 pictures of the cover and January..December, 14..25
    // texts of January..December), Panel 1..4 (text, day-name, fill and line
    // colour).
    QWidget *TabSheet(int n) const { return m_tabSheet.at(n); }
    QPushButton *Button(int n) const { return m_button.at(n); }
    QLabel *Label(int n) const { return m_label.at(n); }
    QLineEdit *Edit(int n) const { return m_edit.at(n); }
    ColorPanel *Panel(int n) const { return m_panel.at(n); }

    ColorDialog ColorDialog1;
    OpenPictureDialog OpenPictureDialog1{PictureFilter};

    // Kept from the language in use by the caption pass.
    QStringList MonthNames;
    QString BackCaption = QStringLiteral("< &Zpět");
    QString NextCaption = QStringLiteral("&Další >");
    QString FinishCaption = QStringLiteral("&Dokončit");
    QString CancelCaption = QStringLiteral("&Storno");

    // The untitled document name the project built by Finish is titled with;
    // set by New project before the wizard is shown.
    QString UntitledProjectName;

    void Button1Click();
    void Button2Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void takeControls();
    void connectControls();

    std::unique_ptr<Ui::TForm3> ui;
    std::array<QWidget *, 4> m_tabSheet{};
    std::array<QPushButton *, 17> m_button{};
    std::array<QLabel *, 34> m_label{};
    std::array<QLineEdit *, 26> m_edit{};
    std::array<ColorPanel *, 5> m_panel{};
};

// The wizard window, live from start-up to the end of the program.
extern TForm3 *Form3;
