#include "../serial/EmulatorProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kCli = QStringLiteral(SEGMO_PROGRAM_DIR "/segmo-cli");
const QString kExamples = QStringLiteral(SEGMO_SOURCE_DIR "/examples");

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

} // namespace

class TestSegmoCli : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void help_data();
    void help();
    void newCreatesLikeFileNew();
    void newRefuses_data();
    void newRefuses();
    void compile();
    void compileRefuses_data();
    void compileRefuses();
    void importInfoRoundTrip();
    void importRefuses_data();
    void importRefuses();
    void catalog();
    void demoProjectMatchesItsSource();
    void downloadToTheEmulator();
    void downloadRefuses_data();
    void downloadRefuses();
    void portsListsThePortFolder();

private:
    Run run(const QStringList& arguments);
    QJsonObject info(const QString& project);
    QString path(const QString& name) const { return m_dir->filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSegmoCli::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

Run TestSegmoCli::run(const QStringList& arguments)
{
    QProcess process;
    process.setWorkingDirectory(m_dir->path());
    process.start(kCli, arguments);
    Run result;
    if (!process.waitForFinished(30000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

QJsonObject TestSegmoCli::info(const QString& project)
{
    const Run result = run({QStringLiteral("info"), project});
    if (result.exitCode != 0)
        qWarning("info failed: %s", qPrintable(result.err));
    return QJsonDocument::fromJson(result.out).object();
}

void TestSegmoCli::writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void TestSegmoCli::help_data()
{
    QTest::addColumn<QString>("command");
    for (const char* command : {"new", "compile", "info", "import", "catalog"})
        QTest::newRow(command) << QString::fromLatin1(command);
}

void TestSegmoCli::help()
{
    QFETCH(QString, command);
    const Run result = run({command, QStringLiteral("--help")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.startsWith("Usage: segmo-cli " + command.toLatin1()));
    QVERIFY(result.out.contains("Exit codes"));
}

void TestSegmoCli::newCreatesLikeFileNew()
{
    const Run result =
        run({QStringLiteral("new"), QStringLiteral("line1"), QStringLiteral("--pages"),
             QStringLiteral("3"), QStringLiteral("--vendor"), QStringLiteral("1"),
             QStringLiteral("--plc"), QStringLiteral("0"), QStringLiteral("--model"),
             QStringLiteral("KAVIO-FX")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(QFile::exists(path(QStringLiteral("line1.kavio"))));

    const QJsonObject project = info(path(QStringLiteral("line1.kavio")));
    QCOMPARE(project.value(QStringLiteral("modelName")).toString(), QStringLiteral("KAVIO-FX"));
    QCOMPARE(project.value(QStringLiteral("modelIndex")).toInt(), 1);
    QCOMPARE(project.value(QStringLiteral("plcVendorIndex")).toInt(), 1);
    QCOMPARE(project.value(QStringLiteral("isOpen")).toBool(), true);
    QCOMPARE(project.value(QStringLiteral("currentPage")).toInt(), 0);
    const QJsonArray pages = project.value(QStringLiteral("pages")).toArray();
    QCOMPARE(pages.size(), 3);
    QCOMPARE(pages.at(2).toObject().value(QStringLiteral("paramText")).toString(),
             QStringLiteral("02"));
    QCOMPARE(pages.at(0).toObject().value(QStringLiteral("reg")).toObject().size(), 9);
    // Siemens S7-200: 9600 baud, 8 data bits, 1 stop bit, even parity, RS485, station 2.
    const QJsonObject link = project.value(QStringLiteral("link")).toObject();
    QCOMPARE(link.value(QStringLiteral("baudIndex")).toInt(), 3);
    QCOMPARE(link.value(QStringLiteral("dataBitsIndex")).toInt(), 3);
    QCOMPARE(link.value(QStringLiteral("stopBitsIndex")).toInt(), 0);
    QCOMPARE(link.value(QStringLiteral("parityIndex")).toInt(), 1);
    QCOMPARE(link.value(QStringLiteral("comTypeIndex")).toInt(), 2);
    QCOMPARE(link.value(QStringLiteral("station")).toInt(), 2);
    QCOMPARE(project.value(QStringLiteral("panelOptions")).toArray().size(), 21);
    QCOMPARE(project.value(QStringLiteral("extraRegisters")).toArray().size(), 32);
    for (const char* key : {"tLampPage", "fLampPage", "fKeyPage", "tLampFlicker", "fLampFlicker"})
        QCOMPARE(project.value(QLatin1String(key)).toArray().size(), 11);
    QCOMPARE(project.value(QStringLiteral("keyLampRegister"))
                 .toObject()
                 .value(QStringLiteral("address"))
                 .toInt(),
             10);
    QCOMPARE(project.value(QStringLiteral("filePath")).toString(),
             path(QStringLiteral("line1.kavio")));
}

void TestSegmoCli::newRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("no project") << QStringList{} << "takes 1 argument";
    QTest::newRow("unknown model") << QStringList{"p", "--model", "NOPE"} << "unknown panel model";
    QTest::newRow("unknown vendor") << QStringList{"p", "--vendor", "99"} << "no PLC model";
    QTest::newRow("unknown PLC") << QStringList{"p", "--plc", "99"} << "no PLC model";
    QTest::newRow("0 pages") << QStringList{"p", "--pages", "0"} << "--pages";
    QTest::newRow("101 pages") << QStringList{"p", "--pages", "101"} << "--pages";
    QTest::newRow("pages not a number") << QStringList{"p", "--pages", "x"} << "needs a number";
    QTest::newRow("unknown option") << QStringList{"p", "--colour"} << "Unknown option";
    QTest::newRow("existing file") << QStringList{"existing"} << "--force";
}

void TestSegmoCli::newRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    writeFile(QStringLiteral("existing.kavio"), "keep me");
    const Run result = run(QStringList{QStringLiteral("new")} + arguments);
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(path(QStringLiteral("p.kavio"))));
    QFile kept(path(QStringLiteral("existing.kavio")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep me"));
}

void TestSegmoCli::compile()
{
    QCOMPARE(run({QStringLiteral("new"), QStringLiteral("p")}).exitCode, 0);
    const Run result = run({QStringLiteral("compile"), QStringLiteral("p.kavio")});
    QCOMPARE(result.exitCode, 0);
    QFile image(path(QStringLiteral("ledprj.hex")));
    QVERIFY(image.open(QIODevice::ReadOnly));
    const QByteArray bytes = image.readAll();
    QCOMPARE(bytes.size(), 242);
    QCOMPARE(quint8(bytes.at(0)), quint8(0x08));
    QVERIFY(result.err.contains(QLatin1String("242 bytes")));

    QCOMPARE(run({QStringLiteral("compile"), QStringLiteral("p.kavio"), QStringLiteral("-o"),
                  QStringLiteral("other.hex")})
                 .exitCode,
             0);
    QVERIFY(QFile::exists(path(QStringLiteral("other.hex"))));
}

void TestSegmoCli::compileRefuses_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::newRow("no project") << QByteArray() << QStringList{} << 1 << "takes 1 argument";
    QTest::newRow("missing file") << QByteArray() << QStringList{"missing.kavio"} << 2
                                  << "load result 1";
    QTest::newRow("not a project")
        << QByteArray("garbage") << QStringList{"input.kavio"} << 2 << "load result 2";
    const QByteArray tooLarge = R"({"pages": [{}, {}],
        "panelOptions": ["0", "", "4", "1", "1", "0", "", "", "1", "1", "1", "1", "1", "5", ")" +
                                QByteArray(3800, 'B') + R"("]})";
    QTest::newRow("too large") << tooLarge << QStringList{"input.kavio"} << 3
                               << "maximum capacity: 4000 bytes";
}

void TestSegmoCli::compileRefuses()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    if (file.startsWith('{')) {
        writeFile(QStringLiteral("input.json"), file);
        QCOMPARE(run({QStringLiteral("import"), QStringLiteral("input.json"),
                      QStringLiteral("input.kavio")})
                     .exitCode,
                 0);
    } else if (!file.isEmpty()) {
        writeFile(QStringLiteral("input.kavio"), file);
    }
    const Run result = run(QStringList{QStringLiteral("compile")} + arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(path(QStringLiteral("ledprj.hex")))); // nothing written on failure
}

void TestSegmoCli::importInfoRoundTrip()
{
    QCOMPARE(run({QStringLiteral("import"), kExamples + QStringLiteral("/demo.json"),
                  QStringLiteral("a")})
                 .exitCode,
             0);
    QJsonObject first = info(path(QStringLiteral("a.kavio")));
    writeFile(QStringLiteral("a.json"), QJsonDocument(first).toJson());
    QCOMPARE(
        run({QStringLiteral("import"), QStringLiteral("a.json"), QStringLiteral("b")}).exitCode, 0);
    QJsonObject second = info(path(QStringLiteral("b.kavio")));
    QCOMPARE(second.value(QStringLiteral("filePath")).toString(), path(QStringLiteral("b.kavio")));
    first.remove(QStringLiteral("filePath"));
    second.remove(QStringLiteral("filePath"));
    QCOMPARE(second, first);
    QCOMPARE(first.value(QStringLiteral("fKeyPage")).toArray().at(4).toInt(), 4);
    QCOMPARE(first.value(QStringLiteral("panelOptions")).toArray().at(17).toString(),
             QStringLiteral("-1|0|1|2|4|-1|-1|-1|-1|-1|-1|"));
}

void TestSegmoCli::importRefuses_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");
    QTest::newRow("not JSON") << QByteArray("{pages") << "not a JSON object";
    QTest::newRow("password") << QByteArray(R"({"password": 10000})") << "below 10000";
    QTest::newRow("text for a number") << QByteArray(R"({"pages": [{"totalDigits": "4"}]})")
                                       << "\"pages[0].totalDigits\" must be an integer";
    QTest::newRow("negative unsigned")
        << QByteArray(R"({"pages": [{"reg": {"address": -1}}]})") << "\"pages[0].reg.address\"";
    QTest::newRow("lamp on a missing page")
        << QByteArray(R"({"pages": [{}], "fKeyPage": [-1,5,-1,-1,-1,-1,-1,-1,-1,-1,-1]})")
        << "\"fKeyPage\"[1] = 5";
    QTest::newRow("page twice")
        << QByteArray(R"({"pages": [{}], "tLampPage": [-1,0,0,-1,-1,-1,-1,-1,-1,-1,-1]})")
        << "\"tLampPage\"[2] = 0";
    QTest::newRow("short array") << QByteArray(R"({"tLampFlicker": [1, 2]})") << "11 integers";
}

void TestSegmoCli::importRefuses()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    writeFile(QStringLiteral("bad.json"), json);
    const Run result =
        run({QStringLiteral("import"), QStringLiteral("bad.json"), QStringLiteral("bad.kavio")});
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
    QVERIFY(!QFile::exists(path(QStringLiteral("bad.kavio"))));
}

