#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <memory>

// The chunked download of the installer and of the document: reads 1024
// bytes at a time into a local file, reports progress after every chunk and
// a status text at most every 800 ms, and stops at the next chunk when its
// stop flag is set.
class TransferLoop
{
public:
    enum class End
    {
        Completed,
        Stopped,
        CannotDelete,
        CannotCreate,
        NetworkError
    };

    struct Reports
    {
        std::function<void(const QString&)> status;
        std::function<void(int)> progress;
    };

    TransferLoop(QString url, QString localPath, const std::atomic<bool>& stopFlag,
                 Reports reports);
    ~TransferLoop();

    End run();
    QString errorText() const { return m_error; }

private:
    void onLength(qint64 bytes);
    bool onChunk(const char* data, int size);
    bool prepareFile();

    QString m_url;
    QString m_localPath;
    const std::atomic<bool>& m_stopFlag;
    Reports m_reports;
    QString m_error;
    End m_fileProblem = End::Completed;
    bool m_fileReady = false;
    struct State;
    std::unique_ptr<State> m_state;
};
