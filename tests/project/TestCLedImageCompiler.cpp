#include "ProjectFixtures.h"
#include "project/CLedImageCompiler.h"
#include "project/CLedProject.h"
#include "project/CompileCheck.h"
#include "project/Crc16Modbus.h"

#include <QtTest>

using namespace CLedImageCompiler;

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// The first page of File New: label "00", everything else at its default.
void makeNewProject(CLedProject& p)
{
    p = CLedProject();
    p.isOpen = true;
    p.addPage();
}

int parameterOffset(const CLedProject& p)
{
    return kHeaderSize + kPageRecordSize * p.pageCount();
}

QByteArray keyBlockOf(const QByteArray& plain)
{
    return plain.right(kKeyBlockSize);
}

} // namespace

class TestCLedImageCompiler : public QObject
{
    Q_OBJECT

private slots:
    void crc_data();
    void crc();
    void newProjectImage();
    void scrambling();
    void registerTypeByte_data();
    void registerTypeByte();
    void unusedRegistersAreZero();
    void headerFields();
    void pageRecordFields();
    void screenSaverText_data();
    void screenSaverText();
    void dynamicTextAndBootText();
    void keyBlock();
    void capacity();
    void corruptRowCountStaysBounded();
};

void TestCLedImageCompiler::crc_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<quint16>("crc");
    QTest::newRow("check value") << QByteArray("123456789") << quint16(0x4B37);
    QTest::newRow("abc") << QByteArray("abc") << quint16(0x5749);
    QTest::newRow("one zero byte") << QByteArray(1, '\0') << quint16(0x40BF);
    QTest::newRow("nothing") << QByteArray() << quint16(0xFFFF);
}

void TestCLedImageCompiler::crc()
{
    QFETCH(QByteArray, bytes);
    QFETCH(quint16, crc);
    QCOMPARE(crc16Modbus(bytes), crc);
}

void TestCLedImageCompiler::newProjectImage()
{
    CLedProject p;
    makeNewProject(p);
    const QByteArray plain = buildPlainImage(p);
    QCOMPARE(plain.size(), 242);
    QCOMPARE(p.buildImage().size(), 242);

    QCOMPARE(plain.mid(0, 2), QByteArray("QD"));
    QCOMPARE(plain.mid(kHeaderSize, kPageRecordSize), hex("004400000000000001"
                                                          "0000"
                                                          "04"
                                                          "0000000000000000"
                                                          "7FFF"
                                                          "3030") +
                                                          QByteArray(8, '\0'));
    QCOMPARE(plain.mid(126, 2), hex("216B"));
    QCOMPARE(crc16Modbus(plain.mid(kHeaderSize, kPageRecordSize)), quint16(0x216B));

    const QByteArray params = plain.mid(parameterOffset(p), kParameterBlockFixedSize);
    QCOMPARE(quint8(params.at(0)), quint8(0x2A));
    QCOMPARE(int(params.at(1)), 1);
    QCOMPARE(int(params.at(27)), 1);
    QCOMPARE(int(params.at(28)), 5);
    QCOMPARE(int(params.at(47)), 1);

    const QByteArray keys = keyBlockOf(plain);
    QCOMPARE(keys.left(32), QByteArray(32, char(0xFF)));
    QCOMPARE(keys.mid(32), hex("0303"));

    // Header: flags A (all six registers in use), flags B (buzzer), brightness 4,
    // password 6085, screen saver time 3, and the default special registers.
    QCOMPARE(quint8(plain.at(20)), quint8(0x3F));
    QCOMPARE(quint8(plain.at(77)), quint8(0x20));
    QCOMPARE(int(plain.at(78)), 4);
    QCOMPARE(plain.mid(14, 4), hex("000017C5"));
    QCOMPARE(int(plain.at(18)), 3);
    QCOMPARE(plain.mid(21, 9), hex("004D00000000000001"));
    QCOMPARE(plain.mid(48, 9), hex("004400000002000001"));
    QCOMPARE(plain.mid(79, 9), hex("004D0000001E000001"));
    QCOMPARE(plain.mid(88, 38), QByteArray(38, '\0'));
}

void TestCLedImageCompiler::scrambling()
{
    CLedProject p;
    makeNewProject(p);
    const QByteArray plain = buildPlainImage(p);
    const QByteArray image = p.buildImage();
    QCOMPARE(quint8(image.at(0)), quint8(0x08));
    QCOMPARE(scramble(image), plain);
    for (int i = 0; i < image.size(); ++i)
        QCOMPARE(quint8(image.at(i)), quint8(plain.at(i) ^ 0x59));
}

void TestCLedImageCompiler::registerTypeByte_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<char>("byte");
    QTest::newRow("M") << "M" << 'M';
    QTest::newRow("D") << "D" << 'D';
    QTest::newRow("empty") << "" << 'D';
    QTest::newRow("lower m") << "m" << 'D';
    QTest::newRow("MW") << "MW" << 'D';
    QTest::newRow("X") << "X" << 'D';
}

