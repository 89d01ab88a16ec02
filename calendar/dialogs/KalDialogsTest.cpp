#include "calendar/dialogs/KalDialogs.h"

#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(TMsgDlgType)
Q_DECLARE_METATYPE(TMsgDlgButtons)
Q_DECLARE_METATYPE(MessageBox::Result)
Q_DECLARE_METATYPE(MessageBox::Icon)
Q_DECLARE_METATYPE(MessageBox::Buttons)

class KalDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveQuestionThroughTheScript_data();
    void saveQuestionThroughTheScript();
    void scriptPressesTheRealBox_data();
    void scriptPressesTheRealBox();
    void titlesAndIconsByType_data();
    void titlesAndIconsByType();
    void showMessageIsACustomOkBox();
    void buttonsStandInTableOrder();
    void defaultAndCancelButtons_data();
    void defaultAndCancelButtons();
    void keysAndTitleBarClose_data();
    void keysAndTitleBarClose();
    void helpButtonLeavesTheBoxOpen();
    void longTextWrapsAtHalfTheScreen();
    void everyLineBreakStartsALine_data();
    void everyLineBreakStartsALine();
    void shortTextGivesABoxAsWideAsItsButtons();
    void explicitPositionPlacesTheEdges_data();
    void explicitPositionPlacesTheEdges();
    void otherButtonsAnswerByTheirCode_data();
    void otherButtonsAnswerByTheirCode();
};

void KalDialogsTest::initTestCase()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zoziruzo"));
}

void KalDialogsTest::saveQuestionThroughTheScript_data()
{
    QTest::addColumn<MessageBox::Result>("answer");
    QTest::addColumn<int>("expected");
    QTest::newRow("Ano") << MessageBox::Result::Yes << 6;
    QTest::newRow("Ne") << MessageBox::Result::No << 7;
    QTest::newRow("Storno") << MessageBox::Result::Cancel << 2;
    QTest::newRow("title-bar close") << MessageBox::Result::Closed << 2;
}

void KalDialogsTest::saveQuestionThroughTheScript()
{
    QFETCH(MessageBox::Result, answer);
    QFETCH(int, expected);
    MessageBox::Script script;
    script.answer(answer);
    const int result = KalMessageDlg(QStringLiteral("Chcete uložit změny?"), TMsgDlgType::mtConfirmation,
                                     {mbYes, mbNo, mbCancel}, 0);
    QCOMPARE(result, expected);
    QCOMPARE(script.requests().size(), std::size_t(1));
    const auto &request = script.requests().front();
    QCOMPARE(request.text, QStringLiteral("Chcete uložit změny?"));
    QCOMPARE(request.caption, QStringLiteral("Zoziruzo"));
    QCOMPARE(request.icon, MessageBox::Icon::Question);
    QCOMPARE(request.buttons, MessageBox::Buttons(MessageBox::Yes | MessageBox::No | MessageBox::Cancel));
    QCOMPARE(request.buttonCaptions, QStringList({"&Ano", "&Ne", "&Storno"}));
}

void KalDialogsTest::scriptPressesTheRealBox_data()
{
    QTest::addColumn<MessageBox::Result>("answer");
    QTest::addColumn<int>("expected");
    QTest::newRow("Ne") << MessageBox::Result::No << 7;
    QTest::newRow("title-bar close") << MessageBox::Result::Closed << 2;
    // A box without OK cannot be answered OK: it is closed instead.
    QTest::newRow("OK it does not have") << MessageBox::Result::Ok << 2;
}

// The scripted answer is a press on the box itself, which stands open while
// it is asked.
void KalDialogsTest::scriptPressesTheRealBox()
{
    QFETCH(MessageBox::Result, answer);
    QFETCH(int, expected);
    MessageBox::Script script;
    script.answer(answer);
    QString shownTitle;
    QStringList shownButtons;
    script.whileOpen([&](const MessageBox::Request &) {
        auto *box = qobject_cast<TMessageForm *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        shownTitle = box->windowTitle();
        for (TMsgDlgBtn which : {mbYes, mbNo, mbCancel})
            shownButtons << (box->button(which) ? box->button(which)->text() : QString());
    });
    QCOMPARE(KalMessageDlg(QStringLiteral("Chcete uložit změny?"), TMsgDlgType::mtConfirmation,
                           {mbYes, mbNo, mbCancel}, 0),
             expected);
    QCOMPARE(shownTitle, QStringLiteral("Zoziruzo"));
    QCOMPARE(shownButtons, QStringList({"&Ano", "&Ne", "&Storno"}));
    QVERIFY(!QApplication::activeModalWidget());
}

