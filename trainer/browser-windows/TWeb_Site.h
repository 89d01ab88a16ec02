#pragma once

#include "trainer/browser-windows/PageWindow.h"

#include <memory>

class QPushButton;

namespace Ui {
class TWeb_Site;
}

// The question list of the whole bank, ready for printing.
class TWeb_Site : public PageWindow
{
    Q_OBJECT

public:
    explicit TWeb_Site(const QString &pagePath, QWidget *parent = nullptr);
    ~TWeb_Site() override;

    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn1 = nullptr;

private:
    void FormShow() override;

    std::unique_ptr<Ui::TWeb_Site> ui;
    QString m_pagePath;
};

// The question-list window while it runs modally, or null.
extern TWeb_Site *Web_Site;
