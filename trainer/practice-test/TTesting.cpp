#include "trainer/practice-test/TTesting.h"

#include "platform/text/LocaleTexts.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalWindow.h"
#include "trainer/practice-test/Evaluation.h"
#include "trainer/practice-test/QuestionSource.h"
#include "trainer/practice-test/TVyhodnoceni.h"
#include "platform/ui/WidgetLook.h"
#include "ui_TTesting.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QTime>
#include <QTimer>

#include <algorithm>

TTesting *Testing = nullptr;

namespace {

constexpr int MarkLeft = 8;
constexpr int MarkWidth = 49;
constexpr int MarkHeight = 17;

// Marks stand at 0 and 19, then every 20 pixels, beside the list items.
int markTop(int position)
{
    return position == 1 ? 0 : 19 + 20 * (position - 2);
}

int keypadChoice(const QKeyEvent &event)
{
    if (!(event.modifiers() & Qt::KeypadModifier))
        return 0;
    switch (event.key()) {
    case Qt::Key_1: return 1;
    case Qt::Key_2: return 2;
    case Qt::Key_3: return 3;
    default: return 0;
    }
}

} // namespace

TTesting::TTesting(const TestSetup &setup, QuestionSource &questions,
                   const QString &programVersion, QWidget *parent)
    : FormDialog(parent)
    , ui(std::make_unique<Ui::TTesting>())
    , Timer1(new QTimer(this))
    , m_setup(setup)
    , m_questions(questions)
    , m_programVersion(programVersion)
    , m_run(QuestionDraw::testOrder(setup.ranges))
{
    ui->setupUi(this);
    setFixedSize(size());
    setFocusPolicy(Qt::ClickFocus);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    QStringList items;
    for (int k = 1; k <= RunningTest::Positions; ++k)
        items << QStringLiteral("Otázka %1.").arg(k);
    ui->RadioGroup1->setItems(items);
    buildAnswerMarks();
    ui->BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));

    using namespace Colors;
    WidgetLook::setTextColor(ui->Nazev, clMaroon);
    WidgetLook::setTextColor(ui->RadioGroup1, clMaroon);
    WidgetLook::setTextColor(ui->Label3, clNavy);
    WidgetLook::setTextColor(ui->Panel7, clNavy);
    for (QWidget *w : {ui->Label2, ui->Label1, ui->Label8, ui->Poc_bodu, ui->Label15})
        WidgetLook::setTextColor(w, clBlue);
    for (QWidget *w : {ui->Label4, ui->Label5, ui->Label6})
        WidgetLook::setTextColor(w, clRed);
    WidgetLook::setBackground(ui->Panel4, clSilver);
    WidgetLook::setBackground(ui->Panel3, clSilver);
    WidgetLook::setBackground(ui->Otazka, clWhite);
    WidgetLook::setTextColor(ui->Otazka, clBlack);
    for (QWidget *w : {ui->Label9, ui->Label11, ui->Label14}) {
        WidgetLook::setBackground(w, clTeal);
        WidgetLook::setTextColor(w, clYellow);
    }
    WidgetLook::setPlainTextLabels(this);
    WidgetLook::fitAutoSizedLabels(this);

    connect(ui->RadioGroup1, &RadioGroup::clicked, this, &TTesting::RadioGroup1Click);
    for (QRadioButton *button : {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3}) {
        connect(button, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                RadioButtonClick();
        });
    }
    connect(ui->BitBtn2, &QPushButton::clicked, this, &TTesting::BitBtn2Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(Timer1, &QTimer::timeout, this, &TTesting::Timer1Timer);
    ui->BitBtn2->setFocus();
}

TTesting::~TTesting() = default;

void TTesting::buildAnswerMarks()
{
    // The user never ticks a mark: the panel passes no input to them, yet
    // they keep their own colours.
    for (int k = 1; k <= RunningTest::Positions; ++k) {
        auto *mark = new QCheckBox(ui->Panel6);
        mark->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        mark->setGeometry(MarkLeft, markTop(k), MarkWidth, MarkHeight);
        QFont font = mark->font();
        font.setBold(true);
        mark->setFont(font);
        mark->setToolTip(QStringLiteral("Otázka byla zodpovězená ..."));
        mark->setFocusPolicy(Qt::NoFocus);
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        WidgetLook::setTextColor(mark, Colors::clAqua);
    }
}

QCheckBox *TTesting::answerMark(int position) const
{
    return ui->Panel6->findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(position));
}

QRadioButton *TTesting::answerButton(int choice) const
{
    switch (choice) {
    case 1: return ui->RadioButton1;
    case 2: return ui->RadioButton2;
    case 3: return ui->RadioButton3;
    default: return nullptr;
    }
}

int TTesting::chosenAnswer() const
{
    for (int choice = 1; choice <= 3; ++choice) {
        if (answerButton(choice)->isChecked())
            return choice;
    }
    return 0;
}

