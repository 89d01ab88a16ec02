#pragma once

#include "trainer/form-dialog/FormDialog.h"

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class TPdf;

namespace Ui {
class TUkaz_Vyhlasku;
}

// The viewer of one law or decree text, maximized whenever it is active.
class TUkaz_Vyhlasku : public FormDialog
{
    Q_OBJECT

public:
    TUkaz_Vyhlasku(const QString &documentTitle, const QString &documentFile, QWidget *parent = nullptr);
    ~TUkaz_Vyhlasku() override;

    QLabel *Jmeno;
    TPdf *Pdf1;
    QCheckBox *CheckBox1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn1;

protected:
    bool event(QEvent *event) override;

private:
    void FormShow() override;
    void FormActivate();
    void CheckBox1Click();
    void BitBtn2Click();

    std::unique_ptr<Ui::TUkaz_Vyhlasku> ui;
    QString m_documentTitle;
    QString m_documentFile;
};

// The viewer while it runs modally, or null.
extern TUkaz_Vyhlasku *Ukaz_Vyhlasku;
