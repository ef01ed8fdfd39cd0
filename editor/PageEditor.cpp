#include "editor/PageEditor.h"

#include "app/ProcessValues.h"
#include "app/UserPrompt.h"
#include "editor/CustomItemDelegrate.h"
#include "editor/ParamText.h"
#include "plc/CPlcManager.h"
#include "project/CLedProject.h"
#include "ui_MainWindow.h"

#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {

const char* const kParamTip = QT_TRANSLATE_NOOP(
    "PageEditor", "[参数]最大长度2个字符,仅允许数字0-9或字母(A,B,C,D,E,F,H,L,P,U)");

QTableWidgetItem* centred(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

PageEditor::PageEditor(Ui::MainWindow& mainUi, QWidget* window,
                       std::function<void(bool)> setModified)
    : ui(mainUi), m_window(window), m_setModified(std::move(setModified))
{}

void PageEditor::setCurrent(int page, int column)
{
    m_curPage = page;
    m_curColumn = column;
}

bool PageEditor::editable() const
{
    return m_project && m_project->isOpen && !m_filling;
}

void PageEditor::modified()
{
    m_setModified(true);
}

bool PageEditor::editPage(const std::function<void()>& change)
{
    if (!editable())
        return false;
    change();
    modified();
    return true;
}

void PageEditor::retranslate()
{
    ui.tableWidget->setHorizontalHeaderLabels({tr("序号"), tr("参数"), tr("备注")});
}

void PageEditor::setUp()
{
    QTableWidget* table = ui.tableWidget;
    table->setColumnCount(3);
    retranslate();
    table->setColumnWidth(0, 50);
    table->setColumnWidth(1, 80);
    table->setColumnWidth(2, 120);
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectItems);
    table->setItemDelegateForColumn(
        1, new CustomItemDelegrate(ParamText::pattern(), ParamText::kMaxLength, table));
    table->setEnabled(false);
    ui.m_Param->setValidator(new QRegularExpressionValidator(ParamText::pattern(), ui.m_Param));
    ui.m_Param->setMaxLength(ParamText::kMaxLength);
    ui.lcdNum->setStyleSheet(QStringLiteral("background-color: black"));
    setLimitWidgetsVisible(false);
}

void PageEditor::setLimitWidgetsVisible(bool visible)
{
    ui.m_RegMin->setVisible(visible);
    ui.m_RegMax->setVisible(visible);
    ui.labelLimitUp->setVisible(visible);
    ui.labelLimitDown->setVisible(visible);
}

void PageEditor::clearTable()
{
    const QSignalBlocker block(ui.tableWidget);
    ui.tableWidget->setRowCount(0);
}

void PageEditor::rebuildPageTable(int page)
{
    if (!m_project || !m_project->isOpen)
        return;
    m_filling = true;
    QTableWidget* table = ui.tableWidget;
    table->setRowCount(m_project->pageCount());
    for (int row = 0; row < m_project->pageCount(); ++row) {
        QTableWidgetItem* index = centred(QString::number(row));
        index->setBackground(QColor(230, 230, 230));
        index->setFlags(index->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, 0, index);
        QTableWidgetItem* param = centred(m_project->pageParamText(row).toUpper());
        param->setToolTip(tr(kParamTip));
        table->setItem(row, 1, param);
        table->setItem(row, 2, centred(m_project->pageDescription(row)));
    }
    m_curPage = page;
    // The list is filled first, so that the page's own type stays selected.
    fillRegTypes();
    showPage(page);
    showPageLamps();
    m_filling = false;
    m_setModified(false);
}

void PageEditor::fillRegTypes()
{
    const CPlcModel* model =
        m_project
            ? CPlcManager::instance().findModel(m_project->plcVendorIndex, m_project->plcModelIndex)
            : nullptr;
    if (!model)
        return;
    const QSignalBlocker block(ui.m_RegType);
    ui.m_RegType->clear();
    for (const CPlcAddrType* type : model->wordTypes())
        ui.m_RegType->addItem(type->name());
}

