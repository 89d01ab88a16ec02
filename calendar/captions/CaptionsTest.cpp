#include <QTest>
class CaptionsTest : public QObject { Q_OBJECT };
QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"
