#include "serial/SystemPorts.h"

#include "platform/ComPortNames.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

namespace {

bool hasNumber(const QList<SystemPort>& ports, int number)
{
    return std::any_of(ports.begin(), ports.end(),
                       [number](const SystemPort& p) { return p.number == number; });
}

} // namespace

QList<SystemPort> systemPorts()
{
    QList<SystemPort> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        const int number = ComPortNames::comNumber(info.systemLocation().toStdString());
        if (number < 0 || hasNumber(ports, number))
            continue;
        ports.append(
            {QStringLiteral("COM%1").arg(number), number, info.systemLocation(), info.isBusy()});
    }
    for (const ComPortNames::PortEntry& entry : ComPortNames::folderPorts()) {
        if (hasNumber(ports, entry.number))
            continue;
        // A folder entry that points at a listed device shares its busy state.
        const QString target = QFileInfo(QString::fromStdString(entry.device)).canonicalFilePath();
        bool busy = false;
        for (const QSerialPortInfo& info : infos) {
            if (QFileInfo(info.systemLocation()).canonicalFilePath() == target)
                busy = info.isBusy();
        }
        ports.append({QStringLiteral("COM%1").arg(entry.number), entry.number,
                      QString::fromStdString(entry.device), busy});
    }
    std::sort(ports.begin(), ports.end(),
              [](const SystemPort& a, const SystemPort& b) { return a.number < b.number; });
    return ports;
}
