#include "plc/DlgSetPlc.h"

#include "app/ProcessValues.h"
#include "plc/CPlcManager.h"
#include "project/CLedManager.h"
#include "ui_DlgSetPlc.h"

DlgSetPlc::DlgSetPlc(QWidget* parent, bool isNew, CLedLinkSettings* link, const QString& hardType,
                     int plcType, int plcModel)
    : QDialog(parent), ui(new Ui::DlgSetPlc), m_bNew(isNew), m_pLink(link), m_link(*link),
      m_strHardType(hardType), m_nPlcType(plcType), m_nPlcModel(plcModel)
{
    ui->setupUi(this);
    setWindowTitle(m_bNew ? tr("新建工程") : tr("编辑工程"));
    fillVendors();
    fillPanelModels();

    m_bReady = true;
    ui->mPlcType->setCurrentIndex(m_nPlcType);
    on_mPlcType_currentIndexChanged(m_nPlcType);
    ui->mPlcModel->setCurrentIndex(m_nPlcModel);

    int hard = ui->mHardType->findText(m_strHardType, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (hard < 0)
        hard = ui->mHardType->findText(QStringLiteral("KAVIO-FX"), Qt::MatchExactly);
    ui->mHardType->setCurrentIndex(hard);
}

DlgSetPlc::~DlgSetPlc() = default;

void DlgSetPlc::fillVendors()
{
    // The list is built by id: a position chosen here is looked up as an id.
    const CPlcManager& catalog = CPlcManager::instance();
    for (int id = 0; id < catalog.vendorCount(); ++id) {
        if (const CPlcVendor* vendor = catalog.findVendor(quint32(id)))
            ui->mPlcType->addItem(vendor->nameFor(languageIndex()));
    }
}

void DlgSetPlc::fillPanelModels()
{
    const CLedManager& panels = CLedManager::instance();
    for (int i = 0; i < panels.count(); ++i)
        ui->mHardType->addItem(panels.model(i)->name);
}

void DlgSetPlc::on_mPlcType_currentIndexChanged(int index)
{
    if (!m_bReady || index < 0)
        return;
    const CPlcVendor* vendor = CPlcManager::instance().findVendor(quint32(index));
    if (!vendor)
        return;
    ui->mPlcModel->clear();
    for (int i = 0; i < vendor->modelCount(); ++i)
        ui->mPlcModel->addItem(vendor->modelAt(i)->nameFor(languageIndex()));
    ui->mPlcModel->setCurrentIndex(0);
    on_mPlcModel_currentIndexChanged(0);
}

void DlgSetPlc::on_mPlcModel_currentIndexChanged(int index)
{
    const int vendor = ui->mPlcType->currentIndex();
    if (vendor < 0 || index < 0)
        return;
    const CPlcModel* model = CPlcManager::instance().findModel(quint32(vendor), quint32(index));
    if (!model)
        return;
    m_link = model->linkDefaults();
    selectLinkLists(m_link);
}

void DlgSetPlc::selectLinkLists(const CLedLinkSettings& link)
{
    // A position the list lacks (8 for a missing DefaultBaud) selects nothing.
    auto select = [](QComboBox* list, quint32 index) {
        list->setCurrentIndex(index < quint32(list->count()) ? int(index) : -1);
    };
    select(ui->mPlcBaud, link.baudIndex);
    select(ui->mPlcDataBit, link.dataBitsIndex);
    select(ui->mPlcStopBit, link.stopBitsIndex);
    select(ui->mPlcVerifyBit, link.parityIndex);
    select(ui->mPlcRSType, link.comTypeIndex);
}

void DlgSetPlc::on_mHardType_currentIndexChanged(int)
{
    // The panel model choice takes effect on OK.
}

void DlgSetPlc::on_btnOK_clicked()
{
    m_strHardType = ui->mHardType->currentText();
    m_nHardType = ui->mHardType->currentIndex();
    m_nPlcType = ui->mPlcType->currentIndex();
    m_nPlcModel = ui->mPlcModel->currentIndex();
    m_link.baudIndex = quint32(ui->mPlcBaud->currentIndex());
    m_link.dataBitsIndex = quint32(ui->mPlcDataBit->currentIndex());
    m_link.stopBitsIndex = quint32(ui->mPlcStopBit->currentIndex());
    m_link.parityIndex = quint32(ui->mPlcVerifyBit->currentIndex());
    m_link.comTypeIndex = quint32(ui->mPlcRSType->currentIndex());
    *m_pLink = m_link;
    accept();
}

void DlgSetPlc::on_btnDefault_clicked()
{
    // Puts the chosen model's catalogue defaults back into the five lists.
    const int vendor = ui->mPlcType->currentIndex();
    const int model = ui->mPlcModel->currentIndex();
    if (vendor < 0 || model < 0)
        return;
    if (const CPlcModel* plc = CPlcManager::instance().findModel(quint32(vendor), quint32(model))) {
        m_link = plc->linkDefaults();
        selectLinkLists(m_link);
    }
}

void DlgSetPlc::on_btnClose_clicked()
{
    reject();
}
