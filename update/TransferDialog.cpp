#include "update/TransferDialog.h"

#include "update/HostEnvironment.h"
#include "update/TransferTexts.h"
#include "update/UpdateState.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

void TransferDialog::createTransferControls(const QRect& progress, const QRect& status,
                                            const QRect& start, const QRect& cancel)
{
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("id3003"));
    m_progress->setGeometry(progress);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_status = new QLabel(QStringLiteral(" -"), this);
    m_status->setObjectName(QStringLiteral("id3008"));
    m_status->setGeometry(status);
    m_start = new QPushButton(QString::fromUtf8("开始更新"), this);
    m_start->setObjectName(QStringLiteral("id3004"));
    m_start->setGeometry(start);
    m_cancel = new QPushButton(QString::fromUtf8("取消更新"), this);
    m_cancel->setObjectName(QStringLiteral("id3005"));
    m_cancel->setGeometry(cancel);
}

void TransferDialog::setStatusText(const QString& text)
{
    m_status->setText(text);
}

void TransferDialog::setProgress(int percent)
{
    m_progress->setValue(percent);
}

void TransferDialog::setStartEnabled(bool enabled)
{
    m_start->setEnabled(enabled);
}

void TransferDialog::setCancelEnabled(bool enabled)
{
    m_cancel->setEnabled(enabled);
}

void TransferDialog::post(const QPointer<TransferDialog>& dialog,
                          std::function<void(TransferDialog&)> change)
{
    HostEnvironment::postToGuiThread([dialog, change] {
        if (dialog)
            change(*dialog);
    });
}

void TransferDialog::afterStop(const QPointer<TransferDialog>& dialog)
{
    updateState().cancelDownload.store(false);
    updateState().downloading.store(false);
    post(dialog, [](TransferDialog& d) {
        d.setStartEnabled(true);
        d.setCancelEnabled(false);
        d.setStatusText(TransferTexts::cancelled());
    });
}

TransferLoop::Reports TransferDialog::reportsTo(const QPointer<TransferDialog>& dialog)
{
    return {[dialog](const QString& text) {
                post(dialog, [text](TransferDialog& d) { d.setStatusText(text); });
            },
            [dialog](int percent) {
                post(dialog, [percent](TransferDialog& d) { d.setProgress(percent); });
            }};
}
