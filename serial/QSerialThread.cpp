#include "serial/QSerialThread.h"

#include "app/ProcessValues.h"
#include "serial/DownloadJob.h"
#include "serial/PanelProtocol.h"
#include "serial/SerialSleep.h"
#include "serial/SerialTransport.h"

namespace {
constexpr int kOpenPauseMs = 100;
constexpr int kDefaultTimeoutMs = 500;
constexpr unsigned long kStopWaitMs = 1000;
} // namespace

QSerialThread::QSerialThread(SerialTransport& transport, QObject* parent)
    : QThread(parent), m_transport(transport)
{
    qRegisterMetaType<CSerialCommandBase*>("CSerialCommandBase*");
}

QSerialThread::~QSerialThread()
{
    if (isRunning())
        stop();
    if (isRunning()) {
        // A job still runs after stop's wait: destroying a running thread
        // would end the program, so break its exchanges off and let it end.
        cancelTransfer();
        wait();
    }
    discardQueue();
    closePort();
}

void QSerialThread::append(CSerialCommandBase* command)
{
    m_queue.append(command);
    m_queueSignal.wakeOne();
}

void QSerialThread::queueDownload(int address, const char* data, int length, const QString& text,
                                  bool force)
{
    QMutexLocker lock(&m_queueLock);
    auto* command = new CSerialCommandDownload;
    cancelRequested.store(false);
    command->address = address;
    command->length = length;
    command->data = QByteArray(data, data ? length : 0);
    command->owner = this;
    command->text = text;
    command->force = force;
    append(command);
}

void QSerialThread::queueReadType()
{
    QMutexLocker lock(&m_queueLock);
    auto* command = new CSerialCommandReadType;
    command->owner = this;
    append(command);
}

void QSerialThread::cancelTransfer()
{
    transferring.store(false);
    cancelRequested.store(true);
    closePort();
}

void QSerialThread::setPortName(const QString& name)
{
    QMutexLocker lock(&m_nameLock);
    m_portName = name;
}

QString QSerialThread::portName() const
{
    QMutexLocker lock(&m_nameLock);
    return m_portName;
}

void QSerialThread::setFirmwareDir(const QString& dir)
{
    QMutexLocker lock(&m_nameLock);
    m_firmwareDir = dir;
}

QString QSerialThread::firmwareDir() const
{
    QMutexLocker lock(&m_nameLock);
    return m_firmwareDir.isEmpty() ? programDir() + QStringLiteral("/Firm") : m_firmwareDir;
}

void QSerialThread::stop()
{
    {
        QMutexLocker lock(&m_queueLock);
        qDeleteAll(m_queue);
        m_queue.clear();
        append(nullptr);
    }
    wait(kStopWaitMs);
}

int QSerialThread::getUsbPort()
{
    return m_transport.cablePort();
}

bool QSerialThread::isPortOpen()
{
    return m_transport.isPortOpen();
}

void QSerialThread::closePort()
{
    if (m_transport.isPortOpen()) {
        m_transport.cancelIo();
        m_transport.closePort();
    }
}

bool QSerialThread::openPort()
{
    int number = getUsbPort();
    closePort();
    if (number != -1) {
        setPortName(QStringLiteral("COM%1").arg(number));
    } else {
        // "COM12" -> 12; a name without a number opens port 0.
        number = int(portName().remove(QStringLiteral("COM")).toUInt());
    }
    emit sendCmdUpdate(number);
    const bool opened = m_transport.openPort(number);
    if (opened)
        m_transport.setTimeout(kDefaultTimeoutMs, kDefaultTimeoutMs, kDefaultTimeoutMs,
                               kDefaultTimeoutMs, kDefaultTimeoutMs);
    SerialSleep::sleepMs(kOpenPauseMs);
    return opened;
}

CSerialCommandBase* QSerialThread::takeNext()
{
    QMutexLocker lock(&m_queueLock);
    while (m_queue.isEmpty()) {
        closePort();
        m_queueSignal.wait(&m_queueLock);
    }
    return m_queue.takeFirst();
}

void QSerialThread::discardQueue()
{
    QMutexLocker lock(&m_queueLock);
    const bool stopping = m_queue.contains(nullptr);
    qDeleteAll(m_queue);
    m_queue.clear();
    if (stopping)
        m_queue.append(nullptr); // the stop marker survives a failed command
}

uint QSerialThread::execute(CSerialCommandBase* command)
{
    if (command->kind == CSerialCommandBase::ReadType) {
        if (!openPort())
            return OpenFailed;
        PanelProtocol protocol(m_transport,
                               [this](const QString& line) { emit sendCmdSetLog(line); });
        return protocol.enquiry();
    }
    DownloadJob job(*this, *command);
    return job.downloadProject();
}

void QSerialThread::run()
{
    for (;;) {
        CSerialCommandBase* command = takeNext();
        if (!command) {
            closePort();
            return;
        }
        if (!isPortOpen() && !openPort()) {
            emit sendCmdReply(OpenFailed, command);
            continue;
        }
        const uint result = execute(command);
        if (result != Ok)
            discardQueue();
        closePort();
        emit sendCmdReply(result, command);
    }
}
