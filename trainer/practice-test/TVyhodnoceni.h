#pragma once

#include "trainer/html-pages/WrongAnswersPage.h"
#include "trainer/practice-test/Evaluation.h"

#include "trainer/form-dialog/FormDialog.h"

#include <memory>

class QuestionSource;
class TShadowLabel;
namespace Ui { class TVyhodnoceni; }

// The outcome of a finished test.
class TVyhodnoceni : public FormDialog
{
    Q_OBJECT

public:
    TVyhodnoceni(const Evaluation &evaluation, const QString &programVersion, const FinishedTest &test,
                 QuestionSource &questions, QWidget *parent = nullptr);
    ~TVyhodnoceni() override;

private:
    void buildShadowLabels();
    void FormShow() override;
    void ChybyClick();

    std::unique_ptr<Ui::TVyhodnoceni> ui;
    TShadowLabel *ShadowLabel1 = nullptr;
    TShadowLabel *Verze = nullptr;
    TShadowLabel *Label5 = nullptr;
    Evaluation m_evaluation;
    QString m_programVersion;
    FinishedTest m_test;
    QuestionSource &m_questions;
};

// The evaluation dialog while it runs modally, or null.
extern TVyhodnoceni *Vyhodnoceni;
