#include "editor/DlgSetDynamicText.h"

#include "app/UserPrompt.h"
#include "app/WindowGeometry.h"
#include "editor/CustomItemDelegrate.h"
#include "plc/CPlcManager.h"
#include "project/CLedProject.h"
#include "ui_DlgSetDynamicText.h"

#include <QCloseEvent>

namespace {
const QString kGeometryName = QStringLiteral("DlgSetDynamicText");
} // namespace

QString DlgSetDynamicText::valuePattern()
{
    // 0 to 65535 without leading zeros.
    return QStringLiteral("^(0|[1-9][0-9]{0,3}|[1-5][0-9]{4}|6[0-4][0-9]{3}|65[0-4][0-9]{2}|"
                          "655[0-2][0-9]|6553[0-5])$");
}

QString DlgSetDynamicText::contentPattern()
{
    return QStringLiteral("^[ 0-9a-fA-FhHlLpPuU-]+$");
}

DlgSetDynamicText::DlgSetDynamicText(QWidget* parent, CLedProject* project,
                                     std::function<void()> markModified)
    : QDialog(parent), ui(new Ui::DlgSetDynamicText), m_project(project),
      m_markModified(std::move(markModified))
{
    ui->setupUi(this);
    if (m_project) {
        if (const CPlcModel* model = CPlcManager::instance().findModel(m_project->plcVendorIndex,
                                                                       m_project->plcModelIndex)) {
            ui->m_RegType->clear();
            for (const CPlcAddrType* type : model->wordTypes())
                ui->m_RegType->addItem(type->name());
        }
        QTableWidget* table = ui->tableWidget;
        table->setColumnCount(3);
        table->setHorizontalHeaderLabels({tr("序号"), tr("数值"), tr("内容")});
        table->verticalHeader()->hide();
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setSelectionBehavior(QAbstractItemView::SelectItems);
        table->setItemDelegateForColumn(1, new CustomItemDelegrate(valuePattern(), 5, table));
        table->setItemDelegateForColumn(2, new CustomItemDelegrate(contentPattern(), 24, table));
        CLedPanelOptions& options = m_project->options();
        ui->m_TextCnt->setValue(int(qMin<quint32>(options.dynTextRows(), 10)));
        rebuildRows();
        ui->m_CheckSet->setChecked(options.dynTextSlide() != 0);
        ui->m_Speed->setValue(int(options.dynTextSpeed()));
        const CLedRegister& reg = m_project->extraRegisters[0];
        const int typeIndex =
            ui->m_RegType->findText(reg.type, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ui->m_RegStation->setValue(int(reg.station));
        ui->m_RegType->setCurrentIndex(typeIndex >= 0 ? typeIndex : 0);
        ui->m_RegAddress->setValue(int(reg.address));
        ui->m_RegCnt->setValue(int(reg.count));
        m_bReady = true;
        connect(table->model(), &QAbstractItemModel::dataChanged, this,
                &DlgSetDynamicText::tableDataChanged);
    }
    restoreGeometryAndColumns();
}

DlgSetDynamicText::~DlgSetDynamicText() = default;

void DlgSetDynamicText::restoreGeometryAndColumns()
{
    restoreColumnWidths(ui->tableWidget, kGeometryName, {50, 70, 250});
    restoreWindowGeometry(this, kGeometryName);
}

void DlgSetDynamicText::rebuildRows()
{
    QTableWidget* table = ui->tableWidget;
    const int rows = ui->m_TextCnt->value();
    table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        auto* index = new QTableWidgetItem(QString::number(row));
        index->setTextAlignment(Qt::AlignCenter);
        index->setBackground(QColor(230, 230, 230));
        index->setFlags(index->flags() & ~Qt::ItemIsEditable);
        auto* value = new QTableWidgetItem(QString::number(m_project->rowValue(row)));
        value->setTextAlignment(Qt::AlignCenter);
        value->setToolTip(tr("[数值]只允许输入数字0-9,范围为0-65535"));
        auto* content = new QTableWidgetItem(m_project->rowText(row));
        content->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        content->setToolTip(
            tr("[内容]最大长度24个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U,-)"));
        table->setItem(row, 0, index);
        table->setItem(row, 1, value);
        table->setItem(row, 2, content);
    }
}

void DlgSetDynamicText::on_m_TextCnt_valueChanged(int)
{
    if (!m_bReady)
        return;
    // Rows come from the project again: edits not confirmed with OK are dropped.
    m_bReady = false;
    rebuildRows();
    m_bReady = true;
}

void DlgSetDynamicText::on_m_CheckSet_clicked(bool)
{
    // Read at OK.
}

void DlgSetDynamicText::tableDataChanged(const QModelIndex& topLeft, const QModelIndex&,
                                         const QVector<int>&)
{
    if (!m_bReady || !m_project || !parent())
        return;
    m_nCurRow = topLeft.row();
    m_nCurColumn = topLeft.column();
    if (m_nCurRow == -1)
        return;
    if (m_nCurColumn == 1 || m_nCurColumn == 2) {
        QTableWidgetItem* item = ui->tableWidget->item(m_nCurRow, m_nCurColumn);
        const QString upper = item->text().toUpper();
        if (upper != item->text()) {
            m_bReady = false;
            item->setText(upper);
            m_bReady = true;
        }
    }
    m_markModified();
}

void DlgSetDynamicText::refuseEmptyCell(int row, int column, const QString& message)
{
    UserPrompt::information(this, tr("提示"), message);
    QTableWidgetItem* item = ui->tableWidget->item(row, column);
    ui->tableWidget->setCurrentItem(item);
    ui->tableWidget->editItem(item);
}

void DlgSetDynamicText::on_mBtnOk_clicked()
{
    if (!m_project)
        return;
    QString values;
    QString contents;
    for (int row = 0; row < ui->tableWidget->rowCount(); ++row) {
        const QString value = ui->tableWidget->item(row, 1)->text();
        if (value.isEmpty()) {
            refuseEmptyCell(row, 1, tr("数值项不允许为空！"));
            return;
        }
        values += value + QLatin1Char('|');
        const QString content = ui->tableWidget->item(row, 2)->text();
        if (content.isEmpty()) {
            refuseEmptyCell(row, 2, tr("内容项不允许为空！"));
            return;
        }
        contents += content + QLatin1Char('|');
    }
    CLedPanelOptions& options = m_project->options();
    options.setDynTextRows(quint32(ui->m_TextCnt->value()));
    options.setDynTextValues(values);
    options.setDynTextContents(contents);
    options.setDynTextSlide(ui->m_CheckSet->isChecked());
    options.setDynTextSpeed(quint32(ui->m_Speed->value()));
    CLedRegister& reg = m_project->extraRegisters[0];
    reg.type = ui->m_RegType->currentText();
    reg.station = quint32(ui->m_RegStation->value()) & 0xFF;
    reg.address = quint32(ui->m_RegAddress->value());
    reg.count = quint32(ui->m_RegCnt->value());
    accept();
}

void DlgSetDynamicText::on_mBtnClose_clicked()
{
    reject();
}

void DlgSetDynamicText::closeEvent(QCloseEvent* event)
{
    saveWindowGeometry(this, kGeometryName);
    saveColumnWidths(ui->tableWidget, kGeometryName, 3);
    QDialog::closeEvent(event);
}