void TestSegmoCli::catalog()
{
    const Run result = run({QStringLiteral("catalog")});
    QCOMPARE(result.exitCode, 0);
    const QJsonArray vendors =
        QJsonDocument::fromJson(result.out).object().value(QStringLiteral("vendors")).toArray();
    QVERIFY(vendors.size() >= 5);
    const QJsonObject model =
        vendors.at(0).toObject().value(QStringLiteral("models")).toArray().at(0).toObject();
    QCOMPARE(model.value(QStringLiteral("linkDefaults"))
                 .toObject()
                 .value(QStringLiteral("baudIndex"))
                 .toInt(),
             3);
    const QJsonObject type = model.value(QStringLiteral("bitTypes")).toArray().at(0).toObject();
    QCOMPARE(type.value(QStringLiteral("name")).toString(), QStringLiteral("X"));
    QCOMPARE(type.size(), 15);

    const Run missing = run({QStringLiteral("catalog"), QStringLiteral("missing.dll")});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY(missing.out.isEmpty());
}

void TestSegmoCli::demoProjectMatchesItsSource()
{
    QJsonObject shipped = info(kExamples + QStringLiteral("/demo.kavio"));
    QCOMPARE(run({QStringLiteral("import"), kExamples + QStringLiteral("/demo.json"),
                  QStringLiteral("demo")})
                 .exitCode,
             0);
    QJsonObject rebuilt = info(path(QStringLiteral("demo.kavio")));
    shipped.remove(QStringLiteral("filePath"));
    rebuilt.remove(QStringLiteral("filePath"));
    QCOMPARE(rebuilt, shipped);
    QCOMPARE(run({QStringLiteral("compile"), kExamples + QStringLiteral("/demo.kavio")}).exitCode,
             0);
}

