#include "../serial/EmulatorProcess.h"
#include "ProgramDir.h"
#include "app/MainWindow.h"
#include "app/ProcessValues.h"
#include "app/UserPrompt.h"
#include "project/CLedProject.h"
#include "serial/QSerialThread.h"
#include "serial/SerialSleep.h"
#include "serial/SerialTransport.h"

#include <QAction>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor kBlue(0, 0, 255);

struct LogRow
{
    QString time;
    QString text;
    QColor colour;
};

QVector<LogRow> logRows(QDialog& dialog)
{
    QVector<LogRow> rows;
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableWidget"));
    for (int row = 0; row < table->rowCount(); ++row)
        rows.append({table->item(row, 0)->text(), table->item(row, 1)->text(),
                     table->item(row, 1)->foreground().color()});
    return rows;
}

} // namespace

class TestDownloadGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void downloadThroughTheProgressDialog();
    void closingDuringTheTransfer_data();
    void closingDuringTheTransfer();

private:
    QAction* download() const
    {
        return m_window->findChild<QAction*>(QStringLiteral("action_compile_build"));
    }

    std::unique_ptr<ProgramDir> m_dir;
    std::unique_ptr<EmulatorProcess> m_emulator;
    std::unique_ptr<MainWindow> m_window;
};

void TestDownloadGui::initTestCase()
{
    SerialSleep::setScalePercent(1);
}

void TestDownloadGui::init()
{
    UserPrompt::clear();
    UserPrompt::setUnattended(true);
    m_dir = std::make_unique<ProgramDir>();
    const QString ports = m_dir->path(QStringLiteral("ports"));
    qputenv("ZTSERIAL_PORT_DIR", ports.toUtf8());
    m_emulator = std::make_unique<EmulatorProcess>(ports, m_dir->path(), 1);
    m_window = std::make_unique<MainWindow>();
    // The demo project is downloaded through COM1.
    QVERIFY(m_window->openProject(QStringLiteral(SEGMO_SOURCE_DIR "/examples/demo.kavio"), false));
}

void TestDownloadGui::cleanup()
{
    m_window.reset();
    m_emulator.reset();
    m_dir.reset();
    qunsetenv("ZTSERIAL_PORT_DIR");
}

void TestDownloadGui::downloadThroughTheProgressDialog()
{
    QVERIFY(m_emulator->start({}));
    QVector<LogRow> rows;
    bool downloadCameBack = false;
    UserPrompt::queueDialogAction([&](QDialog& dialog) {
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("mBtnDown"));
        button->click();
        downloadCameBack = QTest::qWaitFor([button] { return button->isEnabled(); }, 30000);
        rows = logRows(dialog);
        return int(QDialog::Accepted);
    });
    download()->trigger();
    QVERIFY(downloadCameBack);
    QByteArray expected = m_window->currentProject()->buildImage();
    QCOMPARE(m_emulator->savedImage(), expected);
    QVERIFY(rows.size() >= 4);
    for (const LogRow& row : rows)
        QVERIFY2(
            QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(row.time).hasMatch(),
            qPrintable(row.time));
    QCOMPARE(rows.first().text, QStringLiteral("DX-PANEL-9A"));
    QCOMPARE(rows.last().text, QString::fromUtf8("下载完成..."));
    QCOMPARE(rows.last().colour, kBlue);
    QCOMPARE(rows.first().colour, QColor(0, 0, 0));
    QVERIFY(download()->isEnabled());
    QVERIFY(UserPrompt::messages().isEmpty()); // a download reports no box on success
}

void TestDownloadGui::closingDuringTheTransfer_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps it running") << false;
    QTest::newRow("Yes ends it") << true;
}

void TestDownloadGui::closingDuringTheTransfer()
{
    QFETCH(bool, yes);
    QVERIFY(m_emulator->start({QStringLiteral("--delay"), QStringLiteral("40")}));
    bool keptOpen = false;
    QVector<LogRow> rows;
    UserPrompt::queueDialogAction([&](QDialog& dialog) {
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("mBtnDown"));
        button->click();
        QSerialThread* worker = m_window->serialWorker();
        if (!QTest::qWaitFor([worker] { return worker->isTransferring(); }, 30000))
            return int(QDialog::Rejected);
        UserPrompt::queueAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        dialog.close();
        keptOpen = dialog.isVisible() || !yes;
        if (!QTest::qWaitFor([button] { return button->isEnabled(); }, 60000))
            qWarning("no reply came");
        rows = logRows(dialog);
        return dialog.result();
    });
    download()->trigger();
    QCOMPARE(UserPrompt::messages().value(0),
             QString::fromUtf8("中断传输会造成数据错误，是否关闭？"));
    QVERIFY(!rows.isEmpty());
    if (yes) {
        QCOMPARE(rows.last().text, QString::fromUtf8("下载失败..."));
        QVERIFY2(UserPrompt::messages().last().contains(QLatin1String("0x8007")) ||
                     UserPrompt::messages().last().contains(QLatin1String("0x8001")) ||
                     UserPrompt::messages().last().contains(QLatin1String("0x8006")),
                 qPrintable(UserPrompt::messages().last()));
    } else {
        QVERIFY(keptOpen);
        QCOMPARE(rows.last().text, QString::fromUtf8("下载完成..."));
        QCOMPARE(m_emulator->savedImage(), m_window->currentProject()->buildImage());
    }
}

QTEST_MAIN(TestDownloadGui)
#include "TestDownloadGui.moc"
