#include "serial/CSerialCommandBase.h"

#include <QCoreApplication>

QString CSerialCommandBase::displayName() const
{
    switch (kind) {
    case Handshake:
        return QCoreApplication::translate("CSerialCommandBase", "握手");
    case Read:
        return QCoreApplication::translate("CSerialCommandBase", "读取");
    case Write:
        return QCoreApplication::translate("CSerialCommandBase", "写入");
    case ReadType:
        return QCoreApplication::translate("CSerialCommandBase", "获取机型");
    default:
        return QString();
    }
}
