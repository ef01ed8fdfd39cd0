#include "plc/CPlcManager.h"
#include "plc/LinkParameterTables.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// A catalogue of one vendor with one model whose attributes (and register
// types) are given.
QByteArray oneModel(const QByteArray& modelAttributes, const QByteArray& types = QByteArray())
{
    return "<Root><Vendor Id=\"0\" Name=\"V\"><Model Id=\"0\" " + modelAttributes + ">" + types +
           "</Model></Vendor></Root>";
}

} // namespace

class TestCPlcManager : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void linkDefaults_data();
    void linkDefaults();
    void radixNumbers_data();
    void radixNumbers();
    void asmType_data();
    void asmType();
    void booleans_data();
    void booleans();
    void typeFiling();
    void lookups();
    void loadFailures_data();
    void loadFailures();
    void nonElementsSkipped();
    void shippedCatalogue();
    void instanceAndRelease();

private:
    // Loads the XML into a fresh catalogue and returns its first model.
    const CPlcModel* firstModel(const QByteArray& xml);
    QString write(const QByteArray& xml);

    QTemporaryDir m_dir;
    CPlcManager m_catalog;
};

QString TestCPlcManager::write(const QByteArray& xml)
{
    const QString path = m_dir.filePath(QStringLiteral("catalog.xml"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(xml);
    return path;
}

const CPlcModel* TestCPlcManager::firstModel(const QByteArray& xml)
{
    if (!m_catalog.load(write(xml)) || m_catalog.vendorCount() == 0)
        return nullptr;
    return m_catalog.vendorAt(0)->modelAt(0);
}

void TestCPlcManager::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("two pieces") << "三菱|Mitsubishi"
                                << "三菱"
                                << "Mitsubishi";
    QTest::newRow("one piece") << "Delta"
                               << "Delta"
                               << "Delta";
    QTest::newRow("leading bar") << "|Omron"
                                 << "Omron"
                                 << "Omron";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestCPlcManager::names()
{
    QFETCH(QString, name);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    const QByteArray xml = "<Root><Vendor Id=\"0\" Name=\"" + name.toUtf8() +
                           "\"><Model Id=\"0\" Name=\"" + name.toUtf8() + "\"/></Vendor></Root>";
    QVERIFY(m_catalog.load(write(xml)));
    const CPlcVendor* vendor = m_catalog.vendorAt(0);
    QCOMPARE(vendor->nameFor(0), chinese);
    QCOMPARE(vendor->nameFor(1), english);
    QCOMPARE(vendor->nameFor(5), chinese);
    QCOMPARE(vendor->modelAt(0)->nameFor(1), english);
}

void TestCPlcManager::linkDefaults_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QVector<quint32>>("expected"); // station, baud, data, stop, parity, line

    QTest::newRow("all given") << QByteArray(
                                      "DefStation=\"5\" DefaultBaud=\"19200\" DataBits=\"7\" "
                                      "StopBits=\"2\" Parity=\"EVEN\" ComType=\"RS485\"")
                               << QVector<quint32>{5, 4, 2, 2, 1, 2};
    QTest::newRow("all missing") << QByteArray() << QVector<quint32>{0, 8, 4, 3, 5, 3};
    QTest::newRow("unknown values")
        << QByteArray("DefStation=\"abc\" DefaultBaud=\"14400\" DataBits=\"9\" StopBits=\"3\" "
                      "Parity=\"even\" ComType=\"rs232\"")
        << QVector<quint32>{0, 3, 0, 0, 0, 0};
    QTest::newRow("115200, 1.5 stop bits")
        << QByteArray("DefaultBaud=\"115200\" StopBits=\"1.5\" Parity=\"MARK\"")
        << QVector<quint32>{0, 7, 4, 1, 4, 3};
}

void TestCPlcManager::linkDefaults()
{
    QFETCH(QByteArray, attributes);
    QFETCH(QVector<quint32>, expected);
    const CPlcModel* model = firstModel(oneModel(attributes));
    QVERIFY(model);
    const CLedLinkSettings link = model->linkDefaults();
    QCOMPARE((QVector<quint32>{link.station, link.baudIndex, link.dataBitsIndex, link.stopBitsIndex,
                               link.parityIndex, link.comTypeIndex}),
             expected);
    QVERIFY(link.linkList.isEmpty());
}

void TestCPlcManager::radixNumbers_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<quint32>("minMain");
    QTest::addColumn<quint32>("maxSub");
    QTest::addColumn<quint8>("incMain");

    QTest::newRow("octal") << QByteArray("VtMain=\"VT_OCT\" MinMain=\"17\" IncMain=\"10\"") << 15u
                           << 0u << quint8(8);
    QTest::newRow("hex") << QByteArray("VtMain=\"VT_HEX\" MinMain=\"17\" IncMain=\"1FF\"") << 23u
                         << 0u << quint8(0xFF);
    QTest::newRow("decimal") << QByteArray("VtMain=\"VT_DEC\" MinMain=\"17\"") << 17u << 0u
                             << quint8(0);
    QTest::newRow("no value type")
        << QByteArray("MinMain=\"17\" VtSub=\"VT_DEC\" MaxSub=\"15\"") << 0u << 15u << quint8(0);
    QTest::newRow("not octal") << QByteArray("VtMain=\"VT_OCT\" MinMain=\"19\"") << 0u << 0u
                               << quint8(0);
    QTest::newRow("lower-case type")
        << QByteArray("VtMain=\"vt_hex\" MinMain=\"17\"") << 0u << 0u << quint8(0);
}

