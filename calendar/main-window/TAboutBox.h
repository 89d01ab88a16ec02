#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

// The about box: program icon, product name and version, and OK.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

    std::unique_ptr<Ui::TAboutBox> ui;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void OKButtonClick();
};

extern TAboutBox *AboutBox;
