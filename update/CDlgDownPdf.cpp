#include "update/CDlgDownPdf.h"

#include "update/DialogUnits.h"
#include "update/UpdateState.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

CDlgDownPdf::CDlgDownPdf(QString url, QString localPath, QWidget* parent)
    : QDialog(parent), m_url(std::move(url)), m_localPath(std::move(localPath))
{
    setObjectName(QStringLiteral("CDlgDownPdf"));
    setWindowTitle(QString::fromUtf8("Morvane —— 文档接线图自动升级"));
    setFixedSize(dialogUnits(0, 0, 325, 90).size());
    auto* caption = new QLabel(QString::fromUtf8("更新进度:"), this);
    caption->setObjectName(QStringLiteral("id3011"));
    caption->setGeometry(dialogUnits(14, 25, 36, 8));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("id3003"));
    m_progress->setGeometry(dialogUnits(56, 21, 192, 14));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_status = new QLabel(QStringLiteral(" -"), this);
    m_status->setObjectName(QStringLiteral("id3008"));
    m_status->setGeometry(dialogUnits(252, 24, 62, 8));
    m_start = new QPushButton(QString::fromUtf8("开始更新"), this);
    m_start->setObjectName(QStringLiteral("id3004"));
    m_start->setGeometry(dialogUnits(13, 52, 141, 25));
    m_cancel = new QPushButton(QString::fromUtf8("取消更新"), this);
    m_cancel->setObjectName(QStringLiteral("id3005"));
    m_cancel->setGeometry(dialogUnits(172, 52, 141, 25));
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

void CDlgDownPdf::setStatusText(const QString& text)
{
    m_status->setText(text);
}

void CDlgDownPdf::setProgress(int percent)
{
    m_progress->setValue(percent);
}

void CDlgDownPdf::setStartEnabled(bool enabled)
{
    m_start->setEnabled(enabled);
}

void CDlgDownPdf::setCancelEnabled(bool enabled)
{
    m_cancel->setEnabled(enabled);
}
