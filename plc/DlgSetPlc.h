#pragma once

#include "project/CLedLinkSettings.h"

#include <QDialog>
#include <memory>

namespace Ui {
class DlgSetPlc;
}

// The PLC link settings dialog: panel model, PLC vendor and model, and the
// serial link between panel and PLC. It works on a copy of the link settings
// and writes them into the caller's record only on OK.
class DlgSetPlc : public QDialog
{
    Q_OBJECT

public:
    DlgSetPlc(QWidget* parent, bool isNew, CLedLinkSettings* link, const QString& hardType,
              int plcType, int plcModel);
    ~DlgSetPlc() override;

    // After Accepted: the chosen panel model's name and position, the vendor
    // and model positions (-1 for an empty list).
    QString hardType() const { return m_strHardType; }
    int hardTypeIndex() const { return m_nHardType; }
    int plcType() const { return m_nPlcType; }
    int plcModel() const { return m_nPlcModel; }

private slots:
    void on_mPlcType_currentIndexChanged(int index);
    void on_mPlcModel_currentIndexChanged(int index);
    void on_mHardType_currentIndexChanged(int index);
    void on_btnOK_clicked();
    void on_btnDefault_clicked();
    void on_btnClose_clicked();

private:
    void fillVendors();
    void fillPanelModels();
    void selectLinkLists(const CLedLinkSettings& link);

    std::unique_ptr<Ui::DlgSetPlc> ui;
    bool m_bNew;
    bool m_bReady = false;
    CLedLinkSettings* m_pLink;
    CLedLinkSettings m_link; // the working copy
    QString m_strHardType;
    int m_nHardType = -1;
    int m_nPlcType;
    int m_nPlcModel;
};
