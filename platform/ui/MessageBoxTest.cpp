#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace MessageBox;

Q_DECLARE_METATYPE(MessageBox::Result)
Q_DECLARE_METATYPE(MessageBox::Button)

namespace {

QStringList buttonTexts(const QMessageBox &box)
{
    QStringList texts;
    for (QAbstractButton *button : box.buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

Request request(Buttons buttons, Button defaultButton = Ok, Icon icon = Icon::None)
{
    return Request{"Text", "Caption", buttons, icon, false, defaultButton};
}

} // namespace

class MessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void scriptAnswersInOrderAndRecords()
    {
        Script script;
        script.answer(Result::No);
        script.answer(Result::Cancel);
        QWidget owner;
        QCOMPARE(show(&owner, "first", "One", Yes | No, Icon::Question, Yes), Result::No);
        QCOMPARE(script.pending(), 1);
        QCOMPARE(show(nullptr, "second", "Two", Ok | Cancel), Result::Cancel);
        QCOMPARE(show(nullptr, "third", "Three"), Result::Ok);
        QCOMPARE(script.pending(), 0);

        const std::vector<Request> &asked = script.requests();
        QCOMPARE(asked.size(), size_t(3));
        QCOMPARE(asked[0].text, QString("first"));
        QCOMPARE(asked[0].caption, QString("One"));
        QCOMPARE(asked[0].buttons, Buttons(Yes | No));
        QCOMPARE(asked[0].icon, Icon::Question);
        QCOMPARE(asked[0].defaultButton, Yes);
        QVERIFY(asked[0].hadOwner);
        QVERIFY(!asked[1].hadOwner);
        QCOMPARE(asked[2].buttons, Buttons(Ok));
        QCOMPARE(asked[2].icon, Icon::None);
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<QMessageBox *>(widget));
    }

    void actionRunsWhileTheBoxIsOpen()
    {
        Script script;
        script.answer(Result::Yes);
        QStringList seen;
        script.whileOpen([&](const Request &open) {
            seen << open.caption;
            // Recorded already, not yet answered.
            QCOMPARE(script.requests().size(), size_t(seen.size()));
            QCOMPARE(script.pending(), 2 - int(seen.size()));
        });
        QCOMPARE(show(nullptr, "first", "One", Yes | No), Result::Yes);
        QCOMPARE(show(nullptr, "second", "Two"), Result::Ok);
        QCOMPARE(seen, QStringList({"One", "Two"}));
    }

    void nestedScriptsRestoreTheOuterOne()
    {
        QVERIFY(!Script::active());
        {
            Script outer;
            {
                Script inner;
                QCOMPARE(Script::active(), &inner);
                show(nullptr, "inner", "Caption");
                QCOMPARE(inner.requests().size(), size_t(1));
            }
            QCOMPARE(Script::active(), &outer);
            QVERIFY(outer.requests().empty());
        }
        QVERIFY(!Script::active());
    }

