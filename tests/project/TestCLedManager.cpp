#include "project/CLedManager.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCLedManager : public QObject
{
    Q_OBJECT

private slots:
    void shippedList();
    void lists_data();
    void lists();
    void emptyListKeepsPrevious();

private:
    QString write(const QByteArray& text);
    QTemporaryDir m_dir;
};

QString TestCLedManager::write(const QByteArray& text)
{
    const QString path = m_dir.filePath(QStringLiteral("Model.ini"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
    return path;
}

void TestCLedManager::shippedList()
{
    CLedManager manager;
    QVERIFY(manager.load(QStringLiteral(SEGMO_PROGRAM_DIR "/Model.ini")));
    QVERIFY(manager.count() >= 2);
    QCOMPARE(manager.model(0)->name, QStringLiteral("DX-PANEL-9A"));
    QVERIFY(manager.indexOf(QStringLiteral("KAVIO-FX")) > 0);
    for (int i = 0; i < manager.count(); ++i) {
        QVERIFY(manager.model(i)->id >= 10000 && manager.model(i)->id <= 99999);
        QVERIFY(manager.model(i)->maxPage > 0);
    }
    QVERIFY(!manager.model(manager.count()));
    QVERIFY(!manager.model(-1));
}

void TestCLedManager::lists_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<quint32>("firstId");

    QTest::newRow("two models") << QByteArray("[ModelList]\ncnt=2\n0=A\n1=B\n"
                                              "[A]\nname=PANEL-A\nid=10001\nmaxpage=50\n"
                                              "[B]\nname=PANEL-B\nid=10002\nmaxpage=60\n")
                                << QStringList{QStringLiteral("PANEL-A"), QStringLiteral("PANEL-B")}
                                << 10001u;
    QTest::newRow("empty section skipped")
        << QByteArray("[ModelList]\ncnt=3\n0=A\n2=B\n[A]\nname=PANEL-A\nid=7\n[B]\nname=PANEL-B\n")
        << QStringList{QStringLiteral("PANEL-A"), QStringLiteral("PANEL-B")} << 7u;
    QTest::newRow("missing keys read empty")
        << QByteArray("[ModelList]\ncnt=1\n0=Nothing\n") << QStringList{QString()} << 0u;
}

void TestCLedManager::lists()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, names);
    QFETCH(quint32, firstId);
    CLedManager manager;
    QVERIFY(manager.load(write(ini)));
    QStringList loaded;
    for (int i = 0; i < manager.count(); ++i)
        loaded.append(manager.model(i)->name);
    QCOMPARE(loaded, names);
    QCOMPARE(manager.model(0)->id, firstId);
}

void TestCLedManager::emptyListKeepsPrevious()
{
    CLedManager manager;
    QVERIFY(manager.load(write("[ModelList]\ncnt=1\n0=A\n[A]\nname=KEPT\n")));
    QVERIFY(!manager.load(write("[ModelList]\ncnt=0\n")));
    QVERIFY(!manager.load(m_dir.filePath(QStringLiteral("missing.ini"))));
    QCOMPARE(manager.count(), 1);
    QCOMPARE(manager.model(0)->name, QStringLiteral("KEPT"));
}

QTEST_GUILESS_MAIN(TestCLedManager)
#include "TestCLedManager.moc"