void KalDialogsTest::titlesAndIconsByType_data()
{
    QTest::addColumn<TMsgDlgType>("type");
    QTest::addColumn<QString>("title");
    QTest::addColumn<MessageBox::Icon>("icon");
    QTest::newRow("warning") << TMsgDlgType::mtWarning << "Warning" << MessageBox::Icon::Warning;
    QTest::newRow("error") << TMsgDlgType::mtError << "Error" << MessageBox::Icon::Error;
    QTest::newRow("information") << TMsgDlgType::mtInformation << "Information"
                                 << MessageBox::Icon::Information;
    QTest::newRow("confirmation") << TMsgDlgType::mtConfirmation << "Zoziruzo" << MessageBox::Icon::Question;
    QTest::newRow("custom") << TMsgDlgType::mtCustom << "Zoziruzo" << MessageBox::Icon::None;
}

void KalDialogsTest::titlesAndIconsByType()
{
    QFETCH(TMsgDlgType, type);
    QFETCH(QString, title);
    QFETCH(MessageBox::Icon, icon);

    const auto form = CreateKalMessageDialog(QStringLiteral("x"), type, {mbOK});
    QCOMPARE(form->windowTitle(), title);
    QCOMPARE(form->image() != nullptr, icon != MessageBox::Icon::None);
    if (form->image()) {
        QCOMPARE(form->image()->objectName(), QStringLiteral("Image"));
        QCOMPARE(form->image()->geometry().size(), QSize(32, 32));
        QVERIFY(form->messageLabel()->x() > form->image()->geometry().right());
    }

    MessageBox::Script script;
    KalMessageDlg(QStringLiteral("x"), type, {mbOK}, 0);
    QCOMPARE(script.requests().front().caption, title);
    QCOMPARE(script.requests().front().icon, icon);
}

void KalDialogsTest::showMessageIsACustomOkBox()
{
    MessageBox::Script script;
    KalShowMessage(QStringLiteral("Neplatný soubor!"));
    QCOMPARE(script.requests().size(), std::size_t(1));
    const auto &request = script.requests().front();
    QCOMPARE(request.text, QStringLiteral("Neplatný soubor!"));
    QCOMPARE(request.caption, QStringLiteral("Zoziruzo"));
    QCOMPARE(request.icon, MessageBox::Icon::None);
    QCOMPARE(request.buttons, MessageBox::Buttons(MessageBox::Ok));
}

void KalDialogsTest::buttonsStandInTableOrder()
{
    const auto form = CreateKalMessageDialog(
        QStringLiteral("x"), TMsgDlgType::mtCustom,
        {mbHelp, mbYesToAll, mbNoToAll, mbAll, mbIgnore, mbRetry, mbAbort, mbCancel, mbOK, mbNo, mbYes});
    const QStringList names{"Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All",
                            "NoToAll", "YesToAll", "Help"};
    const QStringList captions{"&Ano", "&Ne", "OK", "&Storno", "&Abort", "&Retry", "&Ignore", "&All",
                               "N&o to All", "Yes to &All", "&Help"};
    auto buttons = form->findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](const QPushButton *a, const QPushButton *b) { return a->x() < b->x(); });
    QCOMPARE(buttons.size(), names.size());
    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->objectName(), names[i]);
        QCOMPARE(buttons[i]->text(), captions[i]);
        QCOMPARE(buttons[i]->width(), buttons[0]->width());
        QCOMPARE(buttons[i]->y(), buttons[0]->y());
    }
}

void KalDialogsTest::defaultAndCancelButtons_data()
{
    QTest::addColumn<TMsgDlgButtons>("buttons");
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<QString>("cancelName");
    QTest::newRow("yes no cancel") << TMsgDlgButtons{mbYes, mbNo, mbCancel} << "Yes" << "Cancel";
    QTest::newRow("ok alone") << TMsgDlgButtons{mbOK} << "OK" << "OK";
    QTest::newRow("ok cancel") << TMsgDlgButtons{mbOK, mbCancel} << "OK" << "Cancel";
    QTest::newRow("yes no") << TMsgDlgButtons{mbYes, mbNo} << "Yes" << "No";
    QTest::newRow("abort retry ignore") << TMsgDlgButtons{mbAbort, mbRetry, mbIgnore} << "Retry" << "";
    QTest::newRow("all and help") << TMsgDlgButtons{mbAll, mbHelp} << "" << "";
}

