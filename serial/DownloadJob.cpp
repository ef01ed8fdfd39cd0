#include "serial/DownloadJob.h"

#include "project/Crc16Modbus.h"
#include "serial/CSerialCommandBase.h"
#include "serial/PanelFrame.h"
#include "serial/QSerialThread.h"
#include "serial/SerialSleep.h"
#include "serial/SerialTransport.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

namespace {

constexpr int kLongOperationMs = 120000;
constexpr int kWriteTimeoutMs = 2000;
constexpr int kReopenAttempts = 5;
constexpr int kHeadSize = 6;

QString tr(const char* text)
{
    return QCoreApplication::translate("DownloadJob", text);
}

} // namespace

DownloadJob::DownloadJob(QSerialThread& worker, CSerialCommandBase& command)
    : m_worker(worker), m_command(command),
      m_protocol(worker.transport(), [this](const QString& line) { log(line); })
{}

void DownloadJob::log(const QString& line)
{
    emit m_worker.sendCmdSetLog(line, QColor(0, 0, 0));
}

void DownloadJob::setTimeouts(int read, int write)
{
    m_worker.transport().setTimeout(read, read, read, write, write);
}

QString DownloadJob::firmwareFileName(const QString& dir, int model)
{
    return QStringLiteral("%1/%2.xbin").arg(dir).arg(model, 5, 10, QLatin1Char('0'));
}

uint DownloadJob::downloadProject()
{
    log(m_command.text);
    log(tr("正在初始化[下载工程]任务..."));
    emit m_worker.sendCmdSetTitle(tr("更新固件"));
    emit m_worker.sendCmdSetText1(tr("在更新固件时,请勿断电或拔掉下载线！"));
    SerialSleep::sleepMs(100);

    const uint result = downloadSteps();
    m_worker.transport().clearAllBuffer();
    m_worker.closePort();
    emit m_worker.sendCmdSetLog(result == Ok ? tr("下载完成...") : tr("下载失败..."),
                                QColor(0, 0, 255));
    m_worker.transferring.store(false);
    return result;
}

uint DownloadJob::downloadSteps()
{
    if (m_command.data.isEmpty() || m_command.length == 0)
        return BadParameter;
    if (!m_worker.openPort())
        return OpenFailed;
    if (const uint result = m_protocol.enquiry(); result != Ok)
        return result;
    if (const uint result = updateFirmwareIfNeeded(); result != Ok)
        return result;

    m_worker.closePort();
    emit m_worker.sendCmdSetTitle(tr("下载工程"));
    emit m_worker.sendCmdSetText1(tr("在下载工程时,请勿断电或拔掉下载线！"));
    log(tr("正在下载工程..."));
    if (!reopenPort(600))
        return OpenFailed;
    if (const uint result = blockTransfer(m_command.data, &PanelProtocol::writeProjectBlock);
        result != Ok)
        return result;

    m_worker.transport().setTimeout(kLongOperationMs, kLongOperationMs, kLongOperationMs,
                                    kWriteTimeoutMs, kWriteTimeoutMs);
    if (const uint result = m_protocol.saveProject(); result != Ok) {
        qDebug() << "[Tavro] downloading failed!";
        return result;
    }
    log(tr("数据保存完毕..."));
    return Ok;
}

bool DownloadJob::reopenPort(int pauseMs)
{
    for (int attempt = 0; attempt < kReopenAttempts; ++attempt) {
        SerialSleep::sleepMs(pauseMs);
        if (m_worker.openPort())
            return true;
    }
    return false;
}

