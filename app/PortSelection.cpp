#include "app/PortSelection.h"

#include "app/SettingsFiles.h"
#include "serial/SerialTransport.h"

QString choosePortName(int cablePort, const QString& storedPort, const QList<SystemPort>& ports)
{
    if (cablePort >= 0)
        return QStringLiteral("COM%1").arg(cablePort);
    if (!storedPort.isEmpty()) {
        for (const SystemPort& port : ports) {
            if (port.name == storedPort)
                return storedPort;
        }
    }
    for (const SystemPort& port : ports) {
        if (!port.busy)
            return port.name;
    }
    return QStringLiteral("COM1");
}

QString currentPortName()
{
    return currentPortName(systemPorts());
}

QString currentPortName(const QList<SystemPort>& ports)
{
    // Without a bound transport library there is no cable to ask for (-1).
    return choosePortName(SerialTransport::instance().cablePort(), portSetting(), ports);
}
