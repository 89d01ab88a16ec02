#include "trainer/practice-test/TVyhodnoceni.h"

#include "platform/ui/Application.h"
#include "trainer-components/shadow-label/TShadowLabel.h"
#include "trainer-components/system-facts/SysFacts.h"
#include "trainer/browser-windows/PageRoad.h"
#include "trainer/html-pages/PageFile.h"
#include "trainer/practice-test/LineBreak.h"
#include "platform/ui/WidgetLook.h"
#include "ui_TVyhodnoceni.h"

#include <QApplication>
#include <QStyle>

TVyhodnoceni *Vyhodnoceni = nullptr;

namespace {

TShadowLabel *shadowLabel(QWidget *parent, const char *name, QPoint at, const QFont &font,
                          TColor color, TColor shadow)
{
    auto *label = new TShadowLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->setFont(font);
    label->SetFontColor(color);
    label->SetShadowColor(shadow);
    return label;
}

QFont boldFont(const QString &family, int points, bool italic)
{
    QFont f(family, points);
    f.setBold(true);
    f.setItalic(italic);
    return f;
}

} // namespace

TVyhodnoceni::TVyhodnoceni(const Evaluation &evaluation, const QString &programVersion,
                           const FinishedTest &test, QuestionSource &questions, QWidget *parent)
    : FormDialog(parent)
    , ui(std::make_unique<Ui::TVyhodnoceni>())
    , m_evaluation(evaluation)
    , m_programVersion(programVersion)
    , m_test(test)
    , m_questions(questions)
{
    ui->setupUi(this);
    setFixedSize(size());
    buildShadowLabels();
    ui->Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    ui->Chyby->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    for (QWidget *w : {ui->Label3, ui->User_Count, ui->Label4, ui->Label7})
        WidgetLook::setTextColor(w, Colors::clBlue);
    WidgetLook::setTextColor(ui->Result, Colors::clRed);
    WidgetLook::setTextColor(ui->Label6, Colors::clMaroon);
    WidgetLook::setTextColor(ui->Cas, Colors::clMaroon);
    WidgetLook::setPlainTextLabels(this);
    WidgetLook::fitAutoSizedLabels(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->Chyby, &QPushButton::clicked, this, &TVyhodnoceni::ChybyClick);
}

TVyhodnoceni::~TVyhodnoceni() = default;

void TVyhodnoceni::buildShadowLabels()
{
    ShadowLabel1 = shadowLabel(ui->Panel1, "ShadowLabel1", {330, 10},
                               boldFont(QStringLiteral("Arial Black"), 12, true), Colors::clNavy,
                               Colors::clBtnHighlight);
    ShadowLabel1->SetAutoSize(false);
    ShadowLabel1->resize(151, 23);
    ShadowLabel1->SetAlignment(taRightJustify);
    ShadowLabel1->SetTransparent(true);
    ShadowLabel1->SetCaption(QStringLiteral("Kestrin 2002"));
    Verze = shadowLabel(ui->Panel1, "Verze", {384, 45}, boldFont(QStringLiteral("MS Sans Serif"), 8, false),
                        Colors::clBlack, Colors::clWhite);
    Label5 = shadowLabel(ui->Panel1, "Label5", {316, 74}, boldFont(QStringLiteral("Arial"), 12, true),
                         Colors::clRed, Colors::clYellow);
    Label5->SetCaption(QStringLiteral("Brelvik 2002"));
}

void TVyhodnoceni::FormShow()
{
    WidgetLook::setLabelText(ui->skupina, m_evaluation.group);
    WidgetLook::setLabelText(ui->Body, m_evaluation.passMark);
    WidgetLook::setLabelText(ui->User_Count, m_evaluation.points);
    ui->Result->setText(m_evaluation.result);
    WidgetLook::setLabelText(ui->Cas, m_evaluation.startTime);
    Verze->SetCaption(m_programVersion);
    // The row has no blanks, so the label alone would not break it.
    ui->Rada_Cisel->setText(
        breakAfterCommas(m_evaluation.numbers, ui->Rada_Cisel->fontMetrics(), ui->Rada_Cisel->width()));
    ui->Chyby->setEnabled(m_evaluation.wrongAnswersOffered);
}

void TVyhodnoceni::ChybyClick()
{
    const Result<> shown = PageRoad::showWrongAnswers(m_test, m_questions, versionCaption(m_programVersion),
                                                      TempFolderPath() + u'/', this);
    if (!shown)
        Application::showErrorBox(this, shown.error());
}
