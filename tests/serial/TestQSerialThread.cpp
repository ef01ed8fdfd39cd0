#include "FakeSerialApi.h"
#include "WorkerProbe.h"
#include "serial/SerialResult.h"
#include "serial/SerialSleep.h"

#include <QtTest>

class TestQSerialThread : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void everyCommandAnsweredWhenPortFails();
    void failedCommandDiscardsTheQueue();
    void cableWinsOverPortName();
    void portNameWithoutDigitsOpensPortZero();
    void cancelFlagClearedByNextDownload();
    void emptyDownloadIsRefused();
    void stopEndsAnIdleWorker();

private:
    SerialTransport m_transport;
};

void TestQSerialThread::initTestCase()
{
    QVERIFY(m_transport.bind(FakeSerialApi::api()));
    SerialSleep::setScalePercent(0);
}

void TestQSerialThread::init()
{
    FakeSerialApi::reset();
}

void TestQSerialThread::everyCommandAnsweredWhenPortFails()
{
    FakeSerialApi::state().openSucceeds = false;
    QSerialThread worker(m_transport);
    WorkerProbe probe(worker);
    worker.queueReadType();
    worker.queueReadType();
    worker.start();
    QTRY_COMPARE(probe.replies.size(), 2);
    QTest::qWait(50);
    QCOMPARE(probe.replies.size(), 2);
    QCOMPARE(probe.replies.at(0).code, uint(OpenFailed));
    QCOMPARE(probe.replies.at(1).code, uint(OpenFailed));
    QVERIFY(FakeSerialApi::state().written.isEmpty());
}

void TestQSerialThread::failedCommandDiscardsTheQueue()
{
    QSerialThread worker(m_transport);
    WorkerProbe probe(worker);
    const QByteArray image(41, 'x');
    worker.queueDownload(0, image.constData(), image.size(), QStringLiteral("DX"), false);
    worker.queueReadType();
    worker.start();
    QTRY_COMPARE(probe.replies.size(), 1);
    QCOMPARE(probe.replies.at(0).code, uint(NoResponse)); // the enquiry got no answer
    QCOMPARE(probe.replies.at(0).kind, int(CSerialCommandBase::Download));
    QCOMPARE(probe.logsIn(QColor(0, 0, 255)), QStringList{QString::fromUtf8("下载失败...")});
    // The connection test queued behind it is deleted without a reply; the
    // next one, answered, succeeds.
    {
        QMutexLocker lock(&FakeSerialApi::state().lock);
        FakeSerialApi::state().replies = {QByteArray(1, 0x06)};
    }
    worker.queueReadType();
    QTRY_COMPARE(probe.replies.size(), 2);
    QCOMPARE(probe.replies.at(1).code, uint(Ok));
    QCOMPARE(probe.replies.at(1).kind, int(CSerialCommandBase::ReadType));
}

void TestQSerialThread::cableWinsOverPortName()
{
    FakeSerialApi::state().cablePort = 5;
    FakeSerialApi::state().replies = {QByteArray(1, 0x06)};
    QSerialThread worker(m_transport);
    WorkerProbe probe(worker);
    worker.setPortName(QStringLiteral("COM3"));
    worker.start();
    worker.queueReadType();
    QTRY_COMPARE(probe.replies.size(), 1);
    QCOMPARE(probe.replies.at(0).code, uint(Ok));
    QCOMPARE(worker.portName(), QStringLiteral("COM5"));
    QVERIFY(!probe.ports.isEmpty());
    QCOMPARE(probe.ports.first(), 5);
    QVERIFY(!FakeSerialApi::state().openedPorts.contains(3));
    QCOMPARE(FakeSerialApi::state().timeouts.first(), (QVector<int>{500, 500, 500, 500, 500}));
}

void TestQSerialThread::portNameWithoutDigitsOpensPortZero()
{
    FakeSerialApi::state().openSucceeds = false;
    QSerialThread worker(m_transport);
    WorkerProbe probe(worker);
    worker.setPortName(QStringLiteral("SERIAL"));
    worker.start();
    worker.queueReadType();
    QTRY_COMPARE(probe.replies.size(), 1);
    QCOMPARE(FakeSerialApi::state().openedPorts, QList<int>{0});
    QCOMPARE(probe.ports, QVector<int>{0});
}

void TestQSerialThread::cancelFlagClearedByNextDownload()
{
    FakeSerialApi::state().openSucceeds = false;
    QSerialThread worker(m_transport);
    WorkerProbe probe(worker);
    worker.cancelTransfer();
    QVERIFY(worker.cancelRequested.load());
    QVERIFY(!worker.isTransferring());
    worker.queueReadType();
    QVERIFY(worker.cancelRequested.load());
    const QByteArray image(3, 'x');
    worker.queueDownload(0, image.constData(), image.size(), QString(), false);
    QVERIFY(!worker.cancelRequested.load());
}

void TestQSerialThread::emptyDownloadIsRefused()
{
    QSerialThread worker(m_transport);
    WorkerProbe probe(worker);
    worker.start();
    worker.queueDownload(0, nullptr, 0, QStringLiteral("DX"), false);
    QTRY_COMPARE(probe.replies.size(), 1);
    QCOMPARE(probe.replies.at(0).code, uint(BadParameter));
    QVERIFY(FakeSerialApi::state().written.isEmpty());
    QCOMPARE(FakeSerialApi::state().openedPorts.size(), 1); // the worker's own open only
    QCOMPARE(probe.logs.value(0), QStringLiteral("DX"));
    QCOMPARE(probe.logsIn(QColor(0, 0, 255)), QStringList{QString::fromUtf8("下载失败...")});
}

void TestQSerialThread::stopEndsAnIdleWorker()
{
    auto* worker = new QSerialThread(m_transport);
    worker->start();
    QTRY_VERIFY(worker->isRunning());
    worker->stop();
    QVERIFY(worker->isFinished());
    delete worker;
}

QTEST_GUILESS_MAIN(TestQSerialThread)
#include "TestQSerialThread.moc"
