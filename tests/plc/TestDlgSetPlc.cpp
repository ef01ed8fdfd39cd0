#include "plc/CPlcManager.h"
#include "plc/DlgSetPlc.h"
#include "project/CLedManager.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Vendors with ids 0, 1 and 3; vendor 1's model 1 has no DefaultBaud.
const QByteArray kCatalog = R"(<Root>
  <Vendor Id="0" Name="甲|Alpha">
    <Model Id="0" Name="A0" DefaultBaud="19200" DataBits="7" StopBits="1" Parity="EVEN" ComType="RS422" DefStation="3"/>
  </Vendor>
  <Vendor Id="1" Name="乙|Beta">
    <Model Id="0" Name="B0" DefaultBaud="9600" DataBits="8" StopBits="2" Parity="ODD" ComType="RS485"/>
    <Model Id="1" Name="B1" DataBits="8"/>
  </Vendor>
  <Vendor Id="3" Name="丁|Delta"><Model Id="0" Name="D0"/></Vendor>
</Root>)";

QVector<quint32> indexes(const CLedLinkSettings& link)
{
    return {link.baudIndex, link.dataBitsIndex, link.stopBitsIndex, link.parityIndex,
            link.comTypeIndex};
}

} // namespace

class TestDlgSetPlc : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void vendorListBuiltById();
    void defaultsOfThePreselectedModel();
    void otherVendorSelectsItsFirstModel();
    void missingDefaultBaudStoresMinusOne();
    void closeLeavesTheRecord();
    void defaultButtonRestoresTheCatalogue();
    void panelModelPreselection_data();
    void panelModelPreselection();

private:
    template <typename T> static T* child(QDialog& dialog, const char* name)
    {
        return dialog.findChild<T*>(QLatin1String(name));
    }

    QTemporaryDir m_dir;
};

void TestDlgSetPlc::initTestCase()
{
    QFile file(m_dir.filePath(QStringLiteral("catalog.xml")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kCatalog);
    file.close();
    QVERIFY(CPlcManager::instance().load(file.fileName()));
    QVERIFY(CLedManager::instance().load(QStringLiteral(SEGMO_PROGRAM_DIR "/Model.ini")));
}

void TestDlgSetPlc::vendorListBuiltById()
{
    CLedLinkSettings link;
    DlgSetPlc dialog(nullptr, true, &link, QStringLiteral("DX-PANEL-9A"), 0, 0);
    QCOMPARE(child<QComboBox>(dialog, "mPlcType")->count(),
             2); // the vendor with id 3 is not reached
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("新建工程"));
}

void TestDlgSetPlc::defaultsOfThePreselectedModel()
{
    CLedLinkSettings link;
    link.baudIndex = 7;
    link.station = 9;
    DlgSetPlc dialog(nullptr, false, &link, QStringLiteral("KAVIO-FX"), 0, 0);
    QCOMPARE(dialog.windowTitle(), QString::fromUtf8("编辑工程"));
    QCOMPARE(child<QComboBox>(dialog, "mPlcBaud")->currentText(), QStringLiteral("19200"));
    QCOMPARE(child<QComboBox>(dialog, "mPlcVerifyBit")->currentIndex(), 1);
    QCOMPARE(link.baudIndex, 7u); // nothing written before OK
    child<QPushButton>(dialog, "btnOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(indexes(link), (QVector<quint32>{4, 2, 0, 1, 1}));
    QCOMPARE(link.station, 3u);
    QCOMPARE(dialog.hardType(), QStringLiteral("KAVIO-FX"));
}

void TestDlgSetPlc::otherVendorSelectsItsFirstModel()
{
    CLedLinkSettings link;
    DlgSetPlc dialog(nullptr, true, &link, QString(), 0, 0);
    child<QComboBox>(dialog, "mPlcType")->setCurrentIndex(1);
    QCOMPARE(child<QComboBox>(dialog, "mPlcModel")->currentText(), QStringLiteral("B0"));
    QCOMPARE(child<QComboBox>(dialog, "mPlcStopBit")->currentText(), QStringLiteral("2"));
    child<QPushButton>(dialog, "btnOK")->click();
    QCOMPARE(dialog.plcType(), 1);
    QCOMPARE(dialog.plcModel(), 0);
    QCOMPARE(indexes(link), (QVector<quint32>{3, 3, 2, 2, 2}));
}

void TestDlgSetPlc::missingDefaultBaudStoresMinusOne()
{
    CLedLinkSettings link;
    DlgSetPlc dialog(nullptr, true, &link, QString(), 1, 1);
    QCOMPARE(child<QComboBox>(dialog, "mPlcBaud")->currentIndex(), -1);
    child<QPushButton>(dialog, "btnOK")->click();
    QCOMPARE(link.baudIndex, 0xFFFFFFFFu);
}

void TestDlgSetPlc::closeLeavesTheRecord()
{
    CLedLinkSettings link;
    link.baudIndex = 6;
    link.linkList = QStringList{QStringLiteral("kept")};
    const CLedLinkSettings before = link;
    DlgSetPlc dialog(nullptr, false, &link, QStringLiteral("DX-PANEL-9A"), 1, 0);
    child<QComboBox>(dialog, "mPlcBaud")->setCurrentIndex(0);
    child<QPushButton>(dialog, "btnClose")->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(link, before);
}

void TestDlgSetPlc::defaultButtonRestoresTheCatalogue()
{
    CLedLinkSettings link;
    DlgSetPlc dialog(nullptr, true, &link, QString(), 1, 0);
    child<QComboBox>(dialog, "mPlcBaud")->setCurrentIndex(0);
    child<QComboBox>(dialog, "mPlcRSType")->setCurrentIndex(0);
    child<QPushButton>(dialog, "btnDefault")->click();
    QCOMPARE(child<QComboBox>(dialog, "mPlcBaud")->currentText(), QStringLiteral("9600"));
    QCOMPARE(child<QComboBox>(dialog, "mPlcRSType")->currentText(), QStringLiteral("RS485"));
}

void TestDlgSetPlc::panelModelPreselection_data()
{
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("shown");
    QTest::newRow("listed") << "DX-PANEL-9A"
                            << "DX-PANEL-9A";
    QTest::newRow("case differs") << "dx-panel-9a"
                                  << "KAVIO-FX";
    QTest::newRow("unknown") << "OLD-PANEL"
                             << "KAVIO-FX";
}

void TestDlgSetPlc::panelModelPreselection()
{
    QFETCH(QString, asked);
    QFETCH(QString, shown);
    CLedLinkSettings link;
    DlgSetPlc dialog(nullptr, true, &link, asked, 0, 0);
    QCOMPARE(child<QComboBox>(dialog, "mHardType")->currentText(), shown);
}

QTEST_MAIN(TestDlgSetPlc)
#include "TestDlgSetPlc.moc"
