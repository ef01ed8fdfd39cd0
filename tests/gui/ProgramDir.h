#pragma once

#include "app/ProcessValues.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A program directory of its own for each test, made the current directory:
// the data files beside the program, the settings files the window writes,
// and a stand-in for ZtVersion.dll that answers the update check at once.
class ProgramDir
{
public:
    ProgramDir()
    {
        for (const char* file : {"Model.ini", "ZtFactory.dll", "ZtSerial.dll"})
            QFile::copy(QStringLiteral(SEGMO_PROGRAM_DIR "/") + QLatin1String(file),
                        m_dir.filePath(QLatin1String(file)));
        QFile::copy(QStringLiteral(SEGMO_FAKE_ZT_DIR "/ZtVersion.dll"),
                    m_dir.filePath(QStringLiteral("ZtVersion.dll")));
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        setProgramDir(m_dir.path());
    }
    ~ProgramDir() { QDir::setCurrent(m_previous); }
    ProgramDir(const ProgramDir&) = delete;
    ProgramDir& operator=(const ProgramDir&) = delete;

    QString path() const { return m_dir.path(); }
    QString path(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
