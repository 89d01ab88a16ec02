#include "platform/ui/ModalWindow.h"

#include <QTest>
#include <QTimer>

namespace {

// Ends itself as soon as its loop runs, noting what it saw while alive.
class SelfClosingDialog : public QDialog
{
public:
    static inline int alive = 0;
    static inline bool hadParent = true;
    static inline SelfClosingDialog *seenReference = nullptr;
    static inline SelfClosingDialog **reference = nullptr;

    explicit SelfClosingDialog(int code)
    {
        ++alive;
        hadParent = parentWidget() != nullptr;
        QTimer::singleShot(0, this, [this, code] {
            QVERIFY(isModal());
            seenReference = reference && *reference == this ? this : nullptr;
            done(code);
        });
    }
    ~SelfClosingDialog() override { --alive; }
};

SelfClosingDialog *g_form = nullptr;

} // namespace

class ModalWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void runsWithoutOwnerAndFrees()
    {
        SelfClosingDialog::reference = nullptr;
        QCOMPARE(runModal<SelfClosingDialog>(QDialog::Accepted), int(QDialog::Accepted));
        QCOMPARE(runModal<SelfClosingDialog>(7), 7);
        QVERIFY(!SelfClosingDialog::hadParent);
        QCOMPARE(SelfClosingDialog::alive, 0);
    }

    void globalReferencePointsAtTheLiveWindow()
    {
        SelfClosingDialog::reference = &g_form;
        SelfClosingDialog::seenReference = nullptr;
        QCOMPARE(runModalAs<SelfClosingDialog>(g_form, QDialog::Rejected), int(QDialog::Rejected));
        QVERIFY(SelfClosingDialog::seenReference != nullptr);
        QVERIFY(!g_form);
        QCOMPARE(SelfClosingDialog::alive, 0);
    }
};

QTEST_MAIN(ModalWindowTest)
#include "ModalWindowTest.moc"