void KalDialogsTest::defaultAndCancelButtons()
{
    QFETCH(TMsgDlgButtons, buttons);
    QFETCH(QString, defaultName);
    QFETCH(QString, cancelName);
    const auto form = CreateKalMessageDialog(QStringLiteral("x"), TMsgDlgType::mtCustom, buttons);
    QCOMPARE(form->defaultButton() ? form->defaultButton()->objectName() : QString(), defaultName);
    QCOMPARE(form->cancelButton() ? form->cancelButton()->objectName() : QString(), cancelName);
    for (auto *button : form->findChildren<QPushButton *>())
        QCOMPARE(button->isDefault(), button == form->defaultButton());
}

void KalDialogsTest::keysAndTitleBarClose_data()
{
    QTest::addColumn<TMsgDlgButtons>("buttons");
    QTest::addColumn<int>("key"); // 0: closed from the title bar
    QTest::addColumn<int>("expected");
    const TMsgDlgButtons question{mbYes, mbNo, mbCancel};
    QTest::newRow("question: Enter") << question << int(Qt::Key_Return) << 6;
    QTest::newRow("question: Esc") << question << int(Qt::Key_Escape) << 2;
    QTest::newRow("question: title bar") << question << 0 << 2;
    QTest::newRow("yes no: Esc answers no") << TMsgDlgButtons{mbYes, mbNo} << int(Qt::Key_Escape) << 7;
    QTest::newRow("information: Enter") << TMsgDlgButtons{mbOK} << int(Qt::Key_Return) << 1;
    QTest::newRow("information: Esc") << TMsgDlgButtons{mbOK} << int(Qt::Key_Escape) << 1;
    QTest::newRow("information: title bar") << TMsgDlgButtons{mbOK} << 0 << 2;
    // A button's underlined letter answers without Alt, as in a dialog of the desktop.
    QTest::newRow("question: letter A") << question << int(Qt::Key_A) << 6;
    QTest::newRow("question: letter N") << question << int(Qt::Key_N) << 7;
    QTest::newRow("question: letter S") << question << int(Qt::Key_S) << 2;
    QTest::newRow("no to all: letter O") << TMsgDlgButtons{mbYes, mbNoToAll} << int(Qt::Key_O) << 9;
}

void KalDialogsTest::keysAndTitleBarClose()
{
    QFETCH(TMsgDlgButtons, buttons);
    QFETCH(int, key);
    QFETCH(int, expected);
    const auto form = CreateKalMessageDialog(QStringLiteral("x"), TMsgDlgType::mtConfirmation, buttons);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    if (key)
        QTest::keyClick(form.get(), Qt::Key(key));
    else
        form->close();
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), expected);
}

void KalDialogsTest::helpButtonLeavesTheBoxOpen()
{
    const auto form = CreateKalMessageDialog(QStringLiteral("x"), TMsgDlgType::mtInformation,
                                             {mbOK, mbHelp});
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->button(mbHelp)->click();
    QVERIFY(form->isVisible());
    form->button(mbOK)->click();
    QCOMPARE(form->result(), 1);
}

void KalDialogsTest::longTextWrapsAtHalfTheScreen()
{
    const int half = QGuiApplication::primaryScreen()->geometry().width() / 2;
    const QString text = QStringLiteral("slovo ").repeated(400).trimmed();
    const auto form = CreateKalMessageDialog(text, TMsgDlgType::mtWarning, {mbOK});
    const QLabel *message = form->messageLabel();
    QCOMPARE(message->objectName(), QStringLiteral("Message"));
    QVERIFY(message->wordWrap());
    QVERIFY(message->width() <= half);
    QVERIFY(message->width() > half - 60);
    QVERIFY(message->height() > 5 * message->fontMetrics().height());
    QVERIFY(form->width() < half + 120);
}

void KalDialogsTest::everyLineBreakStartsALine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::newRow("CR") << "Chyba v souboru Jiny.cln!\rBude použito základní nastavení!" << 2;
    QTest::newRow("LF") << "první\ndruhý" << 2;
    QTest::newRow("CR LF") << "první\r\ndruhý" << 2;
    QTest::newRow("CR CR") << "první\r\rdruhý" << 3;
}

