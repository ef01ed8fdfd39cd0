#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Segmo started as a process from a program directory of its own, with or
// without a usable ZtVersion.dll beside it.
class TestSegmoStart : public QObject
{
    Q_OBJECT

private slots:
    void updateLibraryDecidesTheStart_data();
    void updateLibraryDecidesTheStart();
};

void TestSegmoStart::updateLibraryDecidesTheStart_data()
{
    QTest::addColumn<QString>("library"); // copied as ZtVersion.dll; "" none, "empty" an empty file
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "" << 100
                             << QStringLiteral(
                                    "[10001] 文件丢失，请去Morvane官网重新下载安装软件！");
    QTest::newRow("not loadable") << "empty" << 101
                                  << QStringLiteral(
                                         "[10002] 文件丢失，请去Morvane官网重新下载安装软件！");
    QTest::newRow("export missing")
        << SEGMO_FAKE_ZT_DIR "/partial/ZtVersion.dll" << 102 << QStringLiteral("[10003]");
    QTest::newRow("complete") << SEGMO_FAKE_ZT_DIR "/ZtVersion.dll" << 0 << QString();
}

void TestSegmoStart::updateLibraryDecidesTheStart()
{
    QFETCH(QString, library);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    for (const char* file : {"Segmo", "Model.ini", "ZtFactory.dll", "ZtSerial.dll"})
        QVERIFY(QFile::copy(QStringLiteral(SEGMO_PROGRAM_DIR "/") + QLatin1String(file),
                            dir.filePath(QLatin1String(file))));
    const QString target = dir.filePath(QStringLiteral("ZtVersion.dll"));
    if (library == QLatin1String("empty"))
        QVERIFY(QFile(target).open(QIODevice::WriteOnly));
    else if (!library.isEmpty())
        QVERIFY(QFile::copy(library, target));

    QProcess segmo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SEGMO_UNATTENDED"), QStringLiteral("1"));
    // A window that was shown quits at its first idle moment, with 0.
    environment.insert(QStringLiteral("SEGMO_QUIT_WHEN_IDLE"), QStringLiteral("1"));
    segmo.setProcessEnvironment(environment);
    segmo.start(dir.filePath(QStringLiteral("Segmo")), QStringList());
    QVERIFY(segmo.waitForFinished(60000));
    const QString errors = QString::fromUtf8(segmo.readAllStandardError());
    QCOMPARE(segmo.exitStatus(), QProcess::NormalExit);
    QVERIFY2(segmo.exitCode() == exitCode, qPrintable(errors));
    if (!message.isEmpty())
        QVERIFY2(errors.contains(message), qPrintable(errors));
    else
        QVERIFY2(!errors.contains(QStringLiteral("文件丢失")), qPrintable(errors));
}

QTEST_GUILESS_MAIN(TestSegmoStart)
#include "TestSegmoStart.moc"
