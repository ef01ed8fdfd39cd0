#pragma once

#include "update/DocumentDownload.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The document download dialog. It starts its worker as it opens; the
// worker closes it when the transfer ends, whatever the outcome.
class CDlgDownPdf : public QDialog
{
    Q_OBJECT

public:
    CDlgDownPdf(QString url, QString localPath, QWidget* parent = nullptr);
    ~CDlgDownPdf() override;

    void setStatusText(const QString& text);
    void setProgress(int percent);
    void setStartEnabled(bool enabled);
    void setCancelEnabled(bool enabled);
    // The worker's private close message: closes with the OK result.
    void closeFromWorker();

public slots:
    void reject() override; // the close request also stops the transfer

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void onStart();
    void onCancel();

private:
    void restartWorker();

    QString m_url;
    QString m_localPath;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    DocumentWorker m_worker;
    bool m_started = false;
};