QByteArray DownloadJob::readFirmware() const
{
    QFile file(firmwareFileName(m_worker.firmwareDir(), m_command.model));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

uint DownloadJob::updateFirmwareIfNeeded()
{
    if (!m_worker.openPort())
        return OpenFailed;
    setTimeouts(200, kWriteTimeoutMs);
    if (m_protocol.hardwareQuery(m_command) != Ok)
        return Ok; // no firmware check without the panel's answer
    const QByteArray firmware = readFirmware();
    if (firmware.isEmpty())
        return Ok;
    qDebug() << "recv data: " << m_command.reply.toHex();
    if (!firmwareNeedsUpdate(m_command.reply, firmware, m_command.force,
                             [this](const QString& line) { log(line); }))
        return Ok;
    if (m_worker.transport().isWindowsXp()) {
        emit m_worker.sendCmdSetLog(tr("当前固件需要升级,但不支持当前的WinXP..."),
                                    QColor(255, 0, 0));
        emit m_worker.sendCmdSetLog(tr("请使用Win7以上系统升级固件..."), QColor(255, 0, 0));
        return Ok;
    }
    return sendFirmware(firmware);
}

uint DownloadJob::sendFirmware(const QByteArray& firmware)
{
    setTimeouts(kLongOperationMs, kWriteTimeoutMs);
    if (const uint result = m_protocol.enterUpdateMode(m_command); result != Ok)
        return result;
    setTimeouts(500, kWriteTimeoutMs);
    m_worker.closePort();
    SerialSleep::sleepMs(5000); // the panel restarts into its update mode
    if (!reopenPort(300))
        return OpenFailed;

    setTimeouts(4000, kWriteTimeoutMs);
    const quint16 crc = crc16Modbus(firmware);
    uint result = blockTransfer(firmware, &PanelProtocol::writeFirmwareBlock);
    if (result == Ok) {
        setTimeouts(kLongOperationMs, kWriteTimeoutMs);
        result = m_protocol.verifyFirmware(crc);
        if (result != Ok)
            qDebug() << "[Tavro] firm downloading failed!";
        m_worker.closePort();
        SerialSleep::sleepMs(300);
    }
    m_worker.transferring.store(false);
    m_worker.closePort();
    SerialSleep::sleepMs(800);
    return result;
}

uint DownloadJob::blockTransfer(const QByteArray& bytes, BlockWriter write)
{
    const uint total = uint(bytes.size());
    emit m_worker.sendCmdInit(total);
    m_worker.transferring.store(true);
    uint sent = 0;
    while (sent < total) {
        if (m_worker.cancelRequested.load()) {
            emit m_worker.sendCmdProgress(0, 0, &m_command);
            m_worker.transferring.store(false);
            return Cancelled;
        }
        const int count = int(qMin<uint>(kBlockSize, total - sent));
        const quint32 offset = quint32(m_command.address) + sent;
        if (const uint result = (m_protocol.*write)(offset, bytes.constData() + sent, count);
            result != Ok)
            return result;
        sent += uint(count);
        emit m_worker.sendCmdProgress(total, sent, &m_command);
    }
    return Ok;
}

bool DownloadJob::firmwareNeedsUpdate(const QByteArray& reply, const QByteArray& file, bool force,
                                      const std::function<void(const QString&)>& log)
{
    if (reply.size() < kHeadSize || file.size() < kHeadSize)
        return false;
    const quint16 panelFlag = PanelFrame::bigEndian16(reply, 0);
    const quint16 fileFlag = PanelFrame::bigEndian16(file, 0);
    const quint16 panelModel = PanelFrame::bigEndian16(reply, 2);
    const quint16 fileModel = PanelFrame::bigEndian16(file, 2);
    const quint16 panelVersion = PanelFrame::bigEndian16(reply, 4);
    const quint16 fileVersion = PanelFrame::bigEndian16(file, 4);
    auto hex4 = [](quint16 v) { return QString::fromLatin1(PanelFrame::hexDigits(v, 4)); };
    log(tr("[N/O] 标志:%1-%2 | 型号:%3-%4 | 版本:%5-%6")
            .arg(hex4(panelFlag), hex4(fileFlag))
            .arg(panelModel)
            .arg(fileModel)
            .arg(panelVersion)
            .arg(fileVersion));
    if (force) {
        log(tr("按下CTRL,将强制更新..."));
        return true;
    }
    return panelFlag == fileFlag && panelModel == fileModel && panelVersion != fileVersion;
}
