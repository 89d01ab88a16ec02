#pragma once

#include "trainer/practice-test/Evaluation.h"

#include "trainer/practice-test/FormDialog.h"

#include <memory>

class TShadowLabel;
namespace Ui { class TVyhodnoceni; }

// The outcome of a finished test.
class TVyhodnoceni : public FormDialog
{
    Q_OBJECT

public:
    TVyhodnoceni(const Evaluation &evaluation, const QString &programVersion,
                 QWidget *parent = nullptr);
    ~TVyhodnoceni() override;

private:
    void buildShadowLabels();
    void FormShow() override;

    std::unique_ptr<Ui::TVyhodnoceni> ui;
    TShadowLabel *ShadowLabel1 = nullptr;
    TShadowLabel *Verze = nullptr;
    TShadowLabel *Label5 = nullptr;
    Evaluation m_evaluation;
    QString m_programVersion;
};

// The evaluation dialog while it runs modally, or null.
extern TVyhodnoceni *Vyhodnoceni;
