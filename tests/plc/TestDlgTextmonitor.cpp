#include "app/UserPrompt.h"
#include "plc/CPlcManager.h"
#include "plc/DlgTextmonitor.h"
#include "project/CLedProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestDlgTextmonitor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void textFieldsUpperCaseAndFilter();
    void rangeLabels();
    void emptySaverTextRefused();
    void okWritesEverything();
    void sixDigitModeHidesTheLeftField();
    void missingModelKeepsTheProject();
    void cancelWritesNothing();

private:
    template <typename T> T* child(QDialog& d, const char* name)
    {
        return d.findChild<T*>(QLatin1String(name));
    }
    void ok(QDialog& d) { child<QPushButton>(d, "mBtnOK")->click(); }

    std::unique_ptr<CLedProject> m_project;
    QTemporaryDir m_dir;
};

void TestDlgTextmonitor::initTestCase()
{
    QVERIFY(CPlcManager::instance().load(QStringLiteral(SEGMO_PROGRAM_DIR "/ZtFactory.dll")));
    QDir::setCurrent(m_dir.path());
}

void TestDlgTextmonitor::init()
{
    UserPrompt::clear();
    UserPrompt::setUnattended(true);
    m_project = std::make_unique<CLedProject>(); // vendor 0, model 0: Mitsubishi FX with M and D
    m_project->isOpen = true;
}

void TestDlgTextmonitor::textFieldsUpperCaseAndFilter()
{
    DlgTextmonitor dialog(nullptr, m_project.get());
    for (const char* name : {"mShowText", "mBootText"}) {
        QLineEdit* text = child<QLineEdit>(dialog, name);
        text->clear();
        QTest::keyClicks(text, QStringLiteral("ab gk-1"));
        QCOMPARE(text->text(), QStringLiteral("AB -1"));
    }
}

void TestDlgTextmonitor::rangeLabels()
{
    DlgTextmonitor dialog(nullptr, m_project.get());
    child<QSpinBox>(dialog, "mValPress")->setValue(100);
    QCOMPARE(child<QLabel>(dialog, "label_3")->text(), QString::fromUtf8("范围:M100-M111"));
    const QString tLamps = child<QLabel>(dialog, "label_9")->text();
    QVERIFY2(tLamps.contains(QString::fromUtf8("M28为时钟点")) &&
                 tLamps.contains(QString::fromUtf8("M29为T9灯")) &&
                 tLamps.contains(QString::fromUtf8("M30为T10灯")),
             qPrintable(tLamps));
}

void TestDlgTextmonitor::emptySaverTextRefused()
{
    DlgTextmonitor dialog(nullptr, m_project.get());
    child<QRadioButton>(dialog, "radioBkText")->click();
    child<QLineEdit>(dialog, "mShowText")->clear();
    child<QLineEdit>(dialog, "lineEdit_password")->setText(QStringLiteral("1111"));
    ok(dialog);
    QCOMPARE(UserPrompt::messages().last(), QString::fromUtf8("屏保显示文本串不能为空！"));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_project->password, 6085u); // nothing written
}

void TestDlgTextmonitor::okWritesEverything()
{
    DlgTextmonitor dialog(nullptr, m_project.get());
    child<QLineEdit>(dialog, "lineEdit_password")->clear();
    child<QRadioButton>(dialog, "radioBkText")->click();
    child<QLineEdit>(dialog, "mShowText")->clear();
    QTest::keyClicks(child<QLineEdit>(dialog, "mShowText"), QStringLiteral("hello"));
    child<QSpinBox>(dialog, "mStation")->setValue(7);
    child<QSpinBox>(dialog, "mValAlarm")->setValue(500);
    child<QCheckBox>(dialog, "mCheckBuzzer")->click();
    child<QCheckBox>(dialog, "mCheckBootText")->click();
    child<QComboBox>(dialog, "mBootTime")->setCurrentText(QStringLiteral("30"));
    ok(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const CLedProject& p = *m_project;
    QCOMPARE(p.password, 0u); // an empty password field stores 0
    QCOMPARE(p.screenSaverMode, 2u);
    QCOMPARE(p.alarmRegister.address, 500u);
    QCOMPARE(p.alarmRegister.station, 7u);
    QCOMPARE(p.keyRegister.station, 7u);
    QVERIFY(!p.useBuzzer);
    QCOMPARE(m_project->options().bootTextEnabled(), 1u);
    QCOMPARE(m_project->options().bootTextTime(), 30u);
    QCOMPARE(m_project->options().screenSaverText(), QStringLiteral("HELL")); // no O on the panel
}

void TestDlgTextmonitor::sixDigitModeHidesTheLeftField()
{
    DlgTextmonitor dialog(nullptr, m_project.get());
    dialog.show();
    QVERIFY(child<QCheckBox>(dialog, "mCheckCustomLeft")->isChecked());
    child<QCheckBox>(dialog, "mCheckUseSix")->click();
    QVERIFY(!child<QCheckBox>(dialog, "mCheckCustomLeft")->isChecked());
    QVERIFY(!child<QSpinBox>(dialog, "mValCustomLeft")->isVisible());
    QCOMPARE(child<QSpinBox>(dialog, "mPointCustomRight")->maximum(), 4);
    ok(dialog);
    QVERIFY(!m_project->useCustomLeft);
    QCOMPARE(m_project->options().sixDigitMode(), 1);
}

void TestDlgTextmonitor::missingModelKeepsTheProject()
{
    m_project->plcVendorIndex = 42;
    m_project->keyRegister = CLedRegister::of(QStringLiteral("X"), 17);
    m_project->password = 4321;
    DlgTextmonitor dialog(nullptr, m_project.get());
    QCOMPARE(child<QComboBox>(dialog, "mNamePress")->currentText(), QStringLiteral("X"));
    ok(dialog);
    QCOMPARE(m_project->keyRegister.type, QStringLiteral("X"));
    QCOMPARE(m_project->keyRegister.address, 17u);
    QCOMPARE(m_project->password, 4321u);
    QCOMPARE(m_project->alarmRegister.type, QStringLiteral("D"));
}

void TestDlgTextmonitor::cancelWritesNothing()
{
    DlgTextmonitor dialog(nullptr, m_project.get());
    child<QLineEdit>(dialog, "lineEdit_password")->setText(QStringLiteral("1"));
    child<QPushButton>(dialog, "mBtnCancel")->click();
    QCOMPARE(m_project->password, 6085u);
}

QTEST_MAIN(TestDlgTextmonitor)
#include "TestDlgTextmonitor.moc"
