#pragma once

#include "trainer/browser-windows/PageWindow.h"

#include <memory>

class QPushButton;

namespace Ui {
class Tchybove_Otazky;
}

// The wrong answers of a finished test; its page is deleted when it closes.
class Tchybove_Otazky : public PageWindow
{
    Q_OBJECT

public:
    explicit Tchybove_Otazky(const QString &pagePath, QWidget *parent = nullptr);
    ~Tchybove_Otazky() override;

    QPushButton *Tisk = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void done(int result) override;

private:
    void FormShow() override;
    void FormActivate() override;
    void FormClose();

    std::unique_ptr<Ui::Tchybove_Otazky> ui;
    QString m_pagePath;
};

// The wrong-answers window while it runs modally, or null.
extern Tchybove_Otazky *chybove_Otazky;
