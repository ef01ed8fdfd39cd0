#include "project/CLedProject.h"

#include <QtTest>

namespace {

QString labels(const CLedProject& p)
{
    QStringList list;
    for (const CLedPage& page : p.pages())
        list.append(page.paramText);
    return list.join(QLatin1Char(','));
}

// A project with pages 00..(count-1).
void addPages(CLedProject& p, int count)
{
    for (int i = 0; i < count; ++i)
        p.addPage();
}

} // namespace

class TestCLedProject : public QObject
{
    Q_OBJECT

private slots:
    void newProjectDefaults();
    void constructorsForNewAndOpen();
    void addPageLabels();
    void copyPage();
    void pageGettersOutOfRange();
    void pageSettersNormalise();
    void assignmentsMoveBetweenPages();
    void assignmentTextForm_data();
    void assignmentTextForm();
    void assignmentRefusesMissingPage();
    void flicker();
    void pageOperations_data();
    void pageOperations();
    void removeFirstOfTwo();
    void optionNormalisation_data();
    void optionNormalisation();
    void dynamicTextRows_data();
    void dynamicTextRows();
};

void TestCLedProject::newProjectDefaults()
{
    CLedProject p;
    QVERIFY(!p.isOpen);
    QCOMPARE(p.pageCount(), 0);
    QCOMPARE(p.currentPage, -1);
    QCOMPARE(p.modelName, QStringLiteral("0"));
    QCOMPARE(p.portName, QStringLiteral("COM1"));
    QCOMPARE(p.password, 6085u);
    QCOMPARE(p.screenSaverBrightness, 4);

    const QStringList expected{QStringLiteral("0"), QString(),           QStringLiteral("4"),
                               QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"),
                               QString(),           QString(),           QStringLiteral("1"),
                               QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                               QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("-"),
                               QString(),           QString(),           QString(),
                               QString(),           QString(),           QString()};
    QCOMPARE(p.options().texts(), expected);

    for (int kind = 0; kind < CLedProject::kAssignmentKinds; ++kind)
        QCOMPARE(p.assignments(CLedProject::AssignmentKind(kind)).items(), QVector<qint32>(11, -1));

    const std::pair<const CLedRegister*, QString> specials[] = {
        {&p.keyRegister, QStringLiteral("M0")},    {&p.keyLampRegister, QStringLiteral("M10")},
        {&p.tLampRegister, QStringLiteral("M20")}, {&p.alarmRegister, QStringLiteral("D2")},
        {&p.leftRegister, QStringLiteral("D0")},   {&p.rightRegister, QStringLiteral("D1")},
        {&p.buzzerRegister, QStringLiteral("M30")}};
    for (const auto& [reg, name] : specials) {
        QCOMPARE(reg->type + QString::number(reg->address), name);
        QCOMPARE(reg->station, 0u);
        QCOMPARE(reg->count, 1u);
        QCOMPARE(reg->reserved2, 1u);
    }
}

void TestCLedProject::constructorsForNewAndOpen()
{
    CLedProject created(QStringLiteral("KAVIO-FX"), 1, 2, 3);
    QVERIFY(created.isOpen);
    QCOMPARE(created.modelName, QStringLiteral("KAVIO-FX"));
    QCOMPARE(created.modelIndex, 1u);
    QCOMPARE(created.plcVendorIndex, 2u);
    QCOMPARE(created.plcModelIndex, 3u);
    QVERIFY(created.portName.startsWith(QLatin1String("COM")));

    CLedProject opening(QStringLiteral("/tmp/x.kavio"));
    QVERIFY(!opening.isOpen);
    QCOMPARE(opening.filePath, QStringLiteral("/tmp/x.kavio"));
}

void TestCLedProject::addPageLabels()
{
    CLedProject p;
    addPages(p, 3);
    QCOMPARE(labels(p), QStringLiteral("00,01,02"));
    QCOMPARE(p.currentPage, -1);
    addPages(p, 100);
    QCOMPARE(p.pageParamText(99), QStringLiteral("99"));
    QCOMPARE(p.pageParamText(100), QStringLiteral("100"));
    QCOMPARE(p.page(0)->totalDigits, 4u);
    QCOMPARE(p.page(0)->maxValue, 32767);
}

void TestCLedProject::copyPage()
{
    CLedProject p;
    addPages(p, 2);
    p.setPageAddress(0, 42);
    p.assignTLamp(0, 3);
    QCOMPARE(p.copyPage(5), -1);
    QCOMPARE(p.copyPage(0), 2);
    QCOMPARE(p.currentPage, 2);
    QCOMPARE(*p.page(2), *p.page(0));
    QCOMPARE(p.tLampOfPage(2), -1);
    QCOMPARE(p.tLampOfPage(0), 3);
}

