#pragma once

#include "serial/PanelProtocol.h"

#include <QByteArray>
#include <functional>

class CSerialCommandBase;
class QSerialThread;

// The project download job of the serial worker: brings the panel's firmware
// up to date from the firmware folder, then writes the project image in
// 20-byte blocks and has the panel save it.
class DownloadJob
{
public:
    static constexpr int kBlockSize = 20;

    DownloadJob(QSerialThread& worker, CSerialCommandBase& command);

    uint downloadProject();
    uint updateFirmwareIfNeeded();

    // Whether the firmware file should be written to the panel: its flag and
    // model agree with the panel's and the versions differ, or force is set.
    // Needs six bytes of both; logs the comparison.
    static bool firmwareNeedsUpdate(const QByteArray& reply, const QByteArray& file, bool force,
                                    const std::function<void(const QString&)>& log);

    // The firmware file for a panel model: <dir>/<model as five digits>.xbin.
    static QString firmwareFileName(const QString& dir, int model);

private:
    using BlockWriter = uint (PanelProtocol::*)(quint32, const char*, int);

    uint blockTransfer(const QByteArray& bytes, BlockWriter write);
    uint downloadSteps();
    bool reopenPort(int pauseMs);
    // Reads the firmware file; empty when it is missing, unreadable or empty.
    QByteArray readFirmware() const;
    uint sendFirmware(const QByteArray& firmware);
    void log(const QString& line);
    void setTimeouts(int read, int write);

    QSerialThread& m_worker;
    CSerialCommandBase& m_command;
    PanelProtocol m_protocol;
};
