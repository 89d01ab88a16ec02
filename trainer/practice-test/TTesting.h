#pragma once

#include "trainer/practice-test/Question.h"
#include "trainer/practice-test/RunningTest.h"
#include "trainer/practice-test/TestSetup.h"

#include "trainer/form-dialog/FormDialog.h"

#include <memory>
#include <optional>

class QCheckBox;
class QRadioButton;
class QTimer;
class QuestionSource;
namespace Ui { class TTesting; }

// The running test: 24 questions against the count-down, answered by mouse
// or numeric keypad, evaluated once when the user ends it or the time runs out.
class TTesting : public FormDialog
{
    Q_OBJECT

public:
    TTesting(const TestSetup &setup, QuestionSource &questions, const QString &programVersion,
             QWidget *parent = nullptr);
    ~TTesting() override;

    const RunningTest &run() const { return m_run; }
    int achievedPoints() const { return m_achievedPoints; } // Dosazene_body
    QString startTime() const { return m_startTime; } // Cas_spusteni

    // One second of the count-down.
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormShow() override;
    void RadioGroup1Click();
    void RadioButtonClick();
    void BitBtn2Click();
    bool FormCloseQuery();
    void FormKeyDown(int choice);

    void buildAnswerMarks();
    QCheckBox *answerMark(int position) const;
    QRadioButton *answerButton(int choice) const;
    int chosenAnswer() const;
    void clearAnswerButtons();
    void showQuestion(int position);
    bool keypadActsHere() const;
    // Reports the time-out and evaluates; false when evaluated already.
    bool timeOutRoad();
    void evaluate();
    int currentPosition() const;

    std::unique_ptr<Ui::TTesting> ui;
    QTimer *Timer1;
    TestSetup m_setup;
    QuestionSource &m_questions;
    QString m_programVersion;
    RunningTest m_run;
    std::optional<Question> m_current;
    QString m_startTime;
    int m_achievedPoints = 0;
    bool m_askingToEnd = false;
    bool m_timedOutWhileAsking = false;
};

// The test window while it runs modally, or null.
extern TTesting *Testing;