void TestCLedProject::pageGettersOutOfRange()
{
    CLedProject p;
    addPages(p, 1);
    for (int i : {-1, 1}) {
        QCOMPARE(p.pageDescription(i), QString());
        QCOMPARE(p.pageRegType(i), QString());
        QCOMPARE(p.pageParamText(i), QString());
        QCOMPARE(p.pageStation(i), 0u);
        QCOMPARE(p.pageAddress(i), 0u);
        QCOMPARE(p.pageCountOfRegisters(i), 1u);
        QCOMPARE(p.pageTotalDigits(i), 5u);
        QCOMPARE(p.pageDecimals(i), 0u);
        QVERIFY(!p.pageSigned(i) && !p.pageLimited(i) && !p.pageSettable(i));
        QCOMPARE(p.pageMinValue(i), -32768);
        QCOMPARE(p.pageMaxValue(i), 32767);
        QCOMPARE(p.tLampOfPage(i), -1);
        p.setPageAddress(i, 9);
        p.setCurrentPage(i);
    }
    QCOMPARE(p.pageAddress(0), 0u);
    QCOMPARE(p.currentPage, -1);
}

void TestCLedProject::pageSettersNormalise()
{
    CLedProject p;
    addPages(p, 1);
    p.setPageParamText(0, QStringLiteral("a1"));
    p.setPageStation(0, 0x1FF);
    QCOMPARE(p.pageParamText(0), QStringLiteral("A1"));
    QCOMPARE(p.pageStation(0), 0xFFu);
}

void TestCLedProject::assignmentsMoveBetweenPages()
{
    CLedProject p;
    addPages(p, 3);
    p.assignTLamp(0, 3);
    p.assignTLamp(0, 5);
    QCOMPARE(p.pageOfTLamp(3), -1);
    QCOMPARE(p.pageOfTLamp(5), 0);
    QCOMPARE(p.options().text(CLedPanelOptions::TLampPageText),
             QStringLiteral("-1|-1|-1|-1|-1|0|-1|-1|-1|-1|-1|"));

    p.assignTLamp(1, 3);
    p.assignTLamp(2, 3); // taken over from page 1
    QCOMPARE(p.tLampOfPage(1), -1);
    QCOMPARE(p.tLampOfPage(2), 3);

    p.assignTLamp(2, 0);
    QCOMPARE(p.tLampOfPage(2), -1);
    QCOMPARE(p.pageOfTLamp(0), -1);
    QCOMPARE(p.pageOfTLamp(11), -1);

    p.assignFKey(1, 10);
    p.assignFLamp(1, 1);
    QCOMPARE(p.fKeyOfPage(1), 10);
    QCOMPARE(p.fLampOfPage(1), 1);
    QCOMPARE(p.options().text(CLedPanelOptions::FKeyPageText),
             QStringLiteral("-1|-1|-1|-1|-1|-1|-1|-1|-1|-1|1|"));

    p.assignTLamp(1, 11);
    p.assignTLamp(1, -1);
    QCOMPARE(p.tLampOfPage(1), -1);
}