// The text is measured and shown with the same lines.
void KalDialogsTest::everyLineBreakStartsALine()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    const auto form = CreateKalMessageDialog(text, TMsgDlgType::mtCustom, {mbOK});
    const QLabel *message = form->messageLabel();
    QCOMPARE(message->text(), MessageBox::shownText(text));
    QCOMPARE(message->text().count(u'\n'), lines - 1);
    const QFontMetrics metrics(message->font());
    QCOMPARE(message->height(), metrics.boundingRect(QRect(0, 0, 1000, 0), 0, message->text()).height());
    QVERIFY(message->height() >= lines * metrics.height());
}

void KalDialogsTest::shortTextGivesABoxAsWideAsItsButtons()
{
    const auto form = CreateKalMessageDialog(QStringLiteral("a"), TMsgDlgType::mtCustom,
                                             {mbYes, mbNo, mbCancel});
    const auto buttons = form->findChildren<QPushButton *>();
    int left = form->width();
    int right = 0;
    for (const auto *button : buttons) {
        left = std::min(left, button->x());
        right = std::max(right, button->geometry().right());
    }
    QVERIFY(left > 0);
    QCOMPARE(left, form->width() - right - 1);
    QVERIFY(form->messageLabel()->geometry().bottom() < buttons.front()->y());
}

void KalDialogsTest::explicitPositionPlacesTheEdges_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("both negative: centred") << -1 << -1;
    QTest::newRow("left edge only") << 40 << -5;
    QTest::newRow("top edge only") << -1 << 30;
    QTest::newRow("both, zero included") << 0 << 70;
}

void KalDialogsTest::explicitPositionPlacesTheEdges()
{
    QFETCH(int, x);
    QFETCH(int, y);
    const auto form = CreateKalMessageDialog(QStringLiteral("x"), TMsgDlgType::mtCustom, {mbOK});
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint centred(screen.x() + (screen.width() - form->width()) / 2,
                         screen.y() + (screen.height() - form->height()) / 2);
    QCOMPARE(form->pos(), centred);
    form->placeAt(x, y);
    QCOMPARE(form->pos(), QPoint(x >= 0 ? x : centred.x(), y >= 0 ? y : centred.y()));
}

// Buttons the plain box does not have are recorded by their captions and
// answered by their modal result.
void KalDialogsTest::otherButtonsAnswerByTheirCode_data()
{
    QTest::addColumn<TMsgDlgButtons>("buttons");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<MessageBox::Buttons>("plainButtons");
    QTest::newRow("abort retry ignore: retry")
        << TMsgDlgButtons{mbAbort, mbRetry, mbIgnore} << 4
        << QStringList{"&Abort", "&Retry", "&Ignore"} << MessageBox::Buttons(0);
    QTest::newRow("yes, all, no to all: no to all")
        << TMsgDlgButtons{mbYes, mbNoToAll, mbAll} << 9 << QStringList{"&Ano", "&All", "N&o to All"}
        << MessageBox::Buttons(MessageBox::Yes);
    QTest::newRow("yes to all and help: yes to all")
        << TMsgDlgButtons{mbHelp, mbYesToAll, mbCancel} << 10
        << QStringList{"&Storno", "Yes to &All", "&Help"} << MessageBox::Buttons(MessageBox::Cancel);
    QTest::newRow("ignore with OK: title bar") << TMsgDlgButtons{mbOK, mbIgnore} << 2
                                               << QStringList{"OK", "&Ignore"}
                                               << MessageBox::Buttons(MessageBox::Ok);
}

void KalDialogsTest::otherButtonsAnswerByTheirCode()
{
    QFETCH(TMsgDlgButtons, buttons);
    QFETCH(int, code);
    QFETCH(QStringList, captions);
    QFETCH(MessageBox::Buttons, plainButtons);
    MessageBox::Script script;
    script.answerCode(code);
    script.answer(MessageBox::Result::No);
    QCOMPARE(KalMessageDlg(QStringLiteral("Soubor existuje."), TMsgDlgType::mtWarning, buttons, 0), code);
    // A plain answer after it still reads as before.
    QCOMPARE(KalMessageDlg(QStringLiteral("Dál?"), TMsgDlgType::mtConfirmation, {mbYes, mbNo}, 0), 7);
    QCOMPARE(script.requests().size(), std::size_t(2));
    const auto &request = script.requests().front();
    QCOMPARE(request.caption, QStringLiteral("Warning"));
    QCOMPARE(request.buttonCaptions, captions);
    QCOMPARE(request.buttons, plainButtons);
}

QTEST_MAIN(KalDialogsTest)
#include "KalDialogsTest.moc"
