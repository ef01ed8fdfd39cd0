#pragma once

#include "project/CLedProjectFile.h"

#include <QDataStream>
#include <QIODevice>
#include <QStringList>
#include <optional>

// Writes a project file field by field, independently of the program's
// writer, so that tests can state the layout and make files the program
// would never write (other versions, lying counts, two useCustomRight values).
// The defaults are the fields of a new project object.
struct HandMadeProjectFile
{
    QString banner = CLedProjectFile::kBanner;
    QString version = QStringLiteral("V1.0.0.0");
    QString modelName = QStringLiteral("0");
    std::optional<QString> portName = QStringLiteral("COM1"); // nullopt: 0xFFFFFFFF
    bool useCustomRightFirst = true;
    bool useCustomRightSecond = true;
    quint32 announcedPages = 0;
    int writtenPages = 0;
    QStringList panelOptions =
        QStringList{QStringLiteral("0"), QString(),           QStringLiteral("4"),
                    QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"),
                    QString(),           QString(),           QStringLiteral("1"),
                    QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"),
                    QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("-"),
                    QString(),           QString(),           QString(),
                    QString(),           QString(),           QString()};

    QByteArray bytes() const
    {
        QByteArray data;
        QDataStream out(&data, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::BigEndian);
        auto text = [&out](const QString& s) {
            out << quint32(s.size() * 2);
            for (QChar c : s)
                out << quint16(c.unicode());
        };
        auto reg = [&](const char* type, quint32 address) {
            out << quint32(0) << quint32(0) << quint32(1) << quint32(0);
            text(QString::fromLatin1(type));
            out << address << quint32(0) << quint32(0) << quint32(1);
        };
        text(banner);
        text(version);
        out << quint32(0) << quint32(0); // PLC vendor and model
        text(modelName);
        if (portName)
            text(*portName);
        else
            out << quint32(0xFFFFFFFF);
        text(QString()); // file path
        out << quint32(0) << quint32(0) << quint32(0) << quint32(0) << quint32(0) << quint32(0)
            << quint32(0); // link, empty list
        out << quint32(6085) << quint32(3) << quint32(0) << qint32(4);
        for (bool flag : {true, true, true, true, true, useCustomRightFirst})
            out << quint8(flag);
        reg("M", 0);
        reg("M", 10);
        reg("M", 20);
        reg("D", 2);
        reg("D", 0);
        reg("D", 1);
        reg("M", 30);
        out << quint8(useCustomRightSecond);
        for (int i = 0; i < 5; ++i)
            out << quint8(0);
        out << quint32(0) << quint32(0) << quint8(1) << qint32(-1);
        out << announcedPages;
        for (int i = 0; i < writtenPages; ++i) {
            reg("", 0);
            text(QString());
            out << quint32(4) << quint32(0);
            for (int f = 0; f < 5; ++f)
                out << quint8(0);
            out << qint32(0) << qint32(32767);
            text(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')));
        }
        out << quint32(panelOptions.size());
        for (const QString& option : panelOptions)
            text(option);
        for (int i = 0; i < 4; ++i)
            out << quint32(0);
        for (int i = 0; i < 32; ++i)
            reg("", 0);
        return data;
    }
};
