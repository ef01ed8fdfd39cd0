#pragma once

#include "serial/CSerialCommandBase.h"

#include <QColor>
#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <atomic>

class SerialTransport;

// The one serial worker: runs queued commands one after another and reports
// progress, log lines and exactly one final reply per command through queued
// signals. Also holds the panel port's name and opens and closes the port.
class QSerialThread : public QThread
{
    Q_OBJECT

public:
    explicit QSerialThread(SerialTransport& transport, QObject* parent = nullptr);
    ~QSerialThread() override;

    // GUI side: none of these waits for the serial line.
    void queueDownload(int address, const char* data, int length, const QString& text, bool force);
    void queueReadType();
    void cancelTransfer();
    void setPortName(const QString& name);
    QString portName() const;
    bool isTransferring() const { return transferring.load(); }
    // Discards the queue, ends the worker and waits for it (at most 1000 ms).
    void stop();

    // Where the firmware files lie; <programDir>/Firm unless set.
    void setFirmwareDir(const QString& dir);
    QString firmwareDir() const;

    // Port operations, from the worker and for the GUI's trial open.
    int getUsbPort();
    bool isPortOpen();
    void closePort();
    bool openPort();

    SerialTransport& transport() { return m_transport; }

    std::atomic<bool> cancelRequested{false};
    std::atomic<bool> transferring{false};

signals:
    void sendCmdReply(uint nRet, CSerialCommandBase* pCmd);
    void sendCmdProgress(uint nTotal, uint nWritten, CSerialCommandBase* pCmd);
    void sendCmdInit(uint nTotal);
    void sendCmdUpdate(int nPort);
    void sendCmdSetTitle(const QString& strTitle);
    void sendCmdSetText1(const QString& strText);
    void sendCmdSetLog(const QString& strLog, const QColor& clr = QColor(0, 0, 0));

protected:
    void run() override;

private:
    void append(CSerialCommandBase* command);
    // Takes the next entry, waiting for one; nullptr is the stop marker.
    CSerialCommandBase* takeNext();
    uint execute(CSerialCommandBase* command);
    void discardQueue();

    SerialTransport& m_transport;
    QList<CSerialCommandBase*> m_queue;
    QMutex m_queueLock;
    QWaitCondition m_queueSignal;
    mutable QMutex m_nameLock;
    QString m_portName = QStringLiteral("COM8");
    QString m_firmwareDir;
};
