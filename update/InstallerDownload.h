#pragma once

#include <QPointer>
#include <thread>

class CDlgUpdate;

// The installer download worker of the update dialog: fetches the installer,
// checks it, leaves a copy on the desktop, starts it and ends the host.
class InstallerDownload
{
public:
    InstallerDownload() = default;
    ~InstallerDownload();
    InstallerDownload(const InstallerDownload&) = delete;
    InstallerDownload& operator=(const InstallerDownload&) = delete;

    // Starts the worker; the dialog is only touched on the GUI thread while it exists.
    void start(QPointer<CDlgUpdate> dialog);
    // Asks a running worker to stop at its next chunk and waits for it.
    void stop();
    bool isRunning() const { return m_thread.joinable(); }

    // The local file the installer is downloaded to.
    static QString installerPath();

private:
    std::thread m_thread;
};
