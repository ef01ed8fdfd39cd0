#include "update/CDlgDownPdf.h"

#include "update/DialogUnits.h"
#include "update/UpdateState.h"

#include <QLabel>
#include <QPushButton>
#include <QThread>

CDlgDownPdf::CDlgDownPdf(QString url, QString localPath, QWidget* parent)
    : TransferDialog(parent), m_url(std::move(url)), m_localPath(std::move(localPath))
{
    setObjectName(QStringLiteral("CDlgDownPdf"));
    setWindowTitle(QString::fromUtf8("Morvane —— 文档接线图自动升级"));
    setFixedSize(dialogUnits(0, 0, 325, 90).size());
    auto* caption = new QLabel(QString::fromUtf8("更新进度:"), this);
    caption->setObjectName(QStringLiteral("id3011"));
    caption->setGeometry(dialogUnits(14, 25, 36, 8));
    createTransferControls(dialogUnits(56, 21, 192, 14), dialogUnits(252, 24, 62, 8),
                           dialogUnits(13, 52, 141, 25), dialogUnits(172, 52, 141, 25));
    connect(m_start, &QPushButton::clicked, this, &CDlgDownPdf::onStart);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgDownPdf::onCancel);
}

CDlgDownPdf::~CDlgDownPdf()
{
    updateState().cancelDocDownload.store(true);
    m_worker.stop();
}

void CDlgDownPdf::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true; // the transfer starts without the user pressing Start
        restartWorker();
    }
}

void CDlgDownPdf::restartWorker()
{
    m_worker.stop();
    updateState().cancelDocDownload.store(false);
    QThread::msleep(100);
    m_worker.start(QPointer<CDlgDownPdf>(this), m_url, m_localPath);
}

void CDlgDownPdf::onStart()
{
    restartWorker();
}

void CDlgDownPdf::onCancel()
{
    UpdateState& state = updateState();
    state.cancelDownload.store(true);
    state.cancelDocDownload.store(true);
    state.downloading.store(false);
}

void CDlgDownPdf::reject()
{
    onCancel();
    m_worker.stop();
    QDialog::reject();
}

void CDlgDownPdf::closeFromWorker()
{
    QDialog::accept();
}