void TestCLedProject::assignmentTextForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<qint32>>("expected");
    const QVector<qint32> unset(11, -1);
    QTest::newRow("empty") << QString() << unset;
    QTest::newRow("number, non-number, bar")
        << QStringLiteral("5|x|") << QVector<qint32>{5, 0, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("empty parts dropped")
        << QStringLiteral("||7||8") << QVector<qint32>{7, 8, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    QTest::newRow("extra parts ignored") << QStringLiteral("0|1|2|3|4|5|6|7|8|9|10|11|12|")
                                         << QVector<qint32>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void TestCLedProject::assignmentTextForm()
{
    QFETCH(QString, text);
    QFETCH(QVector<qint32>, expected);
    CLedAssignmentArray array;
    array.fromText(text);
    QCOMPARE(array.items(), expected);

    CLedAssignmentArray roundTrip;
    roundTrip.fromText(array.toText());
    QCOMPARE(roundTrip.items(), expected);
}

void TestCLedProject::assignmentRefusesMissingPage()
{
    CLedProject p;
    addPages(p, 2);
    p.assignTLamp(5, 1);
    p.assignFKey(-1, 2);
    QCOMPARE(p.pageOfTLamp(1), -1);
    QCOMPARE(p.pageOfFKey(2), -1);
    QCOMPARE(p.options().text(CLedPanelOptions::TLampPageText), QString());
}

void TestCLedProject::flicker()
{
    CLedProject p;
    QCOMPARE(p.tLampFlicker(4), -1); // never set counts as flickering
    p.setTLampFlicker(4, false);
    p.setFLampFlicker(2, true);
    p.setFLampFlicker(0, true);
    p.setFLampFlicker(11, true);
    QCOMPARE(p.tLampFlicker(4), 0);
    QCOMPARE(p.fLampFlicker(2), 1);
    QCOMPARE(p.fLampFlicker(0), 0);
    QCOMPARE(p.fLampFlicker(11), 0);
    QCOMPARE(p.options().text(CLedPanelOptions::FLampFlickerText),
             QStringLiteral("0|-1|1|-1|-1|-1|-1|-1|-1|-1|-1|"));
}

void TestCLedProject::pageOperations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("order");
    // Pages of T-lamps 1, 2, 3 and F-key 5, which start on pages 0, 1, 2, 3.
    QTest::addColumn<QVector<int>>("owners");

    const QString start = QStringLiteral("00,01,02,03");
    const QVector<int> unchanged{0, 1, 2, 3};
    QTest::newRow("up 2") << "up" << 2 << "00,02,01,03" << QVector<int>{0, 2, 1, 3};
    QTest::newRow("up 0") << "up" << 0 << start << unchanged;
    QTest::newRow("down 0") << "down" << 0 << "01,00,02,03" << QVector<int>{1, 0, 2, 3};
    QTest::newRow("down last") << "down" << 3 << start << unchanged;
    QTest::newRow("top 2") << "top" << 2 << "02,00,01,03" << QVector<int>{1, 2, 0, 3};
    QTest::newRow("top 3") << "top" << 3 << "03,00,01,02" << QVector<int>{1, 2, 3, 0};
    QTest::newRow("top 0") << "top" << 0 << start << unchanged;
    QTest::newRow("bottom 0") << "bottom" << 0 << "01,02,03,00" << QVector<int>{3, 0, 1, 2};
    QTest::newRow("bottom 1") << "bottom" << 1 << "00,02,03,01" << QVector<int>{0, 3, 1, 2};
    QTest::newRow("bottom last") << "bottom" << 3 << start << unchanged;
    QTest::newRow("remove 1") << "remove" << 1 << "00,02,03" << QVector<int>{0, -1, 1, 2};
    QTest::newRow("remove 0") << "remove" << 0 << "01,02,03" << QVector<int>{-1, 0, 1, 2};
    QTest::newRow("remove 5") << "remove" << 5 << start << unchanged;
}

void TestCLedProject::pageOperations()
{
    QFETCH(QString, operation);
    QFETCH(int, index);
    QFETCH(QString, order);
    QFETCH(QVector<int>, owners);

    CLedProject p;
    addPages(p, 4);
    p.assignTLamp(0, 1);
    p.assignTLamp(1, 2);
    p.assignTLamp(2, 3);
    p.assignFKey(3, 5);

    if (operation == QLatin1String("up"))
        p.movePageUp(index);
    else if (operation == QLatin1String("down"))
        p.movePageDown(index);
    else if (operation == QLatin1String("top"))
        p.movePageToTop(index);
    else if (operation == QLatin1String("bottom"))
        p.movePageToBottom(index);
    else
        p.removePage(index);

    QCOMPARE(labels(p), order);
    QCOMPARE((QVector<int>{p.pageOfTLamp(1), p.pageOfTLamp(2), p.pageOfTLamp(3), p.pageOfFKey(5)}),
             owners);
    // The stored text forms, which the file keeps, follow the arrays.
    for (int kind = CLedProject::TLampPage; kind <= CLedProject::FKeyPage; ++kind) {
        const auto option = CLedPanelOptions::Option(CLedPanelOptions::TLampPageText + kind);
        CLedAssignmentArray stored;
        stored.fromText(p.options().text(option));
        QCOMPARE(stored.items(), p.assignments(CLedProject::AssignmentKind(kind)).items());
    }
    if (operation == QLatin1String("remove") && index < 4)
        QCOMPARE(p.currentPage, qMax(index - 1, 0));
}

void TestCLedProject::removeFirstOfTwo()
{
    CLedProject p;
    addPages(p, 2);
    QCOMPARE(p.removePage(0), 0);
    QCOMPARE(p.currentPage, 0);
    QCOMPARE(p.removePage(0), -1);
    QCOMPARE(p.pageCount(), 0);
    QCOMPARE(p.currentPage, -1);
}

void TestCLedProject::optionNormalisation_data()
{
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<quint32>("reads");
    QTest::addColumn<QString>("storedAfter");

    using O = CLedPanelOptions;
    QTest::newRow("saver speed 0") << int(O::ScreenSaverSpeed) << "0" << 1u << "1";
    QTest::newRow("saver speed 1") << int(O::ScreenSaverSpeed) << "1" << 1u << "1";
    QTest::newRow("saver speed 3") << int(O::ScreenSaverSpeed) << "3" << 3u << "3";
    QTest::newRow("boot speed x") << int(O::BootTextSpeed) << "x" << 1u << "1";
    QTest::newRow("boot time 0") << int(O::BootTextTime) << "0" << 5u << "5";
    QTest::newRow("boot time 2") << int(O::BootTextTime) << "2" << 2u << "2";
    QTest::newRow("brightness empty") << int(O::DisplayBrightness) << "" << 4u << "4";
    QTest::newRow("dyn slide empty") << int(O::DynTextSlide) << "" << 0u << "0";
    QTest::newRow("dyn speed empty") << int(O::DynTextSpeed) << "" << 1u << "1";
    QTest::newRow("dyn speed 0") << int(O::DynTextSpeed) << "0" << 1u << "0";
    QTest::newRow("dyn rows empty") << int(O::DynTextRows) << "" << 0u << "0";
    QTest::newRow("nav empty") << int(O::NavLampsOff) << "" << 0u << "0";
    QTest::newRow("nav 1") << int(O::NavLampsOff) << "1" << 1u << "1";
}

void TestCLedProject::optionNormalisation()
{
    QFETCH(int, option);
    QFETCH(QString, stored);
    QFETCH(quint32, reads);
    QFETCH(QString, storedAfter);

    CLedPanelOptions o;
    const auto id = CLedPanelOptions::Option(option);
    o.setText(id, stored);
    quint32 value = 0;
    switch (id) {
    case CLedPanelOptions::ScreenSaverSpeed:
        value = o.screenSaverSpeed();
        break;
    case CLedPanelOptions::BootTextSpeed:
        value = o.bootTextSpeed();
        break;
    case CLedPanelOptions::BootTextTime:
        value = o.bootTextTime();
        break;
    case CLedPanelOptions::DisplayBrightness:
        value = o.displayBrightness();
        break;
    case CLedPanelOptions::DynTextSlide:
        value = o.dynTextSlide();
        break;
    case CLedPanelOptions::DynTextSpeed:
        value = o.dynTextSpeed();
        break;
    case CLedPanelOptions::DynTextRows:
        value = o.dynTextRows();
        break;
    case CLedPanelOptions::NavLampsOff:
        value = o.navLampsOff();
        break;
    default:
        QFAIL("option without a reader in this table");
    }
    QCOMPARE(value, reads);
    QCOMPARE(o.text(id), storedAfter);
}

void TestCLedProject::dynamicTextRows_data()
{
    QTest::addColumn<QString>("values");
    QTest::addColumn<QString>("contents");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("no values, no texts") << ""
                                         << "" << 1 << 2 << "-";
    QTest::newRow("padded past the stored values") << "7|8"
                                                   << "AB" << 2 << 3 << "-";
    QTest::newRow("closing bar reads as 0") << "7|8|"
                                            << "AB||" << 2 << 0 << "";
    QTest::newRow("stored row") << "7|8|"
                                << "AB||" << 0 << 7 << "AB";
    QTest::newRow("empty middle text") << "7|8|"
                                       << "AB||" << 1 << 8 << "";
    QTest::newRow("negative value") << "-5|"
                                    << "X|" << 0 << -5 << "X";
}

void TestCLedProject::dynamicTextRows()
{
    QFETCH(QString, values);
    QFETCH(QString, contents);
    QFETCH(int, row);
    QFETCH(int, value);
    QFETCH(QString, text);

    CLedProject p;
    p.options().setDynTextRows(3);
    p.options().setDynTextValues(values);
    p.options().setDynTextContents(contents);
    QCOMPARE(p.rowValue(row), value);
    QCOMPARE(p.rowText(row), text);
    QCOMPARE(p.options().dynTextValues(), values); // reading changes nothing
}

QTEST_GUILESS_MAIN(TestCLedProject)
#include "TestCLedProject.moc"
