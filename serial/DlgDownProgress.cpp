#include "serial/DlgDownProgress.h"

#include "app/UserPrompt.h"
#include "app/WindowGeometry.h"
#include "serial/QSerialThread.h"
#include "serial/SerialTransport.h"
#include "ui_DlgDownProgress.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QTime>

namespace {
const QString kGeometryName = QStringLiteral("DlgDownProgress");
}

DlgDownProgress::DlgDownProgress(QWidget* parent, QSerialThread* worker, QByteArray image,
                                 QString text, bool force)
    : QDialog(parent), ui(new Ui::DlgDownProgress), m_worker(worker), m_image(std::move(image)),
      m_text(std::move(text)), m_force(force)
{
    ui->setupUi(this);
    QTableWidget* log = ui->tableWidget;
    log->setColumnCount(2);
    log->setHorizontalHeaderLabels({tr("时间"), tr("日志")});
    // 60 pixels, or what "00:00:00" needs in the dialog's 12-point font here.
    log->setColumnWidth(
        0, qMax(60, log->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 12));
    log->setColumnWidth(1, 400);
    log->verticalHeader()->hide();
    if (m_worker->transport().isWindowsXp())
        ui->mNoCheckFirm->setEnabled(false);
    m_worker->transferring.store(false);
    ui->mBtnDown->setFocus();
    connect(m_worker, &QSerialThread::sendCmdProgress, this, &DlgDownProgress::on_serial_down);
    connect(m_worker, &QSerialThread::sendCmdInit, this, &DlgDownProgress::on_serial_progress);
    connect(m_worker, &QSerialThread::sendCmdSetTitle, this, &DlgDownProgress::on_serial_title);
    connect(m_worker, &QSerialThread::sendCmdSetText1, this, &DlgDownProgress::on_serial_text1);
    connect(m_worker, &QSerialThread::sendCmdSetLog, this, &DlgDownProgress::on_serial_log);
    restoreWindowGeometry(this, kGeometryName);
}

DlgDownProgress::~DlgDownProgress()
{
    disconnect(m_worker, nullptr, this, nullptr);
}

void DlgDownProgress::enableDownload()
{
    ui->mBtnDown->setEnabled(true);
    ui->mBtnDown->setFocus();
}

void DlgDownProgress::on_mBtnDown_clicked()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    ui->tableWidget->setRowCount(0);
    const bool force = ui->mNoCheckFirm->isChecked() || m_force;
    m_worker->queueDownload(0, m_image.constData(), m_image.size(), m_text, force);
    ui->mLab1->setText(tr("在下载工程时,请勿断电或拔掉下载线！"));
    setWindowTitle(tr("下载工程"));
    ui->mBtnDown->setEnabled(false);
    ui->mBtnDown->setFocus();
}

void DlgDownProgress::on_serial_progress(uint nTotal)
{
    ui->mProgress->setRange(0, int(nTotal));
    ui->mProgress->setValue(0);
}

void DlgDownProgress::on_serial_down(uint nTotal, uint nWritten, CSerialCommandBase*)
{
    ui->mProgress->setValue(int(nWritten));
    if (nTotal == nWritten) {
        QGuiApplication::restoreOverrideCursor();
        ui->mBtnDown->setDefault(true);
    }
}

void DlgDownProgress::on_serial_title(const QString& strTitle)
{
    setWindowTitle(strTitle);
}

void DlgDownProgress::on_serial_text1(const QString& strText)
{
    ui->mLab1->setText(strText);
}

void DlgDownProgress::on_serial_log(const QString& strText, const QColor& clr)
{
    QTableWidget* log = ui->tableWidget;
    const int row = log->rowCount();
    log->insertRow(row);
    auto* time = new QTableWidgetItem(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    time->setTextAlignment(Qt::AlignCenter);
    auto* text = new QTableWidgetItem(strText);
    text->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    text->setForeground(clr);
    for (QTableWidgetItem* item : {time, text})
        item->setFlags(Qt::ItemIsEnabled);
    log->setItem(row, 0, time);
    log->setItem(row, 1, text);
    log->scrollToBottom();
}

void DlgDownProgress::on_mBtnClose_clicked()
{
    saveWindowGeometry(this, kGeometryName);
    close();
}

void DlgDownProgress::reject()
{
    close();
}

void DlgDownProgress::closeEvent(QCloseEvent* event)
{
    saveWindowGeometry(this, kGeometryName);
    QGuiApplication::restoreOverrideCursor();
    if (m_worker->isTransferring()) {
        const QMessageBox::StandardButton answer =
            UserPrompt::question(this, tr("提示"), tr("中断传输会造成数据错误，是否关闭？"),
                                 QMessageBox::Yes | QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        m_worker->cancelTransfer();
    } else {
        m_worker->closePort();
    }
    event->accept();
    QDialog::reject();
}
