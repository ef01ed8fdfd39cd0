#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialThread;

// A unit of serial work queued on the worker. It belongs to the queue, then
// to the worker, then to the receiver of its final reply, which deletes it.
class CSerialCommandBase : public QObject
{
    Q_OBJECT

public:
    enum Kind
    {
        Handshake = 1,
        Read = 2,
        Write = 3,
        Download = 4,
        ReadType = 5
    };

    int kind = 0;
    int address = 0;
    int length = 0;
    QByteArray reply; // payload of the last reply that an operation stored
    QByteArray data;  // private copy of the bytes to send
    QString text;     // logged first when a project download starts
    int model = 0;    // panel model number from the hardware query
    bool force = false;
    QSerialThread* owner = nullptr;

    // The display name that success messages use ("获取机型"), empty for a download.
    QString displayName() const;

protected:
    explicit CSerialCommandBase(int commandKind) : kind(commandKind) {}
};

// A project download with its firmware check.
class CSerialCommandDownload : public CSerialCommandBase
{
    Q_OBJECT

public:
    CSerialCommandDownload() : CSerialCommandBase(Download) {}
};

// The connection test: re-open the port and send the enquiry.
class CSerialCommandReadType : public CSerialCommandBase
{
    Q_OBJECT

public:
    CSerialCommandReadType() : CSerialCommandBase(ReadType) {}
};

Q_DECLARE_METATYPE(CSerialCommandBase*)
