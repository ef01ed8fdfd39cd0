#pragma once

#include <QFile>
#include <QProcess>
#include <QStringList>

// The panel emulator as a child process, linked as COM<n> (COM9 unless told)
// in a port folder.
class EmulatorProcess
{
public:
    static constexpr int kComNumber = 9;

    EmulatorProcess(const QString& portDir, const QString& workDir, int comNumber = kComNumber)
        : m_portDir(portDir), m_workDir(workDir), m_comNumber(comNumber)
    {}
    ~EmulatorProcess() { stop(); }

    QString imagePath() const { return m_workDir + QStringLiteral("/saved.bin"); }
    QString firmwarePath() const { return m_workDir + QStringLiteral("/firmware.bin"); }
    QString logPath() const { return m_workDir + QStringLiteral("/emulator.log"); }

    // Starts it with extra options and waits until it listens.
    bool start(const QStringList& options)
    {
        QFile::remove(logPath());
        QFile::remove(imagePath());
        m_process.setProgram(QStringLiteral(SEGMO_PROGRAM_DIR "/panel-emulator"));
        m_process.setArguments(QStringList{QStringLiteral("--port-dir"), m_portDir,
                                           QStringLiteral("--com"), QString::number(m_comNumber),
                                           QStringLiteral("--image"), imagePath(),
                                           QStringLiteral("--firmware-out"), firmwarePath(),
                                           QStringLiteral("--log"), logPath()} +
                               options);
        m_process.start();
        if (!m_process.waitForReadyRead(10000))
            return false;
        return m_process.readLine().startsWith("ready ");
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

    // The frames it saw, one line each ("ENQ", "PRB 20 20", ...).
    QStringList log() const
    {
        QFile file(logPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QStringList logLinesStartingWith(const QString& prefix) const
    {
        QStringList lines;
        for (const QString& line : log()) {
            if (line.startsWith(prefix))
                lines.append(line);
        }
        return lines;
    }

    QByteArray savedImage() const { return readFile(imagePath()); }
    QByteArray receivedFirmware() const { return readFile(firmwarePath()); }

private:
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString m_portDir;
    QString m_workDir;
    int m_comNumber;
    QProcess m_process;
};
