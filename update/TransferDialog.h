#pragma once

#include "update/TransferLoop.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

// What the update and the document dialogs share: the progress bar (3003),
// the status text (3008), Start (3004) and Cancel (3005), changed by their
// download workers through calls queued to the GUI thread.
class TransferDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

    void setStatusText(const QString& text);
    void setProgress(int percent);
    void setStartEnabled(bool enabled);
    void setCancelEnabled(bool enabled);

    // Queues a change of the dialog to the GUI thread; it is dropped when the
    // dialog has closed by then.
    static void post(const QPointer<TransferDialog>& dialog,
                     std::function<void(TransferDialog&)> change);
    // After a transfer stopped on request: the request and the download flag
    // are cleared and the dialog offers Start again.
    static void afterStop(const QPointer<TransferDialog>& dialog);
    // The transfer loop's status and progress reports, routed to the dialog.
    static TransferLoop::Reports reportsTo(const QPointer<TransferDialog>& dialog);

protected:
    // Makes the four shared controls at the template's positions (dialog units).
    void createTransferControls(const QRect& progress, const QRect& status, const QRect& start,
                                const QRect& cancel);

    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
};