    void boxCarriesTheButtons_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Button>("defaultButton");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<QString>("escapeText");
        QTest::newRow("OK") << Buttons(Ok) << Ok << QStringList{"OK"} << "OK" << "OK";
        QTest::newRow("OK Storno") << Buttons(Ok | Cancel) << Ok << QStringList{"OK", "Storno"} << "OK" << "Storno";
        QTest::newRow("Ano Ne") << Buttons(Yes | No) << Ok << QStringList{"Ano", "Ne"} << "Ano" << "Ne";
        QTest::newRow("Ano Ne, default Ne") << Buttons(Yes | No) << No << QStringList{"Ano", "Ne"} << "Ne" << "Ne";
        QTest::newRow("Ano Ne Storno") << Buttons(Yes | No | Cancel) << Yes
                                       << QStringList{"Ano", "Ne", "Storno"} << "Ano" << "Storno";
        QTest::newRow("no buttons get OK") << Buttons(0) << Ok << QStringList{"OK"} << "OK" << "OK";
    }
    void boxCarriesTheButtons()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Button, defaultButton);
        QFETCH(QStringList, texts);
        QFETCH(QString, defaultText);
        QFETCH(QString, escapeText);
        const auto box = createBox(nullptr, request(buttons, defaultButton));
        QCOMPARE(buttonTexts(*box), texts);
        QVERIFY(box->defaultButton());
        QCOMPARE(box->defaultButton()->text(), defaultText);
        QVERIFY(box->escapeButton());
        QCOMPARE(box->escapeButton()->text(), escapeText);
        QCOMPARE(box->windowTitle(), QString("Caption"));
        QCOMPARE(box->text(), QString("Text"));
    }

    void boxShowsTheIcon_data()
    {
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<int>("boxIcon");
        QTest::newRow("none") << Icon::None << int(QMessageBox::NoIcon);
        QTest::newRow("information") << Icon::Information << int(QMessageBox::Information);
        QTest::newRow("warning") << Icon::Warning << int(QMessageBox::Warning);
        QTest::newRow("error") << Icon::Error << int(QMessageBox::Critical);
        QTest::newRow("question") << Icon::Question << int(QMessageBox::Question);
    }
    void boxShowsTheIcon()
    {
        QFETCH(Icon, icon);
        QFETCH(int, boxIcon);
        QCOMPARE(int(createBox(nullptr, request(Ok, Ok, icon))->icon()), boxIcon);
    }

    void keysAndCloseAnswer_data()
    {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<Button>("defaultButton");
        QTest::addColumn<QString>("how");
        QTest::addColumn<Result>("result");
        QTest::newRow("Enter on OK") << Buttons(Ok) << Ok << "enter" << Result::Ok;
        QTest::newRow("Esc on OK") << Buttons(Ok) << Ok << "escape" << Result::Ok;
        QTest::newRow("Enter on Ano Ne") << Buttons(Yes | No) << Yes << "enter" << Result::Yes;
        QTest::newRow("Enter on Ano Ne, default Ne") << Buttons(Yes | No) << No << "enter" << Result::No;
        QTest::newRow("Esc on Ano Ne") << Buttons(Yes | No) << Yes << "escape" << Result::No;
        QTest::newRow("close on Ano Ne") << Buttons(Yes | No) << Yes << "close" << Result::No;
        QTest::newRow("Esc on Ano Ne Storno") << Buttons(Yes | No | Cancel) << Yes << "escape" << Result::Cancel;
        QTest::newRow("close on OK Storno") << Buttons(Ok | Cancel) << Ok << "close" << Result::Cancel;
    }
    void keysAndCloseAnswer()
    {
        QFETCH(Buttons, buttons);
        QFETCH(Button, defaultButton);
        QFETCH(QString, how);
        QFETCH(Result, result);
        const auto box = createBox(nullptr, request(buttons, defaultButton));
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        if (how == "enter")
            QTest::keyClick(box.get(), Qt::Key_Return);
        else if (how == "escape")
            QTest::keyClick(box.get(), Qt::Key_Escape);
        else
            box->close();
        QVERIFY(!box->isVisible());
        QCOMPARE(resultOf(*box), result);
    }

    void lineBreaksOfEveryKind_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("LF") << "first\nsecond" << QStringList{"first", "second"};
        QTest::newRow("CR") << "first\rsecond" << QStringList{"first", "second"};
        QTest::newRow("CR LF") << "first\r\nsecond" << QStringList{"first", "second"};
        QTest::newRow("CR CR") << "first\r\rsecond" << QStringList{"first", "", "second"};
        QTest::newRow("LF CR") << "first\n\rsecond" << QStringList{"first", "", "second"};
        QTest::newRow("CR LF CR LF") << "first\r\n\r\nsecond" << QStringList{"first", "", "second"};
    }
    void lineBreaksOfEveryKind()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        Request asked = request(Ok);
        asked.text = text;
        const auto box = createBox(nullptr, asked);
        const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(label);
        QCOMPARE(label->text().split(u'\n'), lines);
        QCOMPARE(shownText(text), lines.join(u'\n'));
    }

    void unansweredBoxIsClosed()
    {
        const auto box = createBox(nullptr, request(Ok));
        QCOMPARE(resultOf(*box), Result::Closed);
    }

    // A dialog of the programs' own runs for real under a script: each answer
    // is a press on it while it stands open, a press that leaves it open takes
    // the next answer, and an answer it has no button for closes it.
    void ownDialogIsPressedWhileOpen()
    {
        QDialog dialog;
        auto *stay = new QPushButton(QStringLiteral("Ano"), &dialog);
        auto *leave = new QPushButton(QStringLiteral("Ne"), &dialog);
        int stayed = 0;
        connect(stay, &QPushButton::clicked, &dialog, [&stayed] { ++stayed; });
        connect(leave, &QPushButton::clicked, &dialog, [&dialog] { dialog.done(7); });
        const auto press = [&](int code) {
            QPushButton *button = code == 6 ? stay : code == 7 ? leave : nullptr;
            if (button)
                button->click();
            return button != nullptr;
        };
        const auto codeOf = [](Result answer) { return answer == Result::Yes ? 6 : answer == Result::No ? 7 : 0; };

        Script script;
        std::vector<bool> openWhenAsked;
        script.whileOpen([&](const Request &) { openWhenAsked.push_back(dialog.isVisible()); });
        script.answer(Result::Yes);
        script.answer(Result::No);
        QCOMPARE(execAnswered(dialog, request(Yes | No), codeOf, press), 7);
        QCOMPARE(stayed, 1);
        QCOMPARE(openWhenAsked, std::vector<bool>({true, true}));

        script.answer(Result::Cancel);
        QCOMPARE(execAnswered(dialog, request(Yes | No), codeOf, press), int(QDialog::Rejected));
        QCOMPARE(script.requests().size(), size_t(3));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