void TestCPlcManager::radixNumbers()
{
    QFETCH(QByteArray, attributes);
    QFETCH(quint32, minMain);
    QFETCH(quint32, maxSub);
    QFETCH(quint8, incMain);
    const CPlcModel* model =
        firstModel(oneModel("", "<A Name=\"D\" AddrType=\"AT_WORD\" " + attributes + "/>"));
    QVERIFY(model);
    QCOMPARE(model->wordTypes().size(), 1);
    const CPlcAddrType* type = model->wordTypes().at(0);
    QCOMPARE(type->minMain(), minMain);
    QCOMPARE(type->maxSub(), maxSub);
    QCOMPARE(type->incMain(), incMain);
}

void TestCPlcManager::asmType_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint16>("value");
    QTest::newRow("three digits") << "ABC" << quint16(0xABC);
    QTest::newRow("five digits keep four") << "1ABCD" << quint16(0xABCD);
    QTest::newRow("not hex") << "zz" << quint16(0);
    QTest::newRow("missing") << "" << quint16(0);
}

void TestCPlcManager::asmType()
{
    QFETCH(QString, text);
    QFETCH(quint16, value);
    const CPlcModel* model = firstModel(
        oneModel("", "<A Name=\"M\" AddrType=\"AT_BIT\" AsmType=\"" + text.toLatin1() + "\"/>"));
    QVERIFY(model);
    QCOMPARE(model->bitTypes().at(0)->asmType(), value);
}

void TestCPlcManager::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("value");
    QTest::newRow("TRUE") << "TRUE" << true;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("empty") << "" << false;
}

void TestCPlcManager::booleans()
{
    QFETCH(QString, text);
    QFETCH(bool, value);
    const CPlcModel* model = firstModel(
        oneModel("HasStation=\"" + text.toLatin1() + "\"",
                 "<A Name=\"M\" AddrType=\"AT_BIT\" HasSub=\"" + text.toLatin1() + "\"/>"));
    QVERIFY(model);
    QCOMPARE(model->hasStation(), value);
    QCOMPARE(model->bitTypes().at(0)->hasSub(), value);
}