void PageEditor::showPage(int page)
{
    if (page == -1 || !m_project || !m_project->isOpen)
        return;
    const CLedProject& p = *m_project;
    const int typeIndex =
        ui.m_RegType->findText(p.pageRegType(page), Qt::MatchExactly | Qt::MatchCaseSensitive);
    ui.m_Describe->setText(p.pageDescription(page));
    ui.m_SpinPoint->setValue(int(p.pageDecimals(page)));
    ui.m_SpinTotal->setValue(int(p.pageTotalDigits(page)));
    ui.m_SpinPoint->setMaximum(qMax(0, int(p.pageTotalDigits(page)) - 1));
    ui.m_CheckUnsigned->setChecked(p.pageSigned(page));
    ui.m_CheckZero->setChecked(p.pageLeadingZero(page));
    ui.m_Param->setText(p.pageParamText(page).toUpper());
    ui.m_RegStation->setValue(int(p.pageStation(page)));
    ui.m_RegType->setCurrentIndex(typeIndex >= 0 ? typeIndex : 0);
    ui.m_RegAddress->setValue(int(p.pageAddress(page)));
    ui.m_RegCnt->setValue(int(p.pageCountOfRegisters(page)));
    ui.m_CheckSet->setChecked(p.pageSettable(page));
    ui.m_CheckEncrypt->setChecked(p.pageEncrypted(page));
    ui.m_CheckLimit->setChecked(p.pageLimited(page));
    ui.m_RegMin->setValue(p.pageMinValue(page));
    ui.m_RegMax->setValue(p.pageMaxValue(page));
    setLimitWidgetsVisible(p.pageLimited(page));
    m_project->setCurrentPage(page);
    if (m_curColumn == -1)
        m_curColumn = 0;
    showPageLamps();
    selectCell(m_curPage, m_curColumn);
}

void PageEditor::showLamp(Kind kind)
{
    QComboBox* list = kind == Kind::TLamp ? ui.m_TLight : ui.m_KLight;
    QCheckBox* flicker = kind == Kind::TLamp ? ui.m_TFlicker : ui.m_KFlicker;
    const int n =
        kind == Kind::TLamp ? m_project->tLampOfPage(m_curPage) : m_project->fLampOfPage(m_curPage);
    if (n < 1) {
        list->setCurrentIndex(0);
        flicker->setChecked(false);
        flicker->hide();
        return;
    }
    list->setCurrentIndex(n);
    flicker->setChecked(
        (kind == Kind::TLamp ? m_project->tLampFlicker(n) : m_project->fLampFlicker(n)) != 0);
    flicker->show();
}

void PageEditor::showPageLamps()
{
    if (!m_project)
        return;
    const bool wasFilling = m_filling;
    m_filling = true;
    showLamp(Kind::TLamp);
    showLamp(Kind::FLamp);
    ui.m_KeyTouch->setCurrentIndex(qMax(0, m_project->fKeyOfPage(m_curPage)));
    m_filling = wasFilling;
}

void PageEditor::selectCell(int row, int column)
{
    QTableWidget* table = ui.tableWidget;
    table->clearSelection();
    if (QTableWidgetItem* item = table->item(row, column)) {
        item->setSelected(true);
        table->scrollToItem(item);
        const QSignalBlocker block(table);
        table->setCurrentItem(item);
    }
    updatePreview();
}

void PageEditor::updatePreview()
{
    if (!m_project || !m_project->isOpen)
        return;
    ui.lcdNum->display(ParamText::preview(ui.m_Param->text(), ui.m_CheckUnsigned->isChecked(),
                                          ui.m_SpinTotal->value(), ui.m_SpinPoint->value()));
}

