#pragma once

#include "trainer/form-dialog/FormDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TPdf;

// The viewer of one law or decree text, maximized whenever it is active.
class TUkaz_Vyhlasku : public FormDialog
{
    Q_OBJECT

public:
    TUkaz_Vyhlasku(const QString &documentTitle, const QString &documentFile, QWidget *parent = nullptr);

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

    QString m_documentTitle;
    QString m_documentFile;
};

// The viewer while it runs modally, or null.
extern TUkaz_Vyhlasku *Ukaz_Vyhlasku;