void TestCPlcManager::typeFiling()
{
    const CPlcModel* model = firstModel(
        oneModel("DefBit=\"M\" DefWord=\"D\" SupportedBaud=\"9600|19200\" Png=\"a.png|\"",
                 "<A Name=\"X\" AddrType=\"AT_BIT\" Note=\"输入|Input\" MemType=\"MT_READ\" "
                 "Explain=\"AE_OCT\"/>"
                 "<A Name=\"T\" AddrType=\"AT_BITWORD\"/>"
                 "<A Name=\"D\" AddrType=\"AT_WORD\" MemType=\"MT_ALL\" Explain=\"AE_DECT_HEX\"/>"
                 "<A Name=\"lower\" AddrType=\"at_bit\"/>"
                 "<A Name=\"none\"/>"));
    QVERIFY(model);
    QCOMPARE(model->bitTypes().size(), 2);
    QCOMPARE(model->wordTypes().size(), 2);
    QCOMPARE(model->bitTypes().at(0)->name(), QStringLiteral("X"));
    QCOMPARE(model->bitTypes().at(1), model->wordTypes().at(0)); // the same record
    QCOMPARE(model->wordTypes().at(1)->name(), QStringLiteral("D"));
    QCOMPARE(model->bitTypes().at(0)->noteFor(1), QStringLiteral("Input"));
    QCOMPARE(model->bitTypes().at(0)->memType(), MT_READ);
    QCOMPARE(model->bitTypes().at(0)->explain(), AE_OCT);
    QCOMPARE(model->wordTypes().at(1)->explain(), AE_DECT_HEX);
    QCOMPARE(model->defBit(), QStringLiteral("M"));
    QCOMPARE(model->supportedBauds(),
             (QStringList{QStringLiteral("9600"), QStringLiteral("19200")}));
    QCOMPARE(model->pictures(), QStringList{QStringLiteral("a.png")});
}

void TestCPlcManager::lookups()
{
    QVERIFY(m_catalog.load(write("<Root>"
                                 "<Vendor Id=\"3\" Name=\"first\"><Model Id=\"1\" Name=\"m1\"/>"
                                 "<Model Id=\"1\" Name=\"m1b\"/><Model Name=\"noid\"/></Vendor>"
                                 "<Vendor Id=\"3\" Name=\"second\"/>"
                                 "<Vendor Name=\"noid\"/>"
                                 "</Root>")));
    QCOMPARE(m_catalog.vendorCount(), 3);
    QCOMPARE(m_catalog.findVendor(3)->nameFor(0), QStringLiteral("first"));
    QCOMPARE(m_catalog.findVendor(0)->nameFor(0), QStringLiteral("noid"));
    QVERIFY(!m_catalog.findVendor(1));
    QCOMPARE(m_catalog.findModel(3, 1)->nameFor(0), QStringLiteral("m1"));
    QCOMPARE(m_catalog.findModel(3, 0)->nameFor(0), QStringLiteral("noid"));
    QVERIFY(!m_catalog.findModel(3, 2));
    QVERIFY(!m_catalog.findModel(1, 1));
    QVERIFY(!m_catalog.vendorAt(3));
    QVERIFY(!m_catalog.vendorAt(-1));
    QVERIFY(!m_catalog.vendorAt(0)->modelAt(3));
}

void TestCPlcManager::loadFailures_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::newRow("not XML") << QByteArray("this is no catalogue");
    QTest::newRow("unclosed element") << QByteArray("<Root><Vendor Id=\"0\"></Root>");
    QTest::newRow("no children") << QByteArray("<Root/>");
    QTest::newRow("only a comment") << QByteArray("<Root><!-- nothing --> text </Root>");
}

void TestCPlcManager::loadFailures()
{
    QFETCH(QByteArray, xml);
    QVERIFY(m_catalog.load(write(oneModel(""))));
    QVERIFY(!m_catalog.load(write(xml)));
    QCOMPARE(m_catalog.vendorCount(), 0);
    QVERIFY(!m_catalog.load(m_dir.filePath(QStringLiteral("missing.dll"))));
}

