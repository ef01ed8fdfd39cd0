#pragma once

#include <QColor>
#include <QDialog>
#include <memory>

class QSerialThread;
class CSerialCommandBase;
namespace Ui {
class DlgDownProgress;
}

// The download dialog: starts a project download on the serial worker and
// shows its progress and log. It may start any number of downloads of its
// image while it is open.
class DlgDownProgress : public QDialog
{
    Q_OBJECT

public:
    DlgDownProgress(QWidget* parent, QSerialThread* worker, QByteArray image, QString text,
                    bool force);
    ~DlgDownProgress() override;

    // The main window gives Download back after each reply.
    void enableDownload();

public slots:
    void on_serial_down(uint nTotal, uint nWritten, CSerialCommandBase* pCmd);
    void on_serial_progress(uint nTotal);
    void on_serial_title(const QString& strTitle);
    void on_serial_text1(const QString& strText);
    void on_serial_log(const QString& strText, const QColor& clr);

private slots:
    void on_mBtnDown_clicked();
    void on_mBtnClose_clicked();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Escape runs the close handling as well

private:
    std::unique_ptr<Ui::DlgDownProgress> ui;
    QSerialThread* m_worker;
    QByteArray m_image;
    QString m_text;
    bool m_force;
};
