#pragma once

#include "serial/QSerialThread.h"

#include <QColor>
#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVector>

// Receives everything a serial worker reports, on the test's thread, and
// deletes each command when its reply arrives as the main window does.
class WorkerProbe : public QObject
{
public:
    struct Reply
    {
        uint code;
        int kind;
    };

    explicit WorkerProbe(QSerialThread& worker)
    {
        connect(&worker, &QSerialThread::sendCmdReply, this,
                [this](uint code, CSerialCommandBase* command) {
                    replies.append({code, command->kind});
                    lastReply = command->reply;
                    delete command;
                });
        connect(&worker, &QSerialThread::sendCmdProgress, this,
                [this](uint total, uint written, CSerialCommandBase*) {
                    progress.append({total, written});
                });
        connect(&worker, &QSerialThread::sendCmdInit, this,
                [this](uint total) { inits.append(total); });
        connect(&worker, &QSerialThread::sendCmdUpdate, this,
                [this](int port) { ports.append(port); });
        connect(&worker, &QSerialThread::sendCmdSetTitle, this,
                [this](const QString& title) { titles.append(title); });
        connect(&worker, &QSerialThread::sendCmdSetLog, this,
                [this](const QString& line, const QColor& colour) {
                    logs.append(line);
                    colours.append(colour);
                });
    }

    // The log lines in a colour.
    QStringList logsIn(const QColor& colour) const
    {
        QStringList lines;
        for (int i = 0; i < logs.size(); ++i) {
            if (colours.at(i) == colour)
                lines.append(logs.at(i));
        }
        return lines;
    }

    QVector<Reply> replies;
    QByteArray lastReply;
    QVector<QPair<uint, uint>> progress;
    QVector<uint> inits;
    QVector<int> ports;
    QStringList titles;
    QStringList logs;
    QVector<QColor> colours;
};
