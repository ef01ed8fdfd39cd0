#pragma once

#include <QPointer>
#include <QString>
#include <thread>

class CDlgDownPdf;

// The documentation file: where it lies, the check that decides whether to
// download it, and the worker of the document dialog.
namespace DocumentDownload {

// The local path for a document kind, creating its folder when needed:
// <documents>/Tavro, or the host folder when that cannot be made.
QString localPath(int docKind);

// The whole check of ZtUpdatePdfInit after the arguments are stored: 1 the
// server gave no size, 2 the local copy is current, 3 the dialog was shown.
int check(int docKind);

} // namespace DocumentDownload

// The worker that fetches the document into its local path for the dialog
// and closes the dialog when it ends.
class DocumentWorker
{
public:
    DocumentWorker() = default;
    ~DocumentWorker();
    DocumentWorker(const DocumentWorker&) = delete;
    DocumentWorker& operator=(const DocumentWorker&) = delete;

    void start(QPointer<CDlgDownPdf> dialog, const QString& url, const QString& localPath);
    void stop();
    bool isRunning() const { return m_thread.joinable(); }

private:
    std::thread m_thread;
};
