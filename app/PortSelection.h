#pragma once

#include "serial/SystemPorts.h"

// The port a new project and the serial worker start with: the download
// cable's port when it is attached (cablePort >= 0), else the stored port when
// the system lists it, else the first port that is not busy, else "COM1".
QString choosePortName(int cablePort, const QString& storedPort, const QList<SystemPort>& ports);

// choosePortName() with this machine's cable, stored setting and port list.
QString currentPortName();
// The same with the system's port list read before.
QString currentPortName(const QList<SystemPort>& ports);
