#include "app/PortSelection.h"

#include "app/SettingsFiles.h"

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
    // Asking the transport for the download cable comes with the main window (issue #4).
    const int cablePort = -1;
    return choosePortName(cablePort, portSetting(), systemPorts());
}