void TestCPlcManager::nonElementsSkipped()
{
    QVERIFY(m_catalog.load(write("<Root>\n  <!-- Mitsubishi -->\n"
                                 "  <Vendor Id=\"0\" Name=\"A\">text<Model Id=\"0\" Name=\"m\">"
                                 "<!-- types --><A Name=\"M\" AddrType=\"AT_BIT\"/></Model>"
                                 "</Vendor>\n  <?pi data?>\n  <Vendor Id=\"1\" Name=\"B\"/>\n"
                                 "</Root>")));
    QCOMPARE(m_catalog.vendorCount(), 2);
    QCOMPARE(m_catalog.vendorAt(0)->modelCount(), 1);
    QCOMPARE(m_catalog.vendorAt(0)->modelAt(0)->bitTypes().size(), 1);
}

void TestCPlcManager::shippedCatalogue()
{
    QVERIFY(m_catalog.load(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtFactory.dll")));
    QVERIFY(m_catalog.vendorCount() >= 5);
    for (int v = 0; v < m_catalog.vendorCount(); ++v) {
        const CPlcVendor* vendor = m_catalog.vendorAt(v);
        QCOMPARE(vendor->id(), quint32(v));
        QCOMPARE(vendor->names().size(), 2);
        QVERIFY(vendor->modelCount() > 0);
        for (int m = 0; m < vendor->modelCount(); ++m) {
            const CPlcModel* model = vendor->modelAt(m);
            const QString where = vendor->nameFor(1) + QLatin1Char('/') + model->nameFor(1);
            QVERIFY2(model->id() == quint32(m), qPrintable(where));
            QVERIFY2(model->names().size() == 2, qPrintable(where));
            QVERIFY2(!model->bitTypes().isEmpty() && !model->wordTypes().isEmpty(),
                     qPrintable(where));
            const CLedLinkSettings link = model->linkDefaults();
            using namespace LinkParameterTables;
            QVERIFY2(link.baudIndex < quint32(entryCount(BaudRates)) &&
                         link.dataBitsIndex < quint32(entryCount(DataBits)) &&
                         link.stopBitsIndex < quint32(entryCount(StopBits)) &&
                         link.parityIndex < quint32(entryCount(Parity)) &&
                         link.comTypeIndex < quint32(entryCount(LineTypes)),
                     qPrintable(where));
            QVERIFY2(!model->hasStation() || (link.station >= model->minStation() &&
                                              link.station <= model->maxStation()),
                     qPrintable(where));
            for (const CPlcAddrType* type : model->bitTypes() + model->wordTypes())
                QVERIFY2(type->minMain() <= type->maxMain() && type->incMain() > 0,
                         qPrintable(where + QLatin1Char(' ') + type->name()));
        }
    }
    // A new project's special registers are M and D: the first PLC offers both.
    const CPlcModel* first = m_catalog.findModel(0, 0);
    auto names = [](const QList<const CPlcAddrType*>& types) {
        QStringList list;
        for (const CPlcAddrType* type : types)
            list.append(type->name());
        return list;
    };
    QVERIFY(names(first->bitTypes()).contains(QStringLiteral("M")));
    QVERIFY(names(first->wordTypes()).contains(QStringLiteral("D")));
    // FX inputs are octal: X0..X377.
    QCOMPARE(first->bitTypes().at(0)->name(), QStringLiteral("X"));
    QCOMPARE(first->bitTypes().at(0)->maxMain(), 0377u);
}

void TestCPlcManager::instanceAndRelease()
{
    CPlcManager& catalog = CPlcManager::instance();
    QCOMPARE(&CPlcManager::instance(), &catalog);
    QVERIFY(catalog.load(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtFactory.dll")));
    CPlcManager::release();
    QCOMPARE(CPlcManager::instance().vendorCount(), 0);
    CPlcManager::release();
}

QTEST_GUILESS_MAIN(TestCPlcManager)
#include "TestCPlcManager.moc"