void PageEditor::updateRangeTips()
{
    if (!m_project)
        return;
    const CLedProject& p = *m_project;
    auto range = [](const CLedRegister& reg, quint32 span) {
        return std::make_pair(reg.type + QString::number(reg.address),
                              reg.type + QString::number(reg.address + span));
    };
    QString tTip = tr("T灯地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用T灯地址]");
    if (p.useTLampAddress) {
        const auto [from, to] = range(p.tLampRegister, 11);
        tTip =
            tr("当前[参数设置/状态控制]中[使用T灯地址]范围: %1 - %2, 其中%3为时钟点")
                .arg(from, to, p.tLampRegister.type + QString::number(p.tLampRegister.address + 8));
    }
    QString fTip = tr("F灯地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用按键灯地址]");
    if (p.useKeyLampAddress) {
        const auto [from, to] = range(p.keyLampRegister, 11);
        fTip = tr("当前[参数设置/状态控制]中[使用按键灯地址]范围: %1 - %2").arg(from, to);
    }
    QString keyTip = tr("按键地址未启用,请在菜单[设置/参数设置/状态控制]栏中勾选[使用按键地址]");
    if (p.useKeyAddress) {
        const auto [from, to] = range(p.keyRegister, 11);
        keyTip = tr("当前[参数设置/状态控制]中[使用按键地址]范围: %1 - %2").arg(from, to);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{ui.labelTLight, ui.m_TLight})
        w->setToolTip(tTip);
    for (QWidget* w : std::initializer_list<QWidget*>{ui.labelKLight, ui.m_KLight})
        w->setToolTip(fTip);
    for (QWidget* w : std::initializer_list<QWidget*>{ui.labelKeyTouch, ui.m_KeyTouch, ui.label_5})
        w->setToolTip(keyTip);
}

void PageEditor::currentItemChanged(QTableWidgetItem* current)
{
    if (!current)
        return;
    m_curPage = current->row();
    m_curColumn = current->column();
    if (!m_project || !m_project->isOpen)
        return;
    m_filling = true;
    showPage(m_curPage);
    m_filling = false;
    m_setModified(m_project->isModified); // brings actions and status bar up to date
}

void PageEditor::tableDataChanged(int row, int column)
{
    if (!editable() || row == -1 || !ui.tableWidget->item(row, column))
        return;
    m_curPage = row;
    m_curColumn = column;
    const QString text = ui.tableWidget->item(row, column)->text();
    m_filling = true;
    if (column == 1) {
        m_project->setPageParamText(row, text.toUpper());
        ui.m_Param->setText(text.toUpper());
        modified();
    } else if (column == 2) {
        m_project->setPageDescription(row, text);
        ui.m_Describe->setText(text);
        modified();
    }
    updatePreview();
    m_filling = false;
}

void PageEditor::describeChanged(const QString& text)
{
    if (!editable())
        return;
    m_project->setPageDescription(m_curPage, text);
    if (QTableWidgetItem* item = ui.tableWidget->item(m_curPage, 2)) {
        const QSignalBlocker block(ui.tableWidget->model());
        item->setText(text);
    }
    modified();
}

void PageEditor::paramEdited(const QString& text)
{
    const QSignalBlocker block(ui.m_Param);
    const int cursor = ui.m_Param->cursorPosition();
    ui.m_Param->setText(text.toUpper());
    ui.m_Param->setCursorPosition(cursor);
    paramChanged(text);
}

void PageEditor::paramChanged(const QString& text)
{
    if (!editable())
        return;
    m_project->setPageParamText(m_curPage, text.toUpper());
    if (QTableWidgetItem* item = ui.tableWidget->item(m_curPage, 1)) {
        const QSignalBlocker block(ui.tableWidget->model());
        item->setText(text.toUpper());
    }
    modified();
    updatePreview();
}

void PageEditor::totalDigitsChanged(int total)
{
    if (!editable())
        return;
    m_project->setPageTotalDigits(m_curPage, quint32(total));
    if (ui.m_SpinPoint->value() >= total) {
        const QSignalBlocker block(ui.m_SpinPoint);
        ui.m_SpinPoint->setValue(total - 1);
        m_project->setPageDecimals(m_curPage, quint32(total - 1));
    }
    ui.m_SpinPoint->setRange(0, total - 1);
    modified();
    updatePreview();
}

void PageEditor::decimalsChanged(int decimals)
{
    if (editPage([&] { m_project->setPageDecimals(m_curPage, quint32(decimals)); }))
        updatePreview();
}

void PageEditor::signedClicked(bool on)
{
    if (editPage([&] { m_project->setPageSigned(m_curPage, on); }))
        updatePreview();
}

void PageEditor::leadingZeroClicked(bool on)
{
    editPage([&] { m_project->setPageLeadingZero(m_curPage, on); });
}

