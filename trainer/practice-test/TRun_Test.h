#pragma once

#include "trainer/practice-test/TestSetup.h"

#include "trainer/form-dialog/FormDialog.h"

#include <functional>
#include <memory>

class QuestionSource;
class RandomSource;
namespace Ui { class TRun_Test; }

// The test-start dialog: the licence group is chosen here, and the start
// button draws the questions and runs the test.
class TRun_Test : public FormDialog
{
    Q_OBJECT

public:
    // Makes the generator of one draw; the default one is seeded from the clock.
    using RandomFactory = std::function<std::unique_ptr<RandomSource>()>;

    TRun_Test(QuestionSource &questions, const QString &programVersion,
              RandomFactory random = {}, QWidget *parent = nullptr);
    ~TRun_Test() override;

    const TestSetup &setup() const { return m_setup; }

private:
    void FormShow() override;
    void RadioGroup1Click();
    void BitBtn1Click();

    std::unique_ptr<Ui::TRun_Test> ui;
    QuestionSource &m_questions;
    QString m_programVersion;
    RandomFactory m_random;
    TestSetup m_setup;
};

// The test-start dialog while it runs modally, or null.
extern TRun_Test *Run_Test;
