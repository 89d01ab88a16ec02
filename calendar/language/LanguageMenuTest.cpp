#include <QTest>
class LanguageMenuTest : public QObject { Q_OBJECT };
QTEST_MAIN(LanguageMenuTest)
#include "LanguageMenuTest.moc"
