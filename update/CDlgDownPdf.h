#pragma once

#include "update/DocumentDownload.h"
#include "update/TransferDialog.h"

// The document download dialog. It starts its worker as it opens; the
// worker closes it when the transfer ends, whatever the outcome.
class CDlgDownPdf : public TransferDialog
{
    Q_OBJECT

public:
    CDlgDownPdf(QString url, QString localPath, QWidget* parent = nullptr);
    ~CDlgDownPdf() override;

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
    DocumentWorker m_worker;
    bool m_started = false;
};
