#pragma once

#include <QList>
#include <QString>

// A serial port of this machine under its COM name (platform/ComPortNames.h).
struct SystemPort
{
    QString name; // "COM3"
    int number = -1;
    QString device; // what the transport opens for it
    bool busy = false;
};

// The machine's serial ports that have a COM number, in number order: the
// ports the system lists and the entries of the port folder.
QList<SystemPort> systemPorts();
