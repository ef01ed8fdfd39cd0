#include "serial/DlgSetSerialPort.h"

#include "app/SettingsFiles.h"
#include "app/UserPrompt.h"
#include "app/WindowGeometry.h"
#include "serial/QSerialThread.h"
#include "serial/SerialResult.h"
#include "serial/SystemPorts.h"
#include "ui_DlgSetSerialPort.h"

#include <QDebug>
#include <QGuiApplication>

namespace {
const QString kGeometryName = QStringLiteral("DlgSetSerialPort");
}

DlgSetSerialPort::DlgSetSerialPort(QWidget* parent, QSerialThread* worker)
    : QDialog(parent), ui(new Ui::DlgSetSerialPort), m_worker(worker)
{
    ui->setupUi(this);
    fillPorts();
    restoreWindowGeometry(this, kGeometryName);
    connect(m_worker, &QSerialThread::sendCmdReply, this, &DlgSetSerialPort::serial_recv);
}

DlgSetSerialPort::~DlgSetSerialPort()
{
    disconnect(m_worker, nullptr, this, nullptr);
}

void DlgSetSerialPort::fillPorts()
{
    ui->mPort->clear();
    const QList<SystemPort> ports = systemPorts();
    for (const SystemPort& port : ports) {
        const QString icon = port.busy ? QStringLiteral(":/bitmap/png_port_failed")
                                       : QStringLiteral(":/bitmap/png_port_success");
        ui->mPort->addItem(QIcon(QPixmap(icon)), port.name);
    }
    if (ports.isEmpty())
        return;
    const int cable = m_worker->getUsbPort();
    if (cable != -1)
        m_worker->setPortName(QStringLiteral("COM%1").arg(cable));
    const int index = ui->mPort->findText(m_worker->portName(), Qt::MatchExactly);
    ui->mPort->setCurrentIndex(index >= 0 ? index : 0);
}

void DlgSetSerialPort::applySelection()
{
    const QString name = ui->mPort->currentText();
    if (name.isEmpty())
        return;
    savePortSetting(name);
    m_worker->setPortName(name);
}

void DlgSetSerialPort::on_mBtnRefresh_clicked()
{
    ui->mBtnRefresh->setEnabled(false);
    fillPorts();
    ui->mBtnRefresh->setEnabled(true);
}

void DlgSetSerialPort::on_mBtnConnect_clicked()
{
    applySelection();
    m_worker->queueReadType();
    ui->mBtnConnect->setEnabled(false);
    ui->mBtnRefresh->setEnabled(false);
}

void DlgSetSerialPort::serial_recv(uint nRet, CSerialCommandBase* pCmd)
{
    qDebug() << "reply" << pCmd->reply.toHex();
    QGuiApplication::restoreOverrideCursor();
    if (nRet != 0)
        UserPrompt::information(this, tr("提示"), serialFailureMessage(nRet, m_worker->portName()));
    else if (!pCmd->displayName().isEmpty())
        UserPrompt::information(this, tr("提示"), tr("[%1] 命令成功").arg(pCmd->displayName()));
    delete pCmd;
    ui->mBtnConnect->setEnabled(true);
    ui->mBtnRefresh->setEnabled(true);
    QGuiApplication::restoreOverrideCursor();
}

void DlgSetSerialPort::on_mBtnOk_clicked()
{
    if (ui->mPort->currentText().isEmpty()) {
        UserPrompt::information(this, tr("提示"), tr("请选择正确的串口号！"));
        return;
    }
    applySelection();
    saveWindowGeometry(this, kGeometryName);
    accept();
}

void DlgSetSerialPort::on_mBtnClose_clicked()
{
    // The choice is kept for the next project; the link goes on as it is.
    savePortSetting(ui->mPort->currentText());
    saveWindowGeometry(this, kGeometryName);
    reject();
}