void TestCLedImageCompiler::registerTypeByte()
{
    QFETCH(QString, type);
    QFETCH(char, byte);
    CLedProject p;
    makeNewProject(p);
    p.setPageRegType(0, type);
    p.keyRegister.type = type;
    const QByteArray plain = buildPlainImage(p);
    QCOMPARE(plain.at(kHeaderSize + 1), byte);
    QCOMPARE(plain.at(22), byte);
}

void TestCLedImageCompiler::unusedRegistersAreZero()
{
    CLedProject p;
    fillRichProject(p);
    p.useKeyAddress = false;
    p.useKeyLampAddress = false;
    p.useTLampAddress = false;
    p.useAlarm = false;
    p.useCustomLeft = false;
    p.useCustomRight = false;
    p.useBuzzer = false;
    const QByteArray plain = buildPlainImage(p);
    QCOMPARE(plain.mid(21, 54), QByteArray(54, '\0'));
    QCOMPARE(plain.mid(79, 9), QByteArray(9, '\0'));
    QCOMPARE(quint8(plain.at(20)) & 0x3F, 0);
    QCOMPARE(quint8(plain.at(77)) & 0x20, 0);
}

void TestCLedImageCompiler::headerFields()
{
    CLedProject p;
    fillRichProject(p);
    p.modelIndex = 0x10203;
    p.plcVendorIndex = 0x1FFFF;
    p.plcModelIndex = 0x105;
    p.password = 123456; // never stored by the editors, still written below 10000
    const QByteArray plain = buildPlainImage(p);
    QCOMPARE(plain.mid(2, 2), hex("0203"));
    QCOMPARE(plain.mid(4, 2), hex("0005"));
    QCOMPARE(plain.mid(6, 2), hex("FFFF"));
    QCOMPARE(int(plain.at(8)), 5);
    QCOMPARE(plain.mid(9, 5), hex("0403020102"));
    QCOMPARE(plain.mid(14, 4), hex("00000D80")); // 123456 % 10000 = 3456
    QCOMPARE(plain.mid(18, 2), hex("0502"));
    // Flags A: key, key lamp, T-lamp, left in use; alarm and right off; nav lamps off.
    QCOMPARE(quint8(plain.at(20)), quint8(0x57));
    QCOMPARE(plain.mid(21, 9), hex("07440000123400 0001").replace(' ', ""));
    QCOMPARE(plain.mid(75, 2), hex("0102"));
    // Flags B: left signed, right leading zero, key voice off, six-digit mode.
    QCOMPARE(quint8(plain.at(77)), quint8(0x59));
    QCOMPARE(int(plain.at(78)), 6);
    QCOMPARE(plain.mid(126, 2).toHex(),
             QByteArray::number(crc16Modbus(plain.mid(kHeaderSize, 5 * kPageRecordSize)), 16)
                 .rightJustified(4, '0'));
}

void TestCLedImageCompiler::pageRecordFields()
{
    CLedProject p;
    fillRichProject(p);
    const QByteArray plain = buildPlainImage(p);
    auto record = [&](int i) { return plain.mid(kHeaderSize + i * kPageRecordSize, 32); };
    QCOMPARE(record(0).left(9), hex("004400000064000001"));
    QCOMPARE(record(1).mid(0, 1), hex("2C")); // station 300 stored as its low byte
    QCOMPARE(record(1).mid(9, 5), hex("0001060201"));
    QCOMPARE(int(record(2).at(13)), 0x06);
    QCOMPARE(record(3).mid(13, 9), hex("18FFFFFF9C0000270F"));
    QCOMPARE(record(4).at(8), char(3));
    QCOMPARE(record(4).mid(22, 2), QByteArray("AB"));

    CLedProject labels;
    makeNewProject(labels);
    labels.setPageParamText(0, QStringLiteral("7"));
    labels.addPage();
    labels.setPageParamText(1, QString());
    labels.addPage();
    labels.setPageParamText(2, QStringLiteral("温X"));
    labels.setPageMinValue(2, -1);
    const QByteArray image = buildPlainImage(labels);
    QCOMPARE(image.mid(kHeaderSize + 22, 2), hex("3700"));
    QCOMPARE(image.mid(kHeaderSize + 32 + 22, 2), hex("0000"));
    QCOMPARE(image.mid(kHeaderSize + 64 + 22, 2), QByteArray("?X"));
    QCOMPARE(image.mid(kHeaderSize + 64 + 14, 4), hex("FFFFFFFF"));
    QCOMPARE(image.mid(kHeaderSize + 64 + 9, 2), hex("0002"));
}

void TestCLedImageCompiler::screenSaverText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lengthByte");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << "" << 0 << QByteArray(24, '\0');
    QTest::newRow("short") << "AB-1" << 4 << QByteArray("AB-1").leftJustified(24, '\0');
    QTest::newRow("24") << QString(24, QLatin1Char('Z')) << 24 << QByteArray(24, 'Z');
    QTest::newRow("30 capped") << QString(30, QLatin1Char('Z')) << 24 << QByteArray(24, 'Z');
    QTest::newRow("260 wraps to 4") << QString(260, QLatin1Char('Z')) << 4 << QByteArray(24, 'Z');
    QTest::newRow("not Latin-1") << "温度" << 2 << QByteArray("??").leftJustified(24, '\0');
}

