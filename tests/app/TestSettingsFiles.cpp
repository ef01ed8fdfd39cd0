#include "app/LanguageSetup.h"
#include "app/PortSelection.h"
#include "app/ProcessValues.h"
#include "app/SettingsFiles.h"
#include "app/WindowGeometry.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Enough of a window for the geometry helpers.
struct FakeWindow
{
    QPoint position{11, 22};
    QSize extent{300, 200};
    QPoint pos() const { return position; }
    QSize size() const { return extent; }
    void move(const QPoint& p) { position = p; }
    void resize(const QSize& s) { extent = s; }
};

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void programDirFromArgument_data();
    void programDirFromArgument();
    void recentFiles();
    void removeRecentFile();
    void geometry_data();
    void geometry();
    void geometryRoundTrip();
    void portAndLanguageSettings();
    void choosePort_data();
    void choosePort();
    void language_data();
    void language();

private:
    QTemporaryDir* m_dir = nullptr;
    QString m_oldDir;
};

void TestSettingsFiles::init()
{
    // The settings files live in the current directory.
    m_dir = new QTemporaryDir;
    m_oldDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
}

void TestSettingsFiles::cleanup()
{
    QDir::setCurrent(m_oldDir);
    delete m_dir;
}

void TestSettingsFiles::programDirFromArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("dir");
    QTest::newRow("backslashes") << "C:\\Tools\\Segmo\\Segmo.exe"
                                 << "C:\\Tools\\Segmo";
    QTest::newRow("backslash wins over slash") << "C:/a\\b/Segmo"
                                               << "C:/a";
    QTest::newRow("slashes") << "/opt/segmo/bin/Segmo"
                             << "/opt/segmo/bin";
    QTest::newRow("bare name") << "Segmo"
                               << "Segmo";
    QTest::newRow("root") << "/Segmo"
                          << "";
}

void TestSettingsFiles::programDirFromArgument()
{
    QFETCH(QString, argument);
    QFETCH(QString, dir);
    QCOMPARE(::programDirFromArgument(argument), dir);
}

void TestSettingsFiles::recentFiles()
{
    QVERIFY(::recentFiles().isEmpty());
    QVERIFY(addRecentFile(QStringLiteral("/p/a.kavio")));
    QVERIFY(addRecentFile(QStringLiteral("/p/b.kavio")));
    QVERIFY(!addRecentFile(QStringLiteral("/p/a.kavio"))); // stays in its old place
    QCOMPARE(::recentFiles(),
             (QStringList{QStringLiteral("/p/b.kavio"), QStringLiteral("/p/a.kavio")}));
    for (int i = 0; i < 9; ++i)
        addRecentFile(QStringLiteral("/p/n%1.kavio").arg(i));
    const QStringList list = ::recentFiles();
    QCOMPARE(list.size(), 10);
    QCOMPARE(list.first(), QStringLiteral("/p/n8.kavio"));
    QVERIFY(!list.contains(QStringLiteral("/p/a.kavio"))); // the eleventh pushed it out
    QVERIFY(QFile::exists(QStringLiteral("MruFile.ini")));
}

void TestSettingsFiles::removeRecentFile()
{
    addRecentFile(QStringLiteral("/p/a.kavio"));
    addRecentFile(QStringLiteral("/p/b.kavio"));
    QVERIFY(::removeRecentFile(QStringLiteral("/p/a.kavio")));
    QVERIFY(!::removeRecentFile(QStringLiteral("/p/a.kavio")));
    QCOMPARE(::recentFiles(), QStringList{QStringLiteral("/p/b.kavio")});
}

void TestSettingsFiles::geometry_data()
{
    QTest::addColumn<QPoint>("storedPos");
    QTest::addColumn<QSize>("storedSize");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QSize>("size");
    const QPoint oldPos(11, 22);
    const QSize oldSize(300, 200);
    QTest::newRow("both applied") << QPoint(5, 6) << QSize(640, 480) << QPoint(5, 6)
                                  << QSize(640, 480);
    QTest::newRow("x = 0 not applied")
        << QPoint(0, 6) << QSize(640, 480) << oldPos << QSize(640, 480);
    QTest::newRow("negative position applied")
        << QPoint(-5, 6) << QSize(0, 100) << QPoint(-5, 6) << oldSize;
    QTest::newRow("0 x 100 not applied")
        << QPoint(5, 6) << QSize(0, 100) << QPoint(5, 6) << oldSize;
}

