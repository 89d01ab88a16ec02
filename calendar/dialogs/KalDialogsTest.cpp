#include "calendar/dialogs/KalDialogs.h"

#include "platform/ui/MessageBox.h"

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

class KalDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveQuestionThroughTheScript_data();
    void saveQuestionThroughTheScript();
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
    void shortTextGivesABoxAsWideAsItsButtons();
    void explicitPositionPlacesTheEdges();
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

void KalDialogsTest::explicitPositionPlacesTheEdges()
{
    const auto centred = CreateKalMessageDialog(QStringLiteral("x"), TMsgDlgType::mtCustom, {mbOK});
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(centred->x(), screen.x() + (screen.width() - centred->width()) / 2);
    QCOMPARE(centred->y(), screen.y() + (screen.height() - centred->height()) / 2);
}

QTEST_MAIN(KalDialogsTest)
#include "KalDialogsTest.moc"