void PageEditor::stationChanged(int value)
{
    editPage([&] { m_project->setPageStation(m_curPage, quint32(value)); });
}

void PageEditor::regTypeChanged(const QString& type)
{
    editPage([&] { m_project->setPageRegType(m_curPage, type); });
}

void PageEditor::addressChanged(int value)
{
    editPage([&] { m_project->setPageAddress(m_curPage, quint32(value)); });
}

void PageEditor::countChanged(int value)
{
    editPage([&] { m_project->setPageCount(m_curPage, quint32(value)); });
}

void PageEditor::settableClicked(bool on)
{
    editPage([&] { m_project->setPageSettable(m_curPage, on); });
}

void PageEditor::encryptedClicked(bool on)
{
    editPage([&] { m_project->setPageEncrypted(m_curPage, on); });
}

void PageEditor::limitClicked(bool on)
{
    setLimitWidgetsVisible(on);
    if (!editable())
        return;
    m_project->setPageLimited(m_curPage, on);
    modified();
}

void PageEditor::minChanged(int value)
{
    editPage([&] { m_project->setPageMinValue(m_curPage, value); });
}

void PageEditor::maxChanged(int value)
{
    editPage([&] { m_project->setPageMaxValue(m_curPage, value); });
}

bool PageEditor::confirmTakeOver(const QString& question)
{
    return UserPrompt::question(m_window, tr("提示"), question,
                                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void PageEditor::lampChanged(Kind kind, int n)
{
    if (!editable() || !m_project->isValidPage(m_curPage))
        return;
    const bool tLamp = kind == Kind::TLamp;
    QCheckBox* flicker = tLamp ? ui.m_TFlicker : ui.m_KFlicker;
    const int holder = tLamp ? m_project->pageOfTLamp(n) : m_project->pageOfFLamp(n);
    auto assign = [&](int number) {
        if (tLamp)
            m_project->assignTLamp(m_curPage, number);
        else
            m_project->assignFLamp(m_curPage, number);
    };
    if (n == 0) {
        flicker->hide();
        assign(0);
        modified();
        return;
    }
    flicker->show();
    if (holder != -1 && holder != m_curPage) {
        const QString question = (tLamp ? tr("当前序号 T%1 已经被 %2:%3 使用,是否继续操作？")
                                        : tr("当前序号 K%1 已经被 %2:%3 使用,是否继续操作？"))
                                     .arg(n)
                                     .arg(holder)
                                     .arg(m_project->pageParamText(holder).toUpper());
        if (!confirmTakeOver(question)) {
            // A refused choice changes nothing: the list shows the page's lamp again.
            m_filling = true;
            showLamp(kind);
            m_filling = false;
            return;
        }
    }
    assign(n);
    modified();
    flicker->setChecked((tLamp ? m_project->tLampFlicker(n) : m_project->fLampFlicker(n)) != 0);
}

void PageEditor::tLampChanged(int n)
{
    lampChanged(Kind::TLamp, n);
}

void PageEditor::fLampChanged(int n)
{
    lampChanged(Kind::FLamp, n);
}

void PageEditor::keyChanged(int n)
{
    if (!editable() || !m_project->isValidPage(m_curPage))
        return;
    const int holder = m_project->pageOfFKey(n);
    if (n != 0 && holder != -1 && holder != m_curPage) {
        const QString question = tr("当前序号 按键%1 已经被 %2 使用,是否继续操作？")
                                     .arg(n)
                                     .arg(m_project->pageParamText(holder).toUpper());
        if (!confirmTakeOver(question)) {
            m_filling = true;
            ui.m_KeyTouch->setCurrentIndex(qMax(0, m_project->fKeyOfPage(m_curPage)));
            m_filling = false;
            return;
        }
    }
    m_project->assignFKey(m_curPage, n);
    modified();
}

void PageEditor::tFlickerClicked(bool on)
{
    const int n = ui.m_TLight->currentIndex();
    if (!editable() || n == 0)
        return;
    m_project->setTLampFlicker(n, on);
    modified();
}

void PageEditor::fFlickerClicked(bool on)
{
    const int n = ui.m_KLight->currentIndex();
    if (!editable() || n == 0)
        return;
    m_project->setFLampFlicker(n, on);
    modified();
}
