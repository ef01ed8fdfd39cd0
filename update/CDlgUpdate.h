#pragma once

#include "update/InstallerDownload.h"
#include "update/TransferDialog.h"

class QCheckBox;
class QLabel;
class QListWidget;

// The software update dialog: current and offered version, release notes,
// the check-at-start preference, and Start and Cancel for the installer
// download. Its controls are named after their template ids ("id3001").
class CDlgUpdate : public TransferDialog
{
    Q_OBJECT

public:
    explicit CDlgUpdate(QWidget* parent = nullptr);
    ~CDlgUpdate() override;

public slots:
    void reject() override; // the close box and Escape cancel a running download too

private slots:
    void onStart();
    void onCancel();
    void onPreference(bool checked);

private:
    void buildControls();
    void fill();
    void useEnglishTexts();
    void stopWorker();
    QLabel* addLabel(int id, const char* text, const QRect& units);

    QLabel* m_current = nullptr;
    QLabel* m_offered = nullptr;
    QCheckBox* m_preference = nullptr;
    QListWidget* m_notes = nullptr;
    InstallerDownload m_worker;
};
