#pragma once

#include "tools/panel-emulator/EmulatorOptions.h"

#include <QByteArray>
#include <QFile>
#include <atomic>

// A panel on a pseudo-terminal: answers the enquiry, the hardware query,
// firmware update and project download frames like the real panel, with
// the faults of its options.
class PanelEmulator
{
public:
    explicit PanelEmulator(const EmulatorOptions& options);
    ~PanelEmulator();

    // Opens the pty and links it as COM<n>; the slave path, or "" on failure.
    QString start(QString* error);
    // Serves until stop is set or the emulator hangs up.
    void serve(const std::atomic<bool>& stop);

private:
    void feed(char byte);
    void handleEnquiry();
    void handleFrame(const QByteArray& frame);
    void handleProjectBlock(const QByteArray& fields, const QByteArray& frame);
    void handleFirmwareBlock(const QByteArray& fields, const QByteArray& frame);
    void handleVerify(const QByteArray& fields, const QByteArray& frame);
    void handleSave(const QByteArray& frame);
    void reply(const QByteArray& bytes, int requestLength);
    void logLine(const QString& line);
    void hangUp();
    bool saveFile(const QString& path, const QByteArray& bytes);

    EmulatorOptions m_options;
    int m_master = -1;
    int m_slave = -1;
    QString m_link;
    QFile m_log;
    QByteArray m_frame; // a frame being received, from STX on
    int m_etxAt = -1;
    QByteArray m_image;
    QByteArray m_firmware;
    bool m_updateMode = false;
    int m_blocksAcked = 0;
    bool m_hungUp = false;
};
