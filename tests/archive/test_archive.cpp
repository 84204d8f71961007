#include <QtTest>
class TestArchive : public QObject { Q_OBJECT private slots: void placeholder() { QVERIFY(true); } };
QTEST_MAIN(TestArchive)
#include "test_archive.moc"
