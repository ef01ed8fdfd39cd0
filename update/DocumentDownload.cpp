#include "update/DocumentDownload.h"

#include "update/CDlgDownPdf.h"
#include "update/HostEnvironment.h"
#include "update/HttpClient.h"
#include "update/IniText.h"
#include "update/ServerUrls.h"
#include "update/TransferLoop.h"
#include "update/TransferTexts.h"
#include "update/UpdateState.h"
#include "update/WorkFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace {

void post(const QPointer<TransferDialog>& dialog, std::function<void(TransferDialog&)> change)
{
    TransferDialog::post(dialog, std::move(change));
}

void showMessage(const QPointer<TransferDialog>& dialog, const QString& text)
{
    const QString caption = TransferTexts::messageCaption();
    post(dialog,
         [caption, text](TransferDialog& d) { QMessageBox::information(&d, caption, text); });
}

// Both pointers are made on the GUI thread, where the dialog lives.
void runWorker(QPointer<CDlgDownPdf> document, QPointer<TransferDialog> dialog, QString url,
               QString localPath)
{
    UpdateState& state = updateState();
    post(dialog, [](TransferDialog& d) {
        d.setStartEnabled(false);
        d.setCancelEnabled(true);
    });
    TransferLoop loop(url, localPath, state.cancelDocDownload, TransferDialog::reportsTo(dialog));
    switch (loop.run()) {
    case TransferLoop::End::Completed:
        state.downloading.store(true);
        break;
    case TransferLoop::End::Stopped:
        TransferDialog::afterStop(dialog);
        break;
    case TransferLoop::End::CannotDelete:
        showMessage(dialog, TransferTexts::cannotDelete(localPath));
        break;
    case TransferLoop::End::CannotCreate:
        showMessage(dialog, TransferTexts::cannotCreate(localPath));
        break;
    case TransferLoop::End::NetworkError: {
        const QString error = loop.errorText();
        state.downloading.store(false);
        post(dialog, [error](TransferDialog& d) { d.setStatusText(error); });
        break;
    }
    }

    WorkFolder::remove(WorkFolder::path());
    if (state.downloading.load()) {
        post(dialog, [](TransferDialog& d) {
            d.setStatusText(QString::fromUtf8("安装中.."));
            d.setStartEnabled(true);
        });
        HostEnvironment::shellOpen(localPath);
    }
    HostEnvironment::postToGuiThread([document] {
        if (document)
            document->closeFromWorker();
    });
}

QString documentName(int docKind)
{
    return docKind != 0 ? QStringLiteral("Tavro_News.pdf") : QStringLiteral("Tavro.pdf");
}

} // namespace

namespace DocumentDownload {

QString localPath(int docKind)
{
    const QString folder = HostEnvironment::documentsFolder() + QStringLiteral("/Tavro");
    if (QDir().mkpath(folder))
        return folder + QLatin1Char('/') + documentName(docKind);
    return HostEnvironment::hostFolder() + QStringLiteral("/Tavro.pdf");
}

int check(int docKind)
{
    UpdateState& state = updateState();
    const QString local = localPath(docKind);
    const QString url = ServerUrls::documentUrl(docKind);
    const qint64 remote = HttpClient::remoteSize(url, nullptr);
    if (remote == 0) {
        if (QFileInfo::exists(local))
            HostEnvironment::shellOpen(local);
        return 1;
    }
    state.setDocVersion(readIniValue(local, QStringLiteral("document"), QStringLiteral("version")));
    const QFileInfo info(local);
    QFile file(local);
    if (info.exists() && file.open(QIODevice::ReadOnly) && info.size() != 0 &&
        info.size() == remote) {
        state.status.store(US_UP_TO_DATE);
        HostEnvironment::shellOpen(local);
        return 2;
    }
    state.status.store(US_NEWER);
    HostEnvironment::runOnGuiThread([&] {
        CDlgDownPdf dialog(url, local);
        dialog.exec();
    });
    return 3;
}

} // namespace DocumentDownload

DocumentWorker::~DocumentWorker()
{
    stop();
}

void DocumentWorker::start(QPointer<CDlgDownPdf> dialog, const QString& url,
                           const QString& localPath)
{
    m_thread =
        std::thread(runWorker, dialog, QPointer<TransferDialog>(dialog.data()), url, localPath);
}

void DocumentWorker::stop()
{
    if (!m_thread.joinable())
        return;
    updateState().cancelDocDownload.store(true);
    m_thread.join();
}