void TestSettingsFiles::geometry()
{
    QFETCH(QPoint, storedPos);
    QFETCH(QSize, storedSize);
    QFETCH(QPoint, pos);
    QFETCH(QSize, size);
    storeWindowGeometry(QStringLiteral("DlgTextMonitor"), storedPos, storedSize);
    FakeWindow window;
    restoreWindowGeometry(&window, QStringLiteral("DlgTextMonitor"));
    QCOMPARE(window.position, pos);
    QCOMPARE(window.extent, size);
}

void TestSettingsFiles::geometryRoundTrip()
{
    FakeWindow window;
    restoreWindowGeometry(&window, QStringLiteral("Missing")); // no keys: nothing changes
    QCOMPARE(window.position, QPoint(11, 22));
    window.position = QPoint(40, 50);
    window.extent = QSize(800, 600);
    saveWindowGeometry(&window, QStringLiteral("MainWindow"));
    FakeWindow other;
    restoreWindowGeometry(&other, QStringLiteral("MainWindow"));
    QCOMPARE(other.position, QPoint(40, 50));
    QCOMPARE(other.extent, QSize(800, 600));
    QSettings ini(QStringLiteral("LedPos.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("/MainWindow/pos")).toPoint(), QPoint(40, 50));
}

void TestSettingsFiles::portAndLanguageSettings()
{
    QCOMPARE(portSetting(), QString());
    savePortSetting(QStringLiteral("COM7"));
    QCOMPARE(portSetting(), QStringLiteral("COM7"));
    saveLanguageSetting(QStringLiteral("english"));
    QCOMPARE(languageSetting(), QStringLiteral("english"));
    QSettings ini(QStringLiteral("Segmo.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("/MainWindow/port")).toString(), QStringLiteral("COM7"));
    QCOMPARE(ini.value(QStringLiteral("/language/country")).toString(), QStringLiteral("english"));
}

void TestSettingsFiles::choosePort_data()
{
    QTest::addColumn<int>("cable");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("ports"); // "COMn" or "COMn busy"
    QTest::addColumn<QString>("chosen");

    const QStringList ports{QStringLiteral("COM1 busy"), QStringLiteral("COM3"),
                            QStringLiteral("COM4")};
    QTest::newRow("cable wins") << 35 << "COM4" << ports << "COM35";
    QTest::newRow("stored and listed") << -1 << "COM4" << ports << "COM4";
    QTest::newRow("stored busy still chosen") << -1 << "COM1" << ports << "COM1";
    QTest::newRow("stored not listed: first free") << -1 << "COM9" << ports << "COM3";
    QTest::newRow("nothing stored: first free") << -1 << "" << ports << "COM3";
    QTest::newRow("all busy") << -1 << "COM9" << QStringList{QStringLiteral("COM2 busy")} << "COM1";
    QTest::newRow("no ports") << -1 << "COM9" << QStringList() << "COM1";
}

void TestSettingsFiles::choosePort()
{
    QFETCH(int, cable);
    QFETCH(QString, stored);
    QFETCH(QStringList, ports);
    QFETCH(QString, chosen);
    QList<SystemPort> list;
    for (const QString& port : ports) {
        SystemPort p;
        p.name = port.section(QLatin1Char(' '), 0, 0);
        p.number = p.name.mid(3).toInt();
        p.busy = port.endsWith(QLatin1String("busy"));
        list.append(p);
    }
    QCOMPARE(choosePortName(cable, stored, list), chosen);
}

void TestSettingsFiles::language_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("country");
    QTest::newRow("chinese stays") << "chinese"
                                   << "en_US"
                                   << "chinese";
    QTest::newRow("english stays") << "english"
                                   << "zh_CN"
                                   << "english";
    QTest::newRow("anything else is English") << "klingon"
                                              << "zh_CN"
                                              << "english";
    QTest::newRow("empty on a Chinese system") << ""
                                               << "zh_CN"
                                               << "chinese";
    QTest::newRow("empty elsewhere") << ""
                                     << "de_DE"
                                     << "english";
}

void TestSettingsFiles::language()
{
    QFETCH(QString, stored);
    QFETCH(QString, locale);
    QFETCH(QString, country);
    QCOMPARE(LanguageSetup::countryFor(stored, QLocale(locale)), country);
}

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "TestSettingsFiles.moc"
