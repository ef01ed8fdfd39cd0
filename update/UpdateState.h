#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <atomic>

// Update status codes; the numbers cross the library boundary.
enum UpdateStatus
{
    US_NOT_OFFERED = 0,
    US_NET_ERROR = 1,
    US_UP_TO_DATE = 2,
    US_NEWER = 3
};

// The values read from the server's update descriptor.
struct DescriptorTexts
{
    QString host;
    QString dir;
    QString file;
    QString notesKey;
    QString remoteVersion;
    QString displayVersion;
    QString title;
    QString docVersion;
    QString sha256; // of the installer, when the descriptor names it
    QStringList releaseNotes;
};

// The library's process-wide state, shared by the check, the dialogs and the
// download workers.
struct UpdateState
{
    std::atomic<int> status{US_UP_TO_DATE};
    std::atomic<int> autoCheck{1};
    std::atomic<int> chinese{1};
    std::atomic<int> showAlways{0};
    std::atomic<int> offered{1};
    std::atomic<int> docKind{0};
    std::atomic<bool> cancelDownload{false};
    std::atomic<bool> cancelDocDownload{false};
    std::atomic<bool> downloading{false};
    std::atomic<bool> checkRunning{false};

    // Written by the check worker before any dialog opens; read afterwards.
    DescriptorTexts texts() const;
    void setTexts(const DescriptorTexts& texts);
    void setDocVersion(const QString& version);

private:
    mutable QMutex m_lock;
    DescriptorTexts m_texts;
};

UpdateState& updateState();
