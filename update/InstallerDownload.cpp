#include "update/InstallerDownload.h"

#include "update/CDlgUpdate.h"
#include "update/HostEnvironment.h"
#include "update/ServerUrls.h"
#include "update/TransferLoop.h"
#include "update/TransferTexts.h"
#include "update/UpdateState.h"
#include "update/WorkFolder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QMessageBox>
#include <QThread>

namespace {

void post(const QPointer<TransferDialog>& dialog, std::function<void(TransferDialog&)> change)
{
    TransferDialog::post(dialog, std::move(change));
}

void showMessage(const QString& text)
{
    const QString caption = TransferTexts::messageCaption();
    HostEnvironment::postToGuiThread(
        [caption, text] { QMessageBox::information(nullptr, caption, text); });
}

bool matchesChecksum(const QString& path, const QString& expected)
{
    if (expected.isEmpty())
        return true;
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return false;
    return QString::fromLatin1(hash.result().toHex()) == expected.trimmed().toLower();
}

// The copy of the installer that stays on the user's desktop.
void copyToDesktop(const QString& installer, const QString& displayVersion)
{
    const QString copy = HostEnvironment::desktopFolder() +
                         QStringLiteral("/Kavio_Setup_V%1.exe").arg(displayVersion);
    QFile::remove(copy);
    QFile::copy(installer, copy);
}

void run(QPointer<TransferDialog> dialog)
{
    UpdateState& state = updateState();
    const DescriptorTexts texts = state.texts();
    const QString installer = InstallerDownload::installerPath();
    post(dialog, [](TransferDialog& d) {
        d.setStartEnabled(false);
        d.setCancelEnabled(true);
    });
    state.downloading.store(true);
    TransferLoop loop(ServerUrls::onHost(texts.host, QLatin1Char('/') + texts.dir +
                                                         QLatin1Char('/') + texts.file),
                      installer, state.cancelDownload, TransferDialog::reportsTo(dialog));

    switch (loop.run()) {
    case TransferLoop::End::Stopped:
        TransferDialog::afterStop(dialog);
        return;
    case TransferLoop::End::CannotDelete:
        showMessage(TransferTexts::cannotDelete(installer));
        return;
    case TransferLoop::End::CannotCreate:
        showMessage(TransferTexts::cannotCreate(installer));
        return;
    case TransferLoop::End::NetworkError: {
        // The host keeps running: a failed download must not lose its work.
        const QString error = loop.errorText();
        state.downloading.store(false);
        WorkFolder::remove(WorkFolder::path());
        post(dialog, [error](TransferDialog& d) {
            d.setStatusText(error);
            d.setStartEnabled(true);
        });
        return;
    }
    case TransferLoop::End::Completed:
        break;
    }

    WorkFolder::remove(WorkFolder::path());
    if (!state.downloading.load())
        return;
    if (!matchesChecksum(installer, texts.sha256)) {
        QFile::remove(installer);
        state.downloading.store(false);
        post(dialog, [](TransferDialog& d) {
            d.setStatusText(TransferTexts::checksumFailed());
            d.setStartEnabled(true);
        });
        showMessage(TransferTexts::installerRejected(installer));
        return;
    }
    copyToDesktop(installer, texts.displayVersion);
    post(dialog, [](TransferDialog& d) {
        d.setStatusText(TransferTexts::completed());
        d.setStartEnabled(true);
    });
    QFile::setPermissions(installer, QFile::permissions(installer) | QFile::ExeOwner |
                                         QFile::ExeUser | QFile::ExeGroup);
    HostEnvironment::shellOpen(installer);
    QThread::msleep(100);
    HostEnvironment::endHost(0); // the installer replaces the host program
}

} // namespace

InstallerDownload::~InstallerDownload()
{
    stop();
}

QString InstallerDownload::installerPath()
{
    return HostEnvironment::hostFolder() + QStringLiteral("/ZtSetupTemp.exe");
}

void InstallerDownload::start(QPointer<CDlgUpdate> dialog)
{
    m_thread = std::thread(run, QPointer<TransferDialog>(dialog.data()));
}

void InstallerDownload::stop()
{
    if (!m_thread.joinable())
        return;
    updateState().cancelDownload.store(true);
    m_thread.join();
}