void TestCLedImageCompiler::screenSaverText()
{
    QFETCH(QString, text);
    QFETCH(int, lengthByte);
    QFETCH(QByteArray, bytes);
    CLedProject p;
    makeNewProject(p);
    p.options().setScreenSaverText(text);
    const QByteArray plain = buildPlainImage(p);
    const int at = parameterOffset(p);
    QCOMPARE(int(quint8(plain.at(at + 2))), lengthByte);
    QCOMPARE(plain.mid(at + 3, 24), bytes);
    QCOMPARE(plain.size(), 242);
}

void TestCLedImageCompiler::dynamicTextAndBootText()
{
    CLedProject p;
    makeNewProject(p);
    p.extraRegisters[0] = CLedRegister::of(QStringLiteral("D"), 500);
    p.options().setDynTextRows(2);
    p.options().setDynTextValues(QStringLiteral("1|300|"));
    p.options().setDynTextContents(QStringLiteral("A|BC|"));
    p.options().setDynTextSpeed(3);
    p.options().setBootTextEnabled(true);
    p.screenSaverMode = 2;
    const QByteArray plain = buildPlainImage(p);
    const int at = parameterOffset(p);
    // Flags P: saver text, saver slide, rows, row slide, boot text, boot slide.
    QCOMPARE(quint8(plain.at(at)), quint8(0x3F));
    QCOMPARE(plain.mid(at + 37, 9), hex("0044000001F4000001"));
    QCOMPARE(plain.mid(at + 46, 2), hex("0203"));
    QCOMPARE(plain.mid(at + 48, 9), hex("0001410001 2C424300").replace(' ', ""));
    QCOMPARE(plain.mid(at + 57, 3), hex("5A2D00"));
    QCOMPARE(plain.size(), 242 + 9 + 3);

    // Without rows the dynamic text register is not compiled.
    p.options().setDynTextRows(0);
    QCOMPARE(buildPlainImage(p).mid(at + 37, 9), QByteArray(9, '\0'));
}

void TestCLedImageCompiler::keyBlock()
{
    CLedProject p;
    makeNewProject(p);
    for (int i = 0; i < 9; ++i)
        p.addPage();
    p.assignTLamp(7, 10);
    p.assignTLamp(2, 1);
    p.assignFLamp(3, 9);
    p.assignFKey(9, 8);
    for (int n = 1; n <= 10; ++n) {
        p.setTLampFlicker(n, n == 1 || n == 10);
        p.setFLampFlicker(n, n == 8);
    }
    const QByteArray keys = keyBlockOf(buildPlainImage(p));
    QCOMPARE(keys.mid(0, 8), hex("02FFFFFFFFFFFFFF"));
    QCOMPARE(keys.mid(8, 8), QByteArray(8, char(0xFF)));
    QCOMPARE(keys.mid(16, 8), hex("FFFFFFFFFFFFFF09"));
    QCOMPARE(keys.mid(24, 2), hex("0180"));
    QCOMPARE(keys.mid(26, 2), hex("FF07"));
    QCOMPARE(keys.mid(28, 2), hex("03FF"));
    QCOMPARE(keys.mid(30, 2), hex("FFFF"));
    QCOMPARE(keys.mid(32, 2), hex("0200"));
}

void TestCLedImageCompiler::capacity()
{
    CLedProject p;
    for (int i = 0; i < 100; ++i)
        p.addPage();
    QByteArray image;
    QCOMPARE(compileImage(p, image), ImageCheck::Ok);
    QCOMPARE(image.size(), 3410);

    // Boot text grows the image byte by byte: 3410 + 2 + length.
    p.options().setBootTextEnabled(true);
    p.options().setBootText(QString(3999 - 3410 - 2, QLatin1Char('B')));
    QCOMPARE(compileImage(p, image), ImageCheck::Ok);
    QCOMPARE(image.size(), 3999);
    p.options().setBootText(QString(4000 - 3410 - 2, QLatin1Char('B')));
    QCOMPARE(compileImage(p, image), ImageCheck::TooLarge);
    QCOMPARE(image.size(), 4000);
    QVERIFY(imageCheckMessage(ImageCheck::TooLarge).contains(QLatin1String("4000")));
    QCOMPARE(checkImage(QByteArray()), ImageCheck::Empty);
    QVERIFY(!imageCheckMessage(ImageCheck::Empty).isEmpty());
}

void TestCLedImageCompiler::corruptRowCountStaysBounded()
{
    CLedProject p;
    makeNewProject(p);
    p.options().setDynTextRows(4000000000u);
    QByteArray image;
    QCOMPARE(compileImage(p, image), ImageCheck::TooLarge);
    QVERIFY(image.size() < 2 * kImageCapacity);
    QCOMPARE(quint8(buildPlainImage(p).at(parameterOffset(p) + 46)), quint8(4000000000u & 0xFF));
}

QTEST_GUILESS_MAIN(TestCLedImageCompiler)
#include "TestCLedImageCompiler.moc"
