#include "trainer/practice-test/TRun_Test.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalWindow.h"
#include "trainer/practice-test/LicenceGroups.h"
#include "trainer/practice-test/QuestionSource.h"
#include "trainer/practice-test/RandomSource.h"
#include "trainer/practice-test/TTesting.h"
#include "platform/ui/WidgetLook.h"
#include "ui_TRun_Test.h"

#include <QApplication>
#include <QStyle>

TRun_Test *Run_Test = nullptr;

TRun_Test::TRun_Test(QuestionSource &questions, const QString &programVersion,
                     RandomFactory random, QWidget *parent)
    : FormDialog(parent)
    , ui(std::make_unique<Ui::TRun_Test>())
    , m_questions(questions)
    , m_programVersion(programVersion)
    , m_random(random ? std::move(random) : RandomFactory([] { return std::make_unique<ClockRandom>(); }))
{
    ui->setupUi(this);
    setFixedSize(size());
    QStringList captions;
    for (const LicenceGroup &group : LicenceGroups::all())
        captions << group.caption;
    ui->RadioGroup1->setItems(captions);
    ui->Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    ui->BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    WidgetLook::setTextColor(ui->Panel1, Colors::clBlue);
    WidgetLook::setTextColor(ui->Label2, Colors::clMaroon);
    WidgetLook::setTextColor(ui->Text, Colors::clBlue);
    WidgetLook::setTextColor(ui->Label1, Colors::clMaroon);
    WidgetLook::setTextColor(ui->BitBtn1, Colors::clNavy);
    WidgetLook::fitAutoSizedLabels(this);
    connect(ui->RadioGroup1, &RadioGroup::clicked, this, &TRun_Test::RadioGroup1Click);
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        accept();
    });
}

TRun_Test::~TRun_Test() = default;

void TRun_Test::FormShow()
{
    ui->RadioGroup1->setItemIndex(LicenceGroups::DefaultIndex);
}

void TRun_Test::RadioGroup1Click()
{
    const int index = ui->RadioGroup1->itemIndex();
    if (index < 0)
        return;
    const LicenceGroup &group = LicenceGroups::all().at(static_cast<std::size_t>(index));
    ui->Text->setPlainText(group.description);
    ui->Text->selectAll();
    ui->Text->setAlignment(Qt::AlignCenter);
    ui->Text->moveCursor(QTextCursor::Start);
    m_setup.group = group.letter;
    m_setup.passMark = group.passMark;
}

void TRun_Test::BitBtn1Click()
{
    // A bank that cannot be read gives no test: the error, and the dialog
    // closes as after a test.
    if (const Result<> opened = m_questions.open(); !opened) {
        MessageBox::show(this, opened.error(), QApplication::applicationName(), MessageBox::Ok,
                         MessageBox::Icon::Error);
        return;
    }
    const std::unique_ptr<RandomSource> random = m_random();
    m_setup.ranges = QuestionDraw::draw(*random);
    runModalAs(Testing, m_setup, m_questions, m_programVersion);
}