void TTesting::clearAnswerButtons()
{
    for (int choice = 1; choice <= 3; ++choice) {
        QRadioButton *button = answerButton(choice);
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

int TTesting::currentPosition() const { return ui->RadioGroup1->itemIndex() + 1; }

void TTesting::FormShow()
{
    WidgetLook::setLabelText(ui->Nazev, QStringLiteral("Skupina zbrojního průkazu: ") + m_setup.group);
    m_startTime = LocaleTexts::longTime(QTime::currentTime());
    // The start dialog has opened the bank already; opening it again does nothing.
    if (const Result<> opened = m_questions.open(); !opened)
        Application::showErrorBox(this, opened.error());
    ui->RadioGroup1->setItemIndex(0);
    Timer1->start();
    for (int k = 1; k <= RunningTest::Positions; ++k) {
        answerMark(k)->setChecked(false);
        answerMark(k)->setText(QStringLiteral("-"));
    }
    ui->BitBtn2->setEnabled(false);
    // The disabled confirm button cannot hold the focus: the window takes it,
    // so the keypad answers from the start.
    setFocus();
}

void TTesting::RadioGroup1Click() { showQuestion(currentPosition()); }

void TTesting::showQuestion(int position)
{
    const int number = m_run.numberAt(position);
    const Result<std::optional<Question>> found = m_questions.find(number);
    if (!found)
        Application::showErrorBox(this, found.error());
    m_current = found ? *found : std::nullopt;
    const Question q = m_current.value_or(Question{});
    WidgetLook::setLabelText(ui->Poc_bodu, m_current ? pointsLine(q.points) : QString());
    ui->Otazka->setText(m_current ? q.text : missingQuestionText(number));
    ui->Label9->setText(q.answerA);
    ui->Label11->setText(q.answerB);
    ui->Label14->setText(q.answerC);
    clearAnswerButtons();
    ui->Stav->setText(m_current ? statusLine(q.valid) : QString());
    WidgetLook::setTextColor(ui->Stav, q.valid ? Colors::clMaroon : Colors::clRed);
}

void TTesting::RadioButtonClick()
{
    ui->BitBtn2->setEnabled(true);
    ui->Panel5->setEnabled(false);
}

void TTesting::BitBtn2Click()
{
    const int choice = chosenAnswer();
    if (choice == 0)
        return;
    const int k = currentPosition();
    m_run.confirm(k, choice, m_current);
    QCheckBox *mark = answerMark(k);
    WidgetLook::setTextColor(mark, Colors::clBlue);
    mark->setText(QString(QChar(u'A' + choice - 1)));
    mark->setChecked(true);
    ui->RadioGroup1->setItemIndex(RunningTest::nextPosition(k) - 1);
    ui->BitBtn2->setEnabled(false);
    ui->Panel5->setEnabled(true);
}

bool TTesting::keypadActsHere() const
{
    const QWidget *focus = QApplication::focusWidget();
    const std::initializer_list<const QWidget *> acting{this, ui->RadioButton1, ui->RadioButton2,
                                                        ui->RadioButton3, ui->BitBtn1, ui->BitBtn2};
    return !focus || std::find(acting.begin(), acting.end(), focus) != acting.end();
}

void TTesting::keyPressEvent(QKeyEvent *event)
{
    if (const int choice = keypadChoice(*event)) {
        FormKeyDown(choice);
        return;
    }
    FormDialog::keyPressEvent(event);
}

void TTesting::FormKeyDown(int choice)
{
    if (!keypadActsHere())
        return;
    QRadioButton *button = answerButton(choice);
    if (!button->isChecked())
        button->setChecked(true);
    BitBtn2Click();
}

void TTesting::Timer1Timer()
{
    const bool timedOut = m_run.tick();
    ui->Panel7->setText(countDownText(m_run.secondsLeft()));
    if (!timedOut)
        return;
    Timer1->stop();
    if (m_askingToEnd) {
        // The end question is taken as answered No; its closing runs the
        // time-out road, outside the question.
        m_timedOutWhileAsking = true;
        if (QWidget *box = QApplication::activeModalWidget(); box && box != this)
            box->close();
        return;
    }
    if (timeOutRoad())
        close();
}

bool TTesting::timeOutRoad()
{
    if (!m_run.claimEvaluation())
        return false;
    MessageBox::show(this, QStringLiteral("Test byl zastaven, nemáte už volný čas určený k testovaní ..."),
                     QStringLiteral("Vyčerpali jste čas testu !"), MessageBox::Ok);
    evaluate();
    return true;
}

void TTesting::evaluate()
{
    Timer1->stop();
    m_achievedPoints = m_run.score();
    FinishedTest finished;
    finished.group = m_setup.group;
    finished.passMark = m_setup.passMark;
    finished.points = m_achievedPoints;
    for (int k = 1; k <= RunningTest::Positions; ++k) {
        finished.numbers[std::size_t(k - 1)] = m_run.numberAt(k);
        finished.answers[std::size_t(k - 1)] = m_run.answerAt(k);
        finished.correct[std::size_t(k - 1)] = m_run.correctAt(k);
    }
    runModalAs(Vyhodnoceni,
               Evaluation::of(m_setup.group, m_setup.passMark, m_achievedPoints, m_startTime, m_run.order()),
               m_programVersion, finished, m_questions);
}

bool TTesting::FormCloseQuery()
{
    if (m_run.evaluated())
        return true;
    m_askingToEnd = true;
    const MessageBox::Result answer = MessageBox::show(
        this, QStringLiteral("Opravdu chcete ukončit test ?"), QStringLiteral("Vaše rozhodnutí:"),
        MessageBox::Yes | MessageBox::No, MessageBox::Icon::None, MessageBox::Yes);
    m_askingToEnd = false;
    // A closing already under way is the time-out road's own.
    if (m_timedOutWhileAsking)
        return timeOutRoad();
    if (answer != MessageBox::Result::Yes || !m_run.claimEvaluation())
        return false;
    evaluate();
    return true;
}

void TTesting::closeEvent(QCloseEvent *event)
{
    if (FormCloseQuery())
        QDialog::closeEvent(event);
    else
        event->ignore();
}
