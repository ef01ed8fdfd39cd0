#pragma once

#include <QDialog>
#include <memory>

class CSerialCommandBase;
class QSerialThread;
namespace Ui {
class DlgSetSerialPort;
}

// The port dialog: lists the machine's serial ports by COM name with their
// busy state, picks the panel's port and tests the connection.
class DlgSetSerialPort : public QDialog
{
    Q_OBJECT

public:
    DlgSetSerialPort(QWidget* parent, QSerialThread* worker);
    ~DlgSetSerialPort() override;

public slots:
    void serial_recv(uint nRet, CSerialCommandBase* pCmd);

private slots:
    void on_mBtnRefresh_clicked();
    void on_mBtnConnect_clicked();
    void on_mBtnOk_clicked();
    void on_mBtnClose_clicked();

private:
    void fillPorts();
    void applySelection();

    std::unique_ptr<Ui::DlgSetSerialPort> ui;
    QSerialThread* m_worker;
};