void TestSegmoCli::downloadToTheEmulator()
{
    const QString ports = path(QStringLiteral("ports"));
    qputenv("ZTSERIAL_PORT_DIR", ports.toUtf8());
    EmulatorProcess emulator(ports, m_dir->path());
    QVERIFY(emulator.start({}));
    const Run result = run({QStringLiteral("download"), kExamples + QStringLiteral("/demo.kavio"),
                            QStringLiteral("--port"), QStringLiteral("COM9"),
                            QStringLiteral("--firm-dir"), path(QStringLiteral("no-firmware"))});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.contains(QLatin1String("progress 397/397 bytes")));
    QVERIFY(result.err.contains(
        QRegularExpression(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d{3}\\] "),
                           QRegularExpression::MultilineOption)));
    QCOMPARE(run({QStringLiteral("compile"), kExamples + QStringLiteral("/demo.kavio"),
                  QStringLiteral("-o"), QStringLiteral("expected.hex")})
                 .exitCode,
             0);
    QFile expected(path(QStringLiteral("expected.hex")));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    QCOMPARE(emulator.savedImage(), expected.readAll());
    qunsetenv("ZTSERIAL_PORT_DIR");
}

void TestSegmoCli::downloadRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    const QString demo = kExamples + QStringLiteral("/demo.kavio");
    QTest::newRow("no port") << QStringList{demo} << 10 << "--port";
    QTest::newRow("bad port name") << QStringList{demo, "--port", "ttyS0"} << 10 << "--port";
    QTest::newRow("missing project")
        << QStringList{"missing.kavio", "--port", "COM9"} << 11 << "load result 1";
    QTest::newRow("no panel") << QStringList{demo, "--port", "COM9"} << 1
                              << "Cannot open serial port COM9";
}

void TestSegmoCli::downloadRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    qputenv("ZTSERIAL_PORT_DIR", path(QStringLiteral("ports")).toUtf8());
    const Run result = run(QStringList{QStringLiteral("download")} + arguments);
    qunsetenv("ZTSERIAL_PORT_DIR");
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestSegmoCli::portsListsThePortFolder()
{
    const QString ports = path(QStringLiteral("ports"));
    qputenv("ZTSERIAL_PORT_DIR", ports.toUtf8());
    EmulatorProcess emulator(ports, m_dir->path());
    QVERIFY(emulator.start({}));
    const Run result = run({QStringLiteral("ports")});
    qunsetenv("ZTSERIAL_PORT_DIR");
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains("COM9\t" + (ports + QStringLiteral("/COM9")).toUtf8() + "\tfree"),
             result.out.constData());
}

QTEST_GUILESS_MAIN(TestSegmoCli)
#include "TestSegmoCli.moc"
